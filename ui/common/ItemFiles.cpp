// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ItemFiles.h"

#include "FileNames.h"
#include "Text.h"
#include "core/FileReader.h"

#include <QDir>
#include <QFileInfo>

namespace grimlark::ui {

QStringList itemFilesBeside(const QString &path, bool yaml)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    QStringList files;
    const auto add = [&files](const QString &file) {
        if (QFileInfo(file).isFile())
            files << file;
    };
    if (yaml) {
        for (const QString &name :
             folder.entryList({QStringLiteral("item_db*.yml")}, QDir::Files, QDir::Name))
            add(folder.filePath(name));
        add(folder.filePath(QStringLiteral("../import/item_db.yml")));
    } else {
        add(folder.filePath(QStringLiteral("item_db.txt")));
        add(folder.filePath(QStringLiteral("item_db2.txt")));
    }
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
