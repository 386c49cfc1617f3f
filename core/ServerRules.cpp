// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ServerRules.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "Numbers.h"
#include "TextEntry.h"
#include "Utf8.h"

#include <array>
#include <climits>
#include <cstdint>

namespace grimlark {

namespace {

// What Freya (2007) and eAthena (2006) do with a line, as their readers do it.
// Facts, each from the servers' own readers and tables.

constexpr long long kMostRate = 10000; ///< 100 %: a higher rate is stored as this
constexpr long long kMvpExpRate = 100; ///< multiplied in before the division

/// A column type of the servers' `mob_db` tables (MySQL: display widths aside,
/// tinyint holds one byte, smallint two, mediumint three, int four).
enum class Column { Text, TinyS, TinyU, SmallS, SmallU, MediumS, MediumU, IntU };

struct Range {
    long long low, high;
    const char *name;
};

constexpr Range rangeOf(Column column)
{
    switch (column) {
    case Column::TinyS:
        return {-128, 127, "tinyint"};
    case Column::TinyU:
        return {0, 255, "tinyint unsigned"};
    case Column::SmallS:
        return {-32768, 32767, "smallint"};
    case Column::SmallU:
        return {0, 65535, "smallint unsigned"};
    case Column::MediumS:
        return {-8388608, 8388607, "mediumint"};
    case Column::MediumU:
        return {0, 16777215, "mediumint unsigned"};
    case Column::IntU:
        return {0, 4294967295LL, "int unsigned"};
    case Column::Text:
        break;
    }
    return {LLONG_MIN, LLONG_MAX, "text"};
}

/// Each field's column in Freya's `mob_db` (mob_db_map.sql) and in eAthena's
/// (mob_db.sql, 2006: every number unsigned), in line order.
struct Columns {
    Column freya, eathena;
};
constexpr Columns kDrop{Column::MediumS, Column::SmallU}; // items and rates, Drop1id to DropCardper
constexpr std::array<Columns, kFieldCount> kColumns{{
    {Column::MediumS, Column::MediumU}, // ID
    {Column::Text, Column::Text},       // Name
    {Column::Text, Column::Text},       // Name2
    {Column::SmallS, Column::TinyU},    // LV
    {Column::MediumS, Column::IntU},    // HP
    {Column::MediumS, Column::MediumU}, // SP
    {Column::MediumS, Column::MediumU}, // EXP
    {Column::MediumS, Column::MediumU}, // JEXP
    {Column::TinyS, Column::TinyU},     // Range1
    {Column::SmallS, Column::SmallU},   // ATK1
    {Column::SmallS, Column::SmallU},   // ATK2
    {Column::SmallS, Column::SmallU},   // DEF
    {Column::SmallS, Column::SmallU},   // MDEF
    {Column::TinyU, Column::TinyU},     // STR
    {Column::TinyU, Column::TinyU},     // AGI
    {Column::TinyU, Column::TinyU},     // VIT
    {Column::TinyU, Column::TinyU},     // INT
    {Column::TinyU, Column::TinyU},     // DEX
    {Column::TinyU, Column::TinyU},     // LUK
    {Column::TinyS, Column::TinyU},     // Range2
    {Column::TinyS, Column::TinyU},     // Range3
    {Column::TinyS, Column::TinyU},     // Scale
    {Column::TinyS, Column::TinyU},     // Race
    {Column::TinyS, Column::TinyU},     // Element
    {Column::SmallS, Column::SmallU},   // Mode
    {Column::SmallS, Column::SmallU},   // Speed
    {Column::SmallS, Column::SmallU},   // ADelay
    {Column::SmallS, Column::SmallU},   // aMotion
    {Column::SmallS, Column::SmallU},   // dMotion
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop, // Drop1 to Drop5
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,
    kDrop,                              // Drop6 to Card
    {Column::MediumS, Column::MediumU}, // MEXP
    {Column::MediumS, Column::SmallU},  // ExpPer
    {Column::MediumS, Column::SmallU},  // MVP1id
    {Column::MediumS, Column::SmallU},  // MVP1per
    {Column::MediumS, Column::SmallU},  // MVP2id
    {Column::MediumS, Column::SmallU},  // MVP2per
    {Column::MediumS, Column::SmallU},  // MVP3id
    {Column::MediumS, Column::SmallU},  // MVP3per
}};

constexpr bool namesAreText()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (isNameField(kFields[i]) != (kColumns[i].freya == Column::Text) ||
            isNameField(kFields[i]) != (kColumns[i].eathena == Column::Text))
            return false;
    return true;
}
static_assert(namesAreText(), "the names, and only they, are text columns");

Column columnOf(Server server, std::size_t field)
{
    return server == Server::Freya ? kColumns[field].freya : kColumns[field].eathena;
}

constexpr std::size_t kID = fieldIndex("ID"), kLV = fieldIndex("LV"), kHP = fieldIndex("HP"),
                      kEXP = fieldIndex("EXP"), kJEXP = fieldIndex("JEXP"),
                      kElement = fieldIndex("Element"), kMEXP = fieldIndex("MEXP"),
                      kFirstDrop = fieldIndex("Drop1id"), kCardRate = fieldIndex("DropCardper");
static_assert(kCardRate == kFirstDrop + 19, "nine drops and a card, each an item and a rate");

/// True for a drop's rate, false for its item.
constexpr bool isRate(std::size_t field)
{
    return (field - kFirstDrop) % 2 == 1;
}

std::string thousands(long long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return (value < 0 ? "-" : "") + digits;
}

/// The first `bytes` of a UTF-8 name, as far as whole characters go.
std::string cutName(std::string_view name, std::size_t bytes)
{
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t next = end + decodeUtf8At(name, end).length;
        if (next > bytes)
            break;
        end = next;
    }
    return quoteValue(name.substr(0, end)) + (end < bytes ? " and part of a character" : "");
}

} // namespace

