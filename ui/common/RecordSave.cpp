// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "RecordSave.h"

#include "FileNames.h"
#include "Text.h"
#include "core/EntryLoader.h"
#include "core/FileEdit.h"
#include "core/LineCheck.h"
#include "core/Numbers.h"
#include "core/OutputNotes.h"
#include "core/RathenaYamlEntry.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"

#include <algorithm>
#include <new>

namespace grimlark::ui {

namespace {

using Status = SaveOutcome::Status;

SaveOutcome changed()
{
    SaveOutcome outcome;
    outcome.status = Status::Changed;
    return outcome;
}

SaveOutcome refused(std::string reason)
{
    SaveOutcome outcome;
    outcome.reason = std::move(reason);
    return outcome;
}

/// `bytes` cut into records as the browser lists the file they would be.
ReadDatabase listed(const std::string &nativePath, std::string bytes)
{
    return readDatabase(nativePath,
                        [&bytes](const std::string &, DatabaseFile &file, const ReadProgress &) {
                            file = DatabaseFile(std::move(bytes));
                            return ReadResult{};
                        });
}

/// True when record `i` of `file` is a monster as its server reads the file
/// (in a dump, a statement; a text line there is none), loaded into `monster`.
bool isMonster(const ReadDatabase &file, std::size_t i, MonsterEntry &monster)
{
    const std::string text = file.text(i);
    return (file.kind == FileKind::Text || formOf(text, file.kind) != LineForm::Other) &&
           LoadEntryIntoEditor(text, monster).loaded();
}

/// True when a line of `file` holds UTF-8 beyond ASCII: in a file whose other
/// lines are in a legacy encoding, names in two encodings.
bool holdsUtf8Names(const DatabaseFile &file)
{
    for (std::size_t i = 0; i < file.lines(); ++i) {
        const std::string_view line = file.line(i);
        if (file.isUtf8(i) && std::any_of(line.begin(), line.end(), [](char c) {
                return static_cast<unsigned char>(c) >= 0x80;
            }))
            return true;
    }
    return false;
}

/// The record of `file` the monster takes the layout of: the one replaced,
/// or the last monster; none where that is no monster (or there is none).
std::optional<std::size_t> modelRecord(const ReadDatabase &file, std::optional<std::size_t> record)
{
    for (std::size_t i = record ? *record + 1 : file.file.lines(); i-- > 0;) {
        MonsterEntry monster;
        if (isMonster(file, i, monster))
            return i;
        if (record)
            break;
    }
    return std::nullopt;
}

/// The layout the file's monsters are in: the model record's; a file with
/// none takes the editor's where its form allows.
Layout layoutOf(const ReadDatabase &file, std::optional<std::size_t> model, Layout editors)
{
    if (file.kind == FileKind::Yaml)
        return Layout::RathenaYaml;
    if (file.kind == FileKind::Config)
        return Layout::Hercules;
    MonsterEntry monster;
    if (model && LoadEntryIntoEditor(file.text(*model), monster).loaded())
        return monster.carried.layout;
    return byKeys(editors) ? Layout::Classic : editors;
}

const char *nameOfLineEnd(std::string_view end)
{
    return end == "\r\n" ? "CRLF (Windows)" : end == "\r" ? "CR" : "LF";
}

/// Where other monsters of `id` stand in `file`, beside the record `besides`.
std::vector<std::size_t> othersOfId(const ReadDatabase &file, std::string_view id,
                                    std::size_t besides)
{
    std::vector<std::size_t> others;
    if (id.empty())
        return others;
    for (std::size_t i = 0; i < file.file.lines(); ++i) {
        // Only a record holding the ID's digits can be a monster of it.
        if (i == besides || file.file.line(i).find(id) == std::string_view::npos)
            continue;
        MonsterEntry monster;
        if (isMonster(file, i, monster) && trimmed(monster.ID) == id)
            others.push_back(i);
    }
    return others;
}

/// Where the row of a statement adding one ("INSERT INTO `mob_db` VALUES
/// (...);") begins: its first `(` after VALUES; npos where it has none.
std::size_t rowStart(std::string_view statement)
{
    for (std::size_t at = 0; at + 6 <= statement.size(); ++at)
        if (equalIgnoringCase(statement.substr(at, 6), "VALUES"))
            return statement.find('(', at);
    return std::string_view::npos;
}

/// The record's bytes as the file holds it, and as UTF-8 for the user.
struct Written {
    std::string bytes, text;
};

/// The monster as a record of `file`: its line, entry or group; in a dump,
/// its row put in `around` (in place of its row: the statement replaced, or
/// the file's last for one added), alone where `around` is a row itself.
Written recordOf(const MonsterEntry &entry, FileKind kind, std::string_view around,
                 const LegacyEncoding *names, std::vector<std::string> &notes)
{
    Written written;
    if (kind == FileKind::Yaml || kind == FileKind::Config) {
        // Named keys, every byte of them the writer's: the whole entry in the
        // file's encoding.
        written.text = BuildTextEntry(entry);
        written.bytes = written.text;
        if (names) {
            if (const std::optional<std::string> encoded = encodeLegacy(written.text, *names))
                written.bytes = *encoded;
            else
                notes.push_back(std::string("The monster cannot be written in ") + names->label +
                                ", the file's encoding: it is written in UTF-8.");
        }
        return written;
    }
    const NameBytes bytes = namesInEncoding(entry, names, encodeLegacy, notes);
    if (kind == FileKind::Dump) {
        const auto row = [](const std::string &script) {
            const std::string_view statement = grimlark::rowOf(script);
            const std::size_t start = rowStart(statement);
            const std::size_t end = statement.rfind(')');
            return std::string(statement.substr(start, end + 1 - start));
        };
        written.text = row(BuildSqlEntry(entry));
        written.bytes = row(BuildSqlEntry(entry, &bytes));
        if (around.substr(0, 1) != "(") {
            // The statement's head and what follows its row as they are, or
            // as the servers' own dumps write them.
            const std::size_t start = rowStart(around), end = around.rfind(')');
            const bool has =
                start != std::string_view::npos && end != std::string_view::npos && end > start;
            const std::string head =
                has ? std::string(around.substr(0, start)) : "INSERT INTO `mob_db` VALUES ";
            const std::string tail = has ? std::string(around.substr(end + 1)) : ";";
            written.bytes = head + written.bytes + tail;
            written.text = head + written.text + tail;
        }
        return written;
    }
    written.text = BuildTextEntry(entry);
    written.bytes = BuildTextEntry(withNames(entry, bytes));
    return written;
}

SaveOutcome save(const SaveRequest &request, FileSteps &steps)
{
    const std::string native = nativePath(request.path);
    // Read as the browser reads it, once: its bytes are the file's.
    const ReadDatabase file = readDatabase(native);
    if (file.result.status != ReadStatus::Done)
        return refused(std::string("it could not be ") +
                       (failedWhileReading(file.result) ? "read: " : "opened: ") +
                       describe(file.result));
    if (request.listed && file.file.fingerprint() != *request.listed)
        return changed();
    // A dump's rows set apart are bytes of their own: its file's, once more.
    std::string dumpBytes;
    if (file.kind == FileKind::Dump && (readFile(native, dumpBytes).status != ReadStatus::Done ||
                                        fingerprintOf(dumpBytes) != file.file.fingerprint()))
        return changed();
    const std::string_view raw =
        file.kind == FileKind::Dump ? std::string_view(dumpBytes) : file.file.bytes();
    if (request.record && *request.record >= file.file.lines())
        return changed();

    SaveOutcome outcome;
    std::vector<std::string> &notes = outcome.notes;
    // The monster in the file's own layout, as Generate > Layout makes it.
    const std::optional<std::size_t> model = modelRecord(file, request.record);
    if (request.record && !model)
        return refused("the line it was loaded from is no monster now");
    if (!model && file.kind == FileKind::Text && file.file.lines() > 0)
        notes.emplace_back("The file holds no monster yet: is it a monster database?");
    const Layout layout = layoutOf(file, model, request.entry.carried.layout);
    MonsterEntry entry = request.entry;
    if (entry.carried.layout != layout) {
        notes.push_back(std::string("It is written in the ") + formatOf(layout).menuLabel +
                        " layout, the file's.");
        for (const LineReport &lost : carriedLosses(entry, layout))
            notes.push_back(lost.message);
        translateDrops(entry, layout, request.items.get(), nullptr);
        moveIntoLayout(entry, layout);
        entry.carried.layout = layout;
    }
    const LegacyEncoding *names = request.namesIn ? *request.namesIn : file.namesEncoding();
    const bool replacing = request.record.has_value();
    if (names && holdsUtf8Names(file.file))
        notes.push_back(std::string("The file holds names in UTF-8 and in ") + names->label +
                        ": the monster's are written in " + names->label +
                        ", the encoding its other names are read in.");
    const RecordPlace place = replacing ? file.file.place(*request.record) : RecordPlace{};
    const std::string_view old = std::string_view(raw).substr(place.begin, place.end - place.begin);
    const std::string last = model ? std::string(file.file.line(*model)) : std::string();
    Written written =
        recordOf(entry, file.kind, replacing ? old : std::string_view(last), names, notes);
    outcome.written = written.text;
    outcome.form = file.kind == FileKind::Dump ? Output::Sql : Output::Text;

    // The file's own line ends; where it mixes them, the record's own (or
    // the file's first).
    const LineEnds ends = lineEndsOf(raw);
    std::string_view lineEnd = ends.end;
    if (ends.mixed) {
        if (const LineEnds own = lineEndsOf(old);
            old.find_first_of("\r\n") != std::string_view::npos)
            lineEnd = own.end;
        if (!replacing || written.bytes.find('\n') != std::string::npos)
            notes.push_back(std::string("The file ends some lines otherwise than others: the "
                                        "monster's lines end in ") +
                            nameOfLineEnd(lineEnd) + ".");
    }
    written.bytes = withLineEnds(written.bytes, lineEnd);

    std::string bytes;
    std::size_t at = place.begin;
    if (replacing) {
        // A line or a row the writer spells otherwise (a dump's quoting, a
        // Mode in hexadecimal) stays as it is while it holds the same monster.
        MonsterEntry before = startupEntry();
        const bool same =
            written.bytes == old ||
            ((file.kind == FileKind::Text || file.kind == FileKind::Dump) &&
             LoadEntryIntoEditor(file.text(*request.record), before).loaded() && before == entry);
        if (same) {
            outcome.status = Status::Unchanged;
            outcome.record = *request.record;
            return outcome;
        }
        bytes = withSpanReplaced(raw, place.begin, place.end, written.bytes);
    } else {
        std::string why;
        std::optional<Addition> added =
            withRecordAdded(raw, file.kind, written.bytes, lineEnd, why);
        if (!added)
            return refused("Grimlark cannot add a monster to it: " + why);
        bytes = std::move(added->bytes);
        at = added->at;
    }

    // Read back as the browser will list it: the monster where it was put,
    // whole, or nothing is written.
    const std::string dumpNew = file.kind == FileKind::Dump ? bytes : std::string();
    outcome.listing = listed(native, std::move(bytes));
    const ReadDatabase &after = outcome.listing;
    std::optional<std::size_t> record;
    for (std::size_t i = 0; after.result.status == ReadStatus::Done && i < after.file.lines(); ++i)
        if (after.file.place(i).begin == at)
            record = i;
    MonsterEntry back;
    if (!record || after.kind != file.kind ||
        !LoadEntryIntoEditor(after.text(*record), back).loaded())
        return refused("the file would not read back with the monster whole where it was put");
    outcome.record = *record;
    const std::string_view id = trimmed(entry.ID);
    for (const std::size_t other : othersOfId(after, id, *record))
        notes.push_back(
            "ID " + std::string(id) + " is also on line " +
            std::to_string(after.file.sourceLine(other) + 1) +
            " of the file: the servers keep the later of the two, line " +
            std::to_string(std::max(after.file.sourceLine(other), after.file.sourceLine(*record)) +
                           1) +
            ".");
    if (!notes.empty() && !request.confirmed) {
        outcome.status = Status::Confirm;
        outcome.listing = {};
        return outcome;
    }

    const WriteResult wrote = replaceFileSafely(
        native, raw, file.kind == FileKind::Dump ? std::string_view(dumpNew) : after.file.bytes(),
        steps);
    if (wrote.status == WriteResult::Status::Changed)
        return changed();
    if (wrote.status == WriteResult::Status::Failed)
        return refused(describe(wrote));
    outcome.status = Status::Saved;
    return outcome;
}

} // namespace

SaveOutcome saveIntoFile(const SaveRequest &request, FileSteps &steps)
{
    try {
        return save(request, steps);
    } catch (const std::bad_alloc &) {
        return refused("there is not enough memory to make its new bytes");
    }
}

} // namespace grimlark::ui
