// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// The servers whose reading of a line is the judge of what it means.
enum class Server : unsigned {
    Freya = 1,
    EAthena = 2,
    EAthena2011 = 4,
    RAthena = 8,
    RAthenaYaml = 16, ///< rAthena's reader of its YAML database (since 2021)
    Hercules = 32     ///< Hercules' reader of its libconfig database
};

class FieldRead;
/// A server's own rules for one number field (ServerRules.cpp): what it does
/// to the value, told to `read`.
using ReadRule = void (*)(FieldRead &read);
void readsAsFreya(FieldRead &read);
void readsAsEathena(FieldRead &read);
void readsAsEathena2011(FieldRead &read);
void readsAsRathena(FieldRead &read);
void readsAsRathenaYaml(FieldRead &read);
void readsAsHercules(FieldRead &read);

/// A server, one row each: its names and the facts of its reader that its
/// findings are made of. Adding a server is adding a row and its rule.
struct ServerProfile {
    Server server;
    Layout layout;             ///< the layout its text reader and its table hold
    const char *name;          ///< as the user knows it: "Freya"
    const char *option;        ///< as `--server` takes it: "freya"
    long long firstId, lastId; ///< the IDs it reads
    /// Within them, the IDs it skips, and what they are (may be ""); none
    /// where `firstSkipped` > `lastSkipped`.
    long long firstSkipped, lastSkipped;
    const char *skippedAre;
    std::size_t nameBytes; ///< the bytes of a name it keeps
    /// The bytes a text line is read into, its end mark among them (0: any
    /// line), and those its SQL reader builds a row into (0: any).
    std::size_t lineBuffer, sqlRowBuffer;
    ReadRule reads; ///< its rules of its own, for the number fields
    /// A longer line's pieces are both refused, rather than the rest read as
    /// another line.
    bool cutLineLost;
    /// It cuts a line at the first "//" anywhere, inside a name too.
    bool cutsAtSlashes;
    bool tableKnown; ///< its SQL table's columns are known (columnRange)
    /// It reads each number as its type (YAML's typed values): a text that
    /// is no whole number rejects the monster, where the text readers take
    /// its leading digits; its drops name their items.
    bool typedNumbers;
};
inline constexpr ServerProfile kServers[] = {
    {Server::Freya, Layout::Classic, "Freya", "freya", 1001, 1999, 0, -1, "", 24, 1024, 1024,
     readsAsFreya, false, false, true, false},
    {Server::EAthena, Layout::Classic, "eAthena", "eathena", 1001, 10000, 4001, 4049, "player jobs",
     23, 1020, 0, readsAsEathena, false, false, true, false},
    {Server::EAthena2011, Layout::LaterEathena, "eAthena 2011", "eathena2011", 1001, 4000, 3001,
     3999, "player clones", 23, 1024, 1024, readsAsEathena2011, true, true, true, false},
    // rAthena's reader of its text layout (2016 to 2021), and of its YAML
    // (since 2021): one server, which `--server=rathena` names whole. Its
    // YAML reader cuts a name past 24 characters to 24.
    {Server::RAthena, Layout::RAthena, "rAthena", "rathena", 1001, 31998, 3999, 20020, "", 23, 0, 0,
     readsAsRathena, false, true, false, false},
    {Server::RAthenaYaml, Layout::RathenaYaml, "rAthena", "rathena", 1001, 31998, 3999, 20020, "",
     24, 0, 0, readsAsRathenaYaml, false, false, false, true},
    // Hercules keeps 23 characters of a name; IDs past 22000 are past its
    // table, and 21001 to 21999 its players' clones.
    {Server::Hercules, Layout::Hercules, "Hercules", "hercules", 1001, 22000, 21001, 21999,
     "player clones", 23, 0, 0, readsAsHercules, false, false, false, true},
};

constexpr unsigned everyServer()
{
    unsigned every = 0;
    for (const ServerProfile &profile : kServers)
        every |= unsigned(profile.server);
    return every;
}
/// The Server bits of every server.
inline constexpr unsigned kEveryServer = everyServer();

/// The row of `server`.
const ServerProfile &profileOf(Server server);
/// The servers `--server` names so (in any letter case; Server bits), or
/// none.
unsigned serversNamed(std::string_view option);

/// The server's name as the user knows it.
inline const char *nameOf(Server server)
{
    return profileOf(server).name;
}

/// What a server stores from a line, where that is not what the line says.
struct Finding {
    std::string field;   ///< the field's unique name, or "line"
    unsigned servers;    ///< the servers it is about (Server bits)
    std::string message; ///< a sentence naming the server(s)
    bool skips = false;  ///< they skip the whole monster
};

/// The names as the server's file or table holds them: bytes in the names'
/// encoding, and that encoding's name for messages ("UTF-8", "Shift-JIS").
struct NameBytes {
    std::string name, jname;
    const char *encoding = "UTF-8";
    std::string other; ///< the later layout's iROName, in the same bytes
};

/// The names as the entry holds them: UTF-8.
NameBytes namesAsHeld(const MonsterEntry &entry);

/// `entry` with `names` in its name fields: the monster as a line written in
/// the server's bytes holds it.
MonsterEntry withNames(MonsterEntry entry, const NameBytes &names);

/// What the text readers of the servers of the entry's layout (Freya and
/// eAthena for the classic one, eAthena 2011 for the later) store from the
/// line `entry` generates, field by field, where it differs from what the
/// line says: IDs they skip, names they cut, numbers they read otherwise
/// (text, overflow, clamps), drops they change, an element without effect,
/// and a line longer than a reader takes. Nothing where they read the box as
/// meant (blanks or a plus sign around a number, leading zeros), nor where
/// they store 1 for 0 as their own files expect. Where a server skips the
/// monster, that alone is said of it. In field order; the same finding for
/// several servers is told once.
std::vector<Finding> textFindings(const MonsterEntry &entry, const NameBytes &names);

/// The same for the statement SQL Entry writes: the servers' SQL readers and
/// the column ranges of each server's own `mob_db` table (the old lenient SQL
/// mode clamps such a value; strict mode refuses the monster, and SQL Entry
/// then keeps the row already there).
std::vector<Finding> sqlFindings(const MonsterEntry &entry, const NameBytes &names);

/// The servers that read the layout `layout` (Server bits; none for a
/// layout no server here reads).
unsigned serversOf(Layout layout);

/// The values a number column of the server's own `mob_db` table holds.
struct ColumnRange {
    long long low, high;
    bool text; ///< a name's column: any bytes
};
ColumnRange columnRange(Server server, std::size_t field);

/// What a server's reader makes of a number field (C's atoi): blanks, a sign,
/// digits, up to the first other character; 0 when there are no digits;
/// numbers past int range keep their low 32 bits.
struct ReadNumber {
    long long value;
    bool asMeant; ///< the whole text is such a number, within int range
};
ReadNumber readAsServer(std::string_view text);

} // namespace grimlark