/// What servers do with a field, in words that fit any list of them: the
/// verb as one server and as several take it ("stores", "store"), then the
/// rest of the sentence; `tables`: said of the servers' tables ("Freya's
/// table holds", "Freya's and eAthena's tables hold").
struct Deed {
    std::string one, many, rest;
    bool tables = false;

    bool operator==(const Deed &other) const
    {
        return one == other.one && many == other.many && rest == other.rest &&
               tables == other.tables;
    }
};

/// One number field as a server's reader meets it: its own rules (the
/// profile's `reads`) tell what they do with it.
class FieldRead {
public:
    FieldRead(const std::array<std::string, kFieldCount> &values, std::size_t at, long long read,
              bool fromTable)
        : field(at), value(read), sql(fromTable), m_values(values)
    {
    }

    const std::size_t field;
    const long long value; ///< as the server reads it (readAsServer)
    const bool sql;        ///< read from its table, not from a line
    std::vector<Deed> deeds;

    /// Another field of the monster as the server reads it (a drop's item
    /// beside its rate).
    long long valueOf(std::size_t other) const { return readAsServer(m_values[other]).value; }
    void tell(Deed deed) { deeds.push_back(std::move(deed)); }

private:
    const std::array<std::string, kFieldCount> &m_values;
};

namespace {

/// A server's finding before it is worded.
struct Told {
    std::size_t field;
    unsigned servers;
    Deed deed;
};

/// The servers of `servers` (Server bits) in the table's order, as a
/// sentence's subject: "Freya", "Freya and eAthena", "Freya's and eAthena's
/// tables".
std::string subject(unsigned servers, bool tables)
{
    std::vector<std::string> names;
    for (const ServerProfile &profile : kServers)
        if ((servers & unsigned(profile.server)) != 0)
            names.push_back(std::string(profile.name) + (tables ? "'s" : ""));
    std::string said;
    for (std::size_t i = 0; i < names.size(); ++i)
        said += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return tables ? said + (names.size() > 1 ? " tables" : " table") : said;
}

class Judge {
public:
    Judge(const MonsterEntry &entry, const NameBytes &names) : m_names(names)
    {
        for (std::size_t i = 0; i < kFields.size(); ++i)
            appendFieldValue(m_values[i], kFields[i], entry);
    }

