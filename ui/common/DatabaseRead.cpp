// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "DatabaseRead.h"

#include "Text.h"
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
        if (form != kRathenaYamlForm) {
            database.result = {ReadStatus::OtherForm, 0, form};
            database.file = DatabaseFile();
            return database;
        }
        // rAthena's YAML database: a record a monster, of its lines.
        const RathenaMobDb db = readRathenaMobDb(database.file.bytes());
        if (db.fault != RathenaMobDb::Fault::None) {
            database.result = {ReadStatus::BadDatabase, 0, nullptr,
                               std::string("it is a YAML database of rAthena's, but ") +
                                   db.message()};
            database.file = DatabaseFile();
            return database;
        }
        database.file = DatabaseFile::withSpans(std::move(database.file), db.lineSpans());
        database.yaml = true;
    }
    database.encoding = &chooseEncoding(database.file, preferredEncoding(), decodesStrictly);
    FileForm form;
    for (std::size_t i = 0; i < database.file.lines(); ++i)
        form.add(database.file.line(i));
    database.dump = form.dump();
    // A dump lists a row a monster: mysqldump writes many rows a statement.
    if (database.dump)
        database.file = DatabaseFile::withRowsApart(std::move(database.file), splitSqlRows);
    return database;
}

} // namespace grimlark::ui
