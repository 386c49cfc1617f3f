// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "OpenDialog.h"

#include "ui/common/Platform.h"

#include <QPointer>
#include <QStandardPaths>
#include <QStringList>
#include <QWidget>

namespace grimlark::ui {

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList choices;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(patterns);
        choices << description;
    }
    return choices.join(QStringLiteral(";;"));
}

QStringList OpenDialog::ShowOpen(QWidget *parent)
{
    // This object lives in the window that parents the dialog: if the window was
    // destroyed while the dialog was open, so was this object.
    const QPointer<QWidget> owner = parent;
    QString start = FileName;
#ifdef Q_OS_WIN
    // Not the program's own folder, where Windows would start otherwise.
    if (start.isEmpty())
        start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#endif
    QStringList paths =
        Platform::current().openFileNames(parent, toQtFilter(Filter), start, DialogTitle);
    if (!owner)
        return {};
    paths.removeAll(QString());
    if (!paths.isEmpty())
        FileName = paths.constFirst();
    return paths;
}

} // namespace grimlark::ui
