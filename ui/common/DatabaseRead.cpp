// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "DatabaseRead.h"

#include "Text.h"
#include "core/HerculesMobDb.h"
#include "core/LineCheck.h"
#include "core/RathenaMobDb.h"
#include "core/SqlDump.h"

namespace grimlark::ui {

std::string ReadDatabase::text(std::size_t i) const
{
    const std::string_view bytes = file.line(i);
    return file.isUtf8(i) || !encoding ? std::string(bytes)
                                       : toUtf8(decodeLegacy(bytes, *encoding));
}

ReadDatabase readDatabase(const std::string &nativePath, const ReadBytes &read,
                          const ReadProgress &progress)
{
    ReadDatabase database;
    database.result = read(nativePath, database.file, progress);
    if (database.result.status != ReadStatus::Done) {
        database.file = DatabaseFile();
        return database;
    }
    if (const char *form = otherFormOf(database.file)) {
        const auto refuse = [&database](ReadResult result) {
            database.result = std::move(result);
            database.file = DatabaseFile();
            return database;
        };
        // rAthena's YAML database, Hercules' libconfig one: a record a
        // monster, of its lines.
        std::vector<std::pair<std::size_t, std::size_t>> spans;
        if (form == kRathenaYamlForm) {
            const RathenaMobDb db = readRathenaMobDb(database.file.bytes());
            if (db.fault != RathenaMobDb::Fault::None)
                return refuse({ReadStatus::BadDatabase, 0, nullptr,
                               "it is a YAML database of rAthena's, but " + db.message()});
            spans = db.lineSpans();
            database.kind = FileKind::Yaml;
        } else if (form == kHerculesForm) {
            const HerculesMobDb db = readHerculesMobDb(database.file.bytes());
            if (db.fault != HerculesMobDb::Fault::None)
                return refuse({ReadStatus::BadDatabase, 0, nullptr,
                               "it is a libconfig database of Hercules', but " + db.message()});
            spans = db.lineSpans();
            database.kind = FileKind::Config;
        } else {
            return refuse({ReadStatus::OtherForm, 0, form});
        }
        database.file = DatabaseFile::withSpans(std::move(database.file), spans);
    }
    database.encoding = &chooseEncoding(database.file, preferredEncoding(), decodesStrictly);
    FileForm form;
    for (std::size_t i = 0; i < database.file.lines(); ++i)
        form.add(database.file.line(i));
    database.dump = form.dump();
    if (database.dump)
        database.kind = FileKind::Dump;
    // A dump lists a row a monster: mysqldump writes many rows a statement.
    if (database.dump)
        database.file = DatabaseFile::withRowsApart(std::move(database.file), splitSqlRows);
    return database;
}

} // namespace grimlark::ui
