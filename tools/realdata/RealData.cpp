// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// `make realdata`: every file of a folder of real servers' database files
// through the editor's own path: read and listed as the browser lists it, each
// line decoded as the browser decodes it, loaded into a start-up entry and
// generated back. Prints a table: monster lines (neither blank nor comments),
// exact round trips, lines loaded but changed, and refusals by kind.
//
// Usage: grimlark_realdata FOLDER

#include "core/EntryLoader.h"
#include "core/TextEntry.h"
#include "ui/common/FileNames.h"
#include "ui/frmBrowser/DatabaseListModel.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <map>
#include <string>

using namespace grimlark;

namespace {

const char *kindOf(LoadResult::Status status)
{
    switch (status) {
    case LoadResult::Status::Loaded:
        return "loaded";
    case LoadResult::Status::NoLine:
        return "blank";
    case LoadResult::Status::CommentLine:
        return "comment";
    case LoadResult::Status::TooFewFields:
        return "too few fields";
    case LoadResult::Status::TooManyFields:
        return "too many fields";
    case LoadResult::Status::OtherLayout:
        return "other layout";
    case LoadResult::Status::NotANumber:
    case LoadResult::Status::NotWholeNumber:
    case LoadResult::Status::OutOfRange:
    case LoadResult::Status::BadElement:
        return "bad code";
    }
    return "?";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    std::printf("| file | encoding | monster lines | exact round trips | changed | refused |\n"
                "|---|---|---|---|---|---|\n");
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        if (name.endsWith(QLatin1String(".md")))
            continue;
        DatabaseFile file;
        const ReadResult read = readDatabaseFile(ui::nativePath(folder.filePath(name)), file);
        if (read.status != ReadStatus::Done) {
            std::printf("| %s | could not be read: %s | | | | |\n", qPrintable(name),
                        describe(read).c_str());
            continue;
        }
        ui::DatabaseListModel model;
        model.addFile(std::move(file));
        const LegacyEncoding *encoding = model.encodingAt(0);
        int monsters = 0, exact = 0, changed = 0;
        std::map<std::string, int> refusals;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QByteArray line = model.lineUtf8(row);
            const std::string_view text(line.constData(), std::size_t(line.size()));
            MonsterEntry entry = startupEntry();
            const LoadResult result = LoadEntryIntoEditor(text, entry);
            if (result.status == LoadResult::Status::NoLine ||
                result.status == LoadResult::Status::CommentLine)
                continue;
            ++monsters;
            if (!result.loaded())
                ++refusals[kindOf(result.status)];
            else if (BuildTextEntry(entry) == text)
                ++exact;
            else
                ++changed;
        }
        std::string refused;
        for (const auto &[kind, count] : refusals)
            refused += (refused.empty() ? "" : ", ") + std::to_string(count) + " " + kind;
        std::printf("| %s | %s | %d | %d | %d | %s |\n", qPrintable(name),
                    encoding ? encoding->label : "", monsters, exact, changed,
                    refused.empty() ? "none" : refused.c_str());
    }
    return 0;
}