    const std::string &value(std::size_t field) const { return m_values[field]; }
    const std::array<std::string, kFieldCount> &values() const { return m_values; }

    /// What `servers` do with `field`; a deed told of the same field before,
    /// by other servers, is told once, of them all.
    void tell(std::size_t field, unsigned servers, Deed deed)
    {
        for (Told &told : m_told)
            if (told.field == field && told.deed == deed) {
                told.servers |= servers;
                return;
            }
        m_told.push_back({field, servers, std::move(deed)});
    }
    void tell(std::size_t field, Server server, Deed deed)
    {
        tell(field, unsigned(server), std::move(deed));
    }

    /// What both readers do alike, and each on its own, to every field.
    void readFields(bool sql)
    {
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            if (isNameField(kFields[i])) {
                readName(i);
                continue;
            }
            const ReadNumber number = readAsServer(m_values[i]);
            if (i == kElement) {
                readElement(number.value);
                continue;
            }
            if (kFields[i].kind != FieldKind::Text)
                continue; // lists and the Mode sum: written as numbers by the program
            if (!number.asMeant) {
                tell(i, kEveryServer,
                     {"reads", "read",
                      " " + quoteValue(m_values[i]) + " as " + std::to_string(number.value) + "."});
                continue;
            }
            readNumber(i, number.value, sql);
        }
    }

    std::vector<Finding> findings() const;

private:
    void readName(std::size_t field)
    {
        const std::string &bytes = field == kID + 1 ? m_names.name : m_names.jname;
        const bool utf8 = std::string_view(m_names.encoding) == "UTF-8";
        for (const ServerProfile &profile : kServers) {
            const std::size_t keep = profile.nameBytes;
            if (bytes.size() <= keep)
                continue;
            const std::string kept =
                utf8 ? cutName(bytes, keep) : "its first " + std::to_string(keep) + " bytes";
            tell(field, profile.server,
                 {"keeps", "keep",
                  " " + std::to_string(keep) + " bytes of a name: it stores " + kept + " of " +
                      std::to_string(bytes.size()) + " " + m_names.encoding + " bytes."});
        }
    }

    void readElement(long long code)
    {
        // The servers read the code as a number: the level is code / 20, the
        // element code % 10. -1 (no element) is warned on its own.
        if (code < 0 || code / 20 != 0)
            return;
        const auto element = std::size_t(code % 10);
        tell(kElement, kEveryServer,
             {"reads", "read",
              " " + quoteValue(m_values[kElement]) + " as " +
                  std::string(kElementEntries[element]) +
                  " at level 0, which has no effect in battle."});
    }

    void readNumber(std::size_t i, long long v, bool sql)
    {
        // What every server does, then each one's own rules.
        if (i == kID) {
            for (const ServerProfile &profile : kServers)
                readId(profile, v);
        } else if (i == kMEXP && v > INT_MAX / kMvpExpRate) {
            const auto scaled = std::int32_t(std::uint32_t(std::uint64_t(v) * kMvpExpRate));
            tell(i, kEveryServer,
                 {"multiplies", "multiply",
                  " it by the rate, 100, before dividing, past the int range: they store " +
                      thousands(scaled / kMvpExpRate) + "."});
        } else if (i >= kFirstDrop && i <= kCardRate && isRate(i) && v > kMostRate) {
            tell(i, kEveryServer, {"stores", "store", " " + thousands(kMostRate) + " (100 %)."});
        }
        for (const ServerProfile &profile : kServers) {
            FieldRead read(m_values, i, v, sql);
            profile.reads(read);
            for (Deed &deed : read.deeds)
                tell(i, profile.server, std::move(deed));
        }
    }

