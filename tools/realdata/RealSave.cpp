// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// `make realdata-save`: Save Into File on copies of every file of a folder of
// real servers' database files. For monsters spread over each file (the first,
// the last and some between), loaded as the browser loads them: saved as
// loaded, the file must stay byte for byte as it was (where the monster
// comes back exactly); saved with its HP changed, only that record's bytes
// may change, and the file must list whole again, the monster with its new HP.
// Prints a table, and ends with 1 where a save broke either rule.
//
// Usage: grimlark_realsave FOLDER

#include "core/EntryLoader.h"
#include "core/LineCheck.h"
#include "ui/common/FileNames.h"
#include "ui/common/RecordSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

using namespace grimlark;

namespace {

bool put(const QString &path, const std::string &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

std::string contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

/// The records of `read` that load as monsters.
std::vector<std::size_t> monstersOf(const ui::ReadDatabase &read)
{
    std::vector<std::size_t> monsters;
    for (std::size_t i = 0; i < read.file.lines(); ++i) {
        MonsterEntry entry = startupEntry();
        const std::string text = read.text(i);
        if ((read.kind == FileKind::Text || formOf(text, read.kind) != LineForm::Other) &&
            LoadEntryIntoEditor(text, entry).loaded())
            monsters.push_back(i);
    }
    return monsters;
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
    QTemporaryDir copies;
    constexpr std::size_t kSamples = 40;
    int status = 0;
    std::printf("| file | added | saves | unchanged, byte for byte | changed, that record only | "
                "broken |\n|---|---|---|---|---|---|\n");
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        const std::string original = contents(folder.filePath(name));
        const QString path = copies.filePath(name);
        if (name.endsWith(QLatin1String(".md")) || !put(path, original))
            continue;
        const ui::ReadDatabase read = ui::readDatabase(ui::nativePath(path));
        const std::vector<std::size_t> monsters = monstersOf(read);
        if (read.result.status != ReadStatus::Done)
            continue;
        int saves = 0, unchanged = 0, changed = 0;
        std::vector<std::string> broken;
        // A monster composed from scratch, added last.
        ui::SaveRequest adding;
        adding.path = path;
        adding.entry = startupEntry();
        adding.entry.ID = "3999";
        adding.confirmed = true;
        const ui::SaveOutcome added = ui::saveIntoFile(adding);
        MonsterEntry last = startupEntry();
        const bool addedWhole =
            added.status == ui::SaveOutcome::Status::Saved &&
            monstersOf(added.listing).size() == monsters.size() + 1 &&
            LoadEntryIntoEditor(added.listing.text(added.record), last).loaded() &&
            last.ID == "3999";
        if (!addedWhole)
            broken.push_back("added: status " + std::to_string(int(added.status)) + " " +
                             added.reason);
        (void)put(path, original);
        for (std::size_t sample = 0; !monsters.empty() && sample < kSamples; ++sample) {
            const std::size_t record = monsters[sample * (monsters.size() - 1) / (kSamples - 1)];
            ui::SaveRequest request;
            request.path = path;
            request.record = record;
            request.listed = read.file.fingerprint();
            request.entry = startupEntry();
            (void)LoadEntryIntoEditor(read.text(record), request.entry);
            ++saves;
            const std::string line = std::to_string(read.file.sourceLine(record) + 1);
            // As loaded: nothing written.
            const ui::SaveOutcome same = ui::saveIntoFile(request);
            if (same.status == ui::SaveOutcome::Status::Unchanged && contents(path) == original)
                ++unchanged;
            (void)put(path, original);
            // One box changed: that record's bytes only.
            request.entry.HP = request.entry.HP == "77" ? "78" : "77";
            request.confirmed = true;
            const ui::SaveOutcome saved = ui::saveIntoFile(request);
            const RecordPlace place = read.file.place(record);
            const std::string now = contents(path);
            MonsterEntry back = startupEntry();
            const bool whole =
                saved.status == ui::SaveOutcome::Status::Saved &&
                now.compare(0, place.begin, original, 0, place.begin) == 0 &&
                now.size() >= original.size() - place.end &&
                now.compare(now.size() - (original.size() - place.end), std::string::npos, original,
                            place.end, std::string::npos) == 0 &&
                saved.listing.file.lines() == read.file.lines() &&
                monstersOf(saved.listing).size() == monsters.size() &&
                LoadEntryIntoEditor(saved.listing.text(record), back).loaded() &&
                back.HP == request.entry.HP;
            if (whole)
                ++changed;
            else
                broken.push_back("line " + line +
                                 (saved.reason.empty() ? std::string() : ": " + saved.reason));
            (void)put(path, original);
            QFile::remove(path + QLatin1Char('~'));
        }
        if (!broken.empty())
            status = 1;
        std::string said;
        for (const std::string &what : broken)
            said += (said.empty() ? "" : "; ") + what;
        std::printf("| %s | %s | %d | %d | %d | %s |\n", qPrintable(name),
                    addedWhole ? "yes" : "no", saves, unchanged, changed,
                    said.empty() ? "none" : said.c_str());
    }
    return status;
}
