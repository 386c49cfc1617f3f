// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Layout.h"
#include "MonsterEntry.h"
#include "ServerRules.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

class ItemDatabase;

/// One thing found in a line of a database file: the field it is about (its
/// unique name, or "line") and what was found.
struct LineReport {
    std::string field;
    std::string message;
};

/// What a line of a database file is by its own form: a statement (INSERT or
/// REPLACE), a text line (its first character, after blanks, a digit: an ID),
/// or anything else (comments, a dump's table definition).
enum class LineForm { Other, Text, Statement };
LineForm formOf(std::string_view line);
/// The same of a line of a file of `kind`.
LineForm formOf(std::string_view line, FileKind kind);

/// Tells from its lines whether a file is an SQL dump: more statements than
/// text lines. In a dump the statements are the monsters and the other lines
/// the dump's own; in a text file every line is read as a monster line. A line
/// of the other form is judged by its own form all the same, and said to be
/// where its server cannot read it.
class FileForm {
public:
    void add(std::string_view line);
    bool dump() const { return m_statements > m_texts; }

private:
    std::size_t m_statements = 0, m_texts = 0;
};

/// What `grimlark --check` says of one line of a database file: nothing for a
/// blank or comment line (or, in an SQL dump, a line that is neither a
/// statement nor a text line); the refusal when the editor would not load it;
/// a statement in a text file, a text line in a dump; otherwise the notes of
/// loading, the lists with nothing selected and what the servers in `servers`
/// (Server bits) store otherwise than the line says: textFindings for a text
/// line, sqlFindings for a statement. `text` is the line as UTF-8 (decoded as
/// the browser decodes it), `bytes` the line as the file holds it, whose names
/// are the servers' bytes, in `encoding` ("UTF-8", "Shift-JIS (CP932)", ...).
/// `id`, where given, is set to the monster's ID as the servers read it, or
/// nothing where the line holds no monster that loads.
/// With `items` (the server's item database), a drop whose item it lacks is
/// said too.
std::vector<LineReport> checkLine(std::string_view text, std::string_view bytes,
                                  const char *encoding, unsigned servers, FileKind kind,
                                  std::optional<long long> *id = nullptr,
                                  const ItemDatabase *items = nullptr);

/// What the line `entry` makes in `target` cannot hold, or its servers do not
/// know, of what the entry carries: the iRO name in the classic layout, Mode
/// flags above the layout's own. The one judgement of the editor's warnings
/// and of --convert.
std::vector<LineReport> carriedLosses(const MonsterEntry &entry, Layout target);

/// A line of a database file in another layout (`grimlark --convert`).
struct ConvertedLine {
    std::string bytes;            ///< the line written, without its line end
    std::vector<LineReport> lost; ///< why it could not be, or what it lost
};

/// `text` and `bytes` as for checkLine, written in `target` as a text line or
/// (`sql`) as that layout's SQL statements: a monster line loaded and written
/// back with its names in the file's own bytes; a blank line blank; a comment,
/// or any other line of a dump, as a comment ("//" or "--"); a line that
/// cannot be loaded as a comment too, with its refusal in `lost`. A statement
/// in a text file, or a text line in a dump, is converted as the monster it
/// holds, and said in `lost` (it stood where its server could not read it). What the
/// target cannot hold is in `lost` as well: the other display name in the
/// classic layout, Mode flags its servers do not know; and every value the
/// target's servers (or, with `sql`, their tables) store otherwise than the
/// line's own servers did: a skipped monster, a wrapped number, a raised
/// delay, a cut name, a clamped column. `encoding` names the names' bytes.
/// The item databases a conversion turns drops through (either may be null):
/// the one of the file's own server, and the target's.
struct ConvertItems {
    const ItemDatabase *source = nullptr, *target = nullptr;
};
ConvertedLine convertLine(std::string_view text, std::string_view bytes, Layout target, bool sql,
                          FileKind kind, const char *encoding = "UTF-8",
                          const ConvertItems &items = {});

/// What changes meaning in a conversion into `target`: of the findings
/// `after` (of the line written), those that change what the servers
/// `sourceServers` stored from the line read, whose findings were `before`
/// (a finding of a server that read the line too, which it did not make of
/// it; a finding of another server, on a field that one of the line's own
/// servers stored as written); and the findings `before`, of every server
/// of the line's that stored the monster, on a field the target's servers
/// store as written.
std::vector<LineReport> changesOfMeaning(const std::vector<Finding> &before, unsigned sourceServers,
                                         const std::vector<Finding> &after, Layout target);

} // namespace grimlark