    void readId(const ServerProfile &profile, long long v)
    {
        const bool skipped = v >= profile.firstSkipped && v <= profile.lastSkipped;
        if (v >= profile.firstId && v <= profile.lastId && !skipped)
            return;
        std::string ids = " this monster: it reads IDs " + std::to_string(profile.firstId) +
                          " to " + std::to_string(profile.lastId);
        if (profile.firstSkipped <= profile.lastSkipped)
            ids += ", not " + std::to_string(profile.firstSkipped) + " to " +
                   std::to_string(profile.lastSkipped) + " (" + profile.skippedAre + ")";
        tell(kID, profile.server, {"skips", "skip", ids + "."});
    }

    const NameBytes &m_names;
    std::array<std::string, kFieldCount> m_values;
    std::vector<Told> m_told;
};

std::vector<Finding> Judge::findings() const
{
    // In field order, each worded for the servers it is about.
    std::vector<Finding> findings;
    for (std::size_t field = 0; field <= kFields.size(); ++field)
        for (const Told &told : m_told) {
            if (told.field != field)
                continue;
            const bool several = (told.servers & (told.servers - 1)) != 0;
            findings.push_back({field < kFields.size() ? kFields[field].name : "line", told.servers,
                                subject(told.servers, told.deed.tables) + " " +
                                    (several ? told.deed.many : told.deed.one) + told.deed.rest});
        }
    return findings;
}

} // namespace

void readsAsFreya(FieldRead &read)
{
    if (read.field < kFirstDrop || read.field > kCardRate)
        return;
    if (!isRate(read.field)) {
        if (read.value < 0)
            read.tell({"leaves", "leave", " this drop out: its item ID is negative."});
    } else if (read.value == 0 && read.valueOf(read.field - 1) != 0) {
        read.tell({"leaves", "leave", " this drop out (its rate is 0)."});
    }
}

void readsAsEathena(FieldRead &read)
{
    const long long v = read.value;
    if (read.field == kLV && (v < 0 || v > 65535)) {
        read.tell({"stores", "store",
                   " level " + std::to_string(v & 0xFFFF) + " (an unsigned 16-bit number)."});
    } else if (read.field == kHP && v == 0) {
        read.tell(read.sql ? Deed{"makes", "make", " a monster of HP 0 its dummy monster."}
                           : Deed{"stores", "store", " HP 1 for HP 0."});
    } else if ((read.field == kEXP || read.field == kJEXP) && v < 0 && !read.sql) {
        read.tell({"stores", "store", " " + thousands(v + (1LL << 32)) + " (an unsigned number)."});
    } else if (read.field >= kFirstDrop && read.field <= kCardRate && isRate(read.field) &&
               v == 0 && read.valueOf(read.field - 1) != 0) {
        read.tell({"drops", "drop", " it at 0.01 %: its least rate is 1."});
    }
}

NameBytes namesAsHeld(const MonsterEntry &entry)
{
    return {entry.Name, entry.JName, "UTF-8", otherNameOf(entry)};
}

MonsterEntry withNames(MonsterEntry entry, const NameBytes &names)
{
    entry.Name = names.name;
    entry.JName = names.jname;
    if (entry.carried.hasOtherName)
        entry.carried.otherName = names.other;
    return entry;
}

const ServerProfile &profileOf(Server server)
{
    for (const ServerProfile &profile : kServers)
        if (profile.server == server)
            return profile;
    return kServers[0];
}

const ServerProfile *serverNamed(std::string_view option)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (const ServerProfile &profile : kServers) {
        const std::string_view name = profile.option;
        if (name.size() == option.size() &&
            std::equal(name.begin(), name.end(), option.begin(),
                       [&lower](char a, char b) { return a == lower(b); }))
            return &profile;
    }
    return nullptr;
}

ColumnRange columnRange(Server server, std::size_t field)
{
    const Column column = columnOf(server, field);
    const Range range = rangeOf(column);
    return {range.low, range.high, column == Column::Text};
}

