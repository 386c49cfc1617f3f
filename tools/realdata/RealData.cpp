// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// `make realdata`: every file of a folder of real servers' database files
// through the editor's own path: read and listed as the browser lists it, each
// line decoded as the browser decodes it (no list needed), loaded into a start-up entry and
// generated back. Prints a table: monster lines (neither blank nor comments),
// exact round trips, lines loaded but changed, and refusals by kind.
//
// Usage: grimlark_realdata FOLDER

#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/LineCheck.h"
#include "core/SqlDump.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"
#include "ui/common/DatabaseRead.h"
#include "ui/common/FileNames.h"
#include "ui/common/Text.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

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
    case LoadResult::Status::BadStatement:
        return "not one row";
    case LoadResult::Status::NotANumber:
    case LoadResult::Status::NotWholeNumber:
    case LoadResult::Status::OutOfRange:
    case LoadResult::Status::BadElement:
    case LoadResult::Status::NotAnEntry:
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
        const ui::ReadDatabase read = ui::readDatabase(ui::nativePath(folder.filePath(name)));
        if (read.result.status != ReadStatus::Done) {
            std::printf("| %s | could not be read: %s | | | | |\n", qPrintable(name),
                        describe(read.result).c_str());
            continue;
        }
        // The encoding the browser reads the file in, where a line needs one.
        const LegacyEncoding *encoding = read.namesEncoding();
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < read.file.lines(); ++i)
            lines.push_back(read.text(i));
        int monsters = 0, exact = 0, changed = 0;
        std::map<std::string, int> refusals;
        // In an SQL dump, the statements are the monsters (the rest is the
        // table's definition); a statement comes back exactly when its values do.
        for (const std::string &text : lines) {
            const bool statement = isSqlStatement(text);
            if (read.kind != FileKind::Text && formOf(text, read.kind) == LineForm::Other)
                continue;
            MonsterEntry entry = startupEntry();
            const LoadResult result = LoadEntryIntoEditor(text, entry);
            if (result.status == LoadResult::Status::NoLine ||
                result.status == LoadResult::Status::CommentLine)
                continue;
            ++monsters;
            if (!result.loaded()) {
                ++refusals[kindOf(result.status)];
                continue;
            }
            bool same = BuildTextEntry(entry) == text;
            if (statement) {
                const std::string_view sql = rowOf(BuildSqlEntry(entry));
                MonsterEntry back = startupEntry();
                same = LoadEntryIntoEditor(sql, back).loaded();
                // The statement writes the Mode as a number, as every table takes
                // it; a dump's 0x literal of the same value is the same Mode.
                if (modeValue(back) == modeValue(entry))
                    back.carried.modeText = entry.carried.modeText;
                same = same && back == entry;
            }
            ++(same ? exact : changed);
        }
        std::string refused;
        for (const auto &[kind, count] : refusals)
            refused += (refused.empty() ? "" : ", ") + std::to_string(count) + " " + kind;
        std::printf("| %s | %s | %d | %d | %d | %s |\n", qPrintable(name),
                    encoding ? encoding->label : "UTF-8", monsters, exact, changed,
                    refused.empty() ? "none" : refused.c_str());
    }
    return 0;
}
