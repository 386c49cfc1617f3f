// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ItemFiles.h"

#include "FileNames.h"
#include "Text.h"
#include "core/FileReader.h"

namespace grimlark::ui {

QStringList itemFilesBeside(const QString &path, FileKind kind)
{
    // No QDir or QFileInfo: a reading thread asks, and Qt's file classes
    // there make it a thread of Qt's, whose end Wine's Windows does not survive.
    QStringList files;
    for (const std::string &file : grimlark::itemFilesBeside(nativePath(path), kind))
        files << pathFromNative(QByteArray::fromStdString(file));
    return files;
}

ReadItems readItemFiles(const QStringList &paths)
{
    ReadItems read;
    for (const QString &path : paths) {
        std::string bytes;
        const ReadResult result = readFile(nativePath(path), bytes);
        std::string problem;
        if (result.status != ReadStatus::Done)
            problem = describe(result);
        else if (const ItemFileRead items = readItemFile(bytes, read.items); !items.read)
            problem = items.problem;
        if (!problem.empty())
            read.problems << displayPath(path) + QStringLiteral(": ") + fromUtf8(problem);
    }
    return read;
}

} // namespace grimlark::ui