ReadNumber readAsServer(std::string_view text)
{
    std::size_t at = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (at < text.size() && isSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    // As strtol does on a 64-bit long: saturated past its range; then int's
    // low 32 bits, as atoi gives them back.
    unsigned long long magnitude = 0;
    bool saturated = false;
    const std::size_t digits = at;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        const auto digit = unsigned(text[at] - '0');
        if (magnitude > (static_cast<unsigned long long>(LLONG_MAX) - digit) / 10)
            saturated = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    const bool any = at > digits;
    long long wide = saturated ? (negative ? LLONG_MIN : LLONG_MAX)
                               : (negative ? -static_cast<long long>(magnitude)
                                           : static_cast<long long>(magnitude));
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
    const std::size_t digitsEnd = at;
    while (at < text.size() && isSpace(text[at]))
        ++at;
    const bool whole = any && at == text.size() && digitsEnd > digits && !saturated;
    return {value, whole && value == wide};
}

/// The later eAthena servers read the later layout, by rules of their own; of
/// those, the IDs they take: 1001 to 3000 (their table holds 4,000, the top
/// 1,000 kept for player clones).
std::vector<Finding> laterFindings(const MonsterEntry &entry)
{
    const ReadNumber id = readAsServer(entry.ID);
    if (id.asMeant && id.value >= 1001 && id.value <= 3000)
        return {};
    return {{kFields[kID].name, unsigned(Server::EAthena),
             "Later eAthena skips this monster: it reads IDs 1001 to 3000."}};
}

std::vector<Finding> textFindings(const MonsterEntry &entry, const NameBytes &names)
{
    if (entry.carried.layout == Layout::LaterEathena)
        return laterFindings(entry);
    Judge judge(entry, names);
    judge.readFields(false);
    // The line as the server's file holds it: the names in their bytes.
    std::size_t bytes = kFields.size() - 1 + names.name.size() + names.jname.size();
    for (std::size_t i = 0; i < kFields.size(); ++i)
        bytes += isNameField(kFields[i]) ? 0 : judge.value(i).size();
    for (const ServerProfile &profile : kServers)
        if (profile.lineBytes > 0 && bytes > profile.lineBytes)
            judge.tell(kFields.size(), profile.server,
                       {"reads", "read",
                        " " + thousands(static_cast<long long>(profile.lineBytes) + 1) +
                            " bytes of a line: the rest of this one (" +
                            thousands(static_cast<long long>(bytes)) +
                            " bytes) it reads as another line."});
    return judge.findings();
}

std::vector<Finding> sqlFindings(const MonsterEntry &entry, const NameBytes &names)
{
    if (entry.carried.layout == Layout::LaterEathena)
        return laterFindings(entry);
    Judge judge(entry, names);
    judge.readFields(true);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (isNameField(kFields[i]))
            continue;
        const ReadNumber number = readAsServer(judge.value(i));
        for (const ServerProfile &profile : kServers) {
            const Range range = rangeOf(columnOf(profile.server, i));
            if (number.value >= range.low && number.value <= range.high)
                continue;
            const long long kept = number.value < range.low ? range.low : range.high;
            judge.tell(i, profile.server,
                       {"holds", "hold",
                        " " + thousands(range.low) + " to " + thousands(range.high) + " here (" +
                            range.name + "): the old SQL mode stores " + thousands(kept) +
                            ", strict mode refuses the monster and keeps the row the table holds.",
                        true});
        }
    }
    // A server's SQL reader may build each row into a line of its own.
    std::size_t bytes = kFields.size() - 1;
    for (std::size_t i = 0; i < kFields.size(); ++i)
        bytes += isNameField(kFields[i]) ? 0 : judge.value(i).size();
    bytes += names.name.size() + names.jname.size();
    for (const ServerProfile &profile : kServers)
        if (profile.sqlRowBytes > 0 && bytes > profile.sqlRowBytes)
            judge.tell(kFields.size(), profile.server,
                       {"builds", "build",
                        " each row into a line of " +
                            thousands(static_cast<long long>(profile.sqlRowBytes) + 1) +
                            " bytes, which this one (" + thousands(static_cast<long long>(bytes)) +
                            " bytes) overflows."});
    return judge.findings();
}

} // namespace grimlark
