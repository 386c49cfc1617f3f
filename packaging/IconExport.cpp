// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Writes the program's icon as the PNG files of a hicolor icon theme, so that the
// installed icons come from the same 32 x 32 picture as the windows' own.
//
// Usage: grimlark_icon_export OUTPUT_DIR
// Makes OUTPUT_DIR/SIZExSIZE/apps/org.grimlark.Grimlark.png for each size.

#include "resources/grimlark.xpm"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QImage original(grimlark_xpm);
    if (original.isNull()) {
        std::fprintf(stderr, "the icon could not be read\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32, 64, 128}) {
        // Whole multiples keep the hard pixel edges of the drawing; the others
        // are smoothed, which reads better than uneven blocks.
        const Qt::TransformationMode mode =
            size % 32 == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QImage image = size == original.width()
                                 ? original
                                 : original.scaled(size, size, Qt::IgnoreAspectRatio, mode);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/org.grimlark.Grimlark.png"));
        if (!out.mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
