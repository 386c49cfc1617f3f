// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ServerRules.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "Numbers.h"
#include "TextEntry.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <limits>

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

/// Each field's column in Freya's `mob_db` (mob_db_map.sql), in eAthena's
/// (mob_db.sql, 2006: every number unsigned) and in the later layout's
/// eAthena table (its names Sprite, kName, iName; every number unsigned), in
/// the classic line's order.
struct Columns {
    Column freya, eathena, later;
};
constexpr Columns kDrop{Column::MediumS, Column::SmallU,
                        Column::SmallU}; // items and rates, Drop1id to DropCardper
constexpr std::array<Columns, kFieldCount> kColumns{{
    {Column::MediumS, Column::MediumU, Column::MediumU}, // ID
    {Column::Text, Column::Text, Column::Text},          // Name
    {Column::Text, Column::Text, Column::Text},          // Name2
    {Column::SmallS, Column::TinyU, Column::TinyU},      // LV
    {Column::MediumS, Column::IntU, Column::IntU},       // HP
    {Column::MediumS, Column::MediumU, Column::MediumU}, // SP
    {Column::MediumS, Column::MediumU, Column::MediumU}, // EXP
    {Column::MediumS, Column::MediumU, Column::MediumU}, // JEXP
    {Column::TinyS, Column::TinyU, Column::TinyU},       // Range1
    {Column::SmallS, Column::SmallU, Column::SmallU},    // ATK1
    {Column::SmallS, Column::SmallU, Column::SmallU},    // ATK2
    {Column::SmallS, Column::SmallU, Column::SmallU},    // DEF
    {Column::SmallS, Column::SmallU, Column::SmallU},    // MDEF
    {Column::TinyU, Column::TinyU, Column::SmallU},      // STR
    {Column::TinyU, Column::TinyU, Column::SmallU},      // AGI
    {Column::TinyU, Column::TinyU, Column::SmallU},      // VIT
    {Column::TinyU, Column::TinyU, Column::SmallU},      // INT
    {Column::TinyU, Column::TinyU, Column::SmallU},      // DEX
    {Column::TinyU, Column::TinyU, Column::SmallU},      // LUK
    {Column::TinyS, Column::TinyU, Column::TinyU},       // Range2
    {Column::TinyS, Column::TinyU, Column::TinyU},       // Range3
    {Column::TinyS, Column::TinyU, Column::TinyU},       // Scale
    {Column::TinyS, Column::TinyU, Column::TinyU},       // Race
    {Column::TinyS, Column::TinyU, Column::TinyU},       // Element
    {Column::SmallS, Column::SmallU, Column::SmallU},    // Mode
    {Column::SmallS, Column::SmallU, Column::SmallU},    // Speed
    {Column::SmallS, Column::SmallU, Column::SmallU},    // ADelay
    {Column::SmallS, Column::SmallU, Column::SmallU},    // aMotion
    {Column::SmallS, Column::SmallU, Column::SmallU},    // dMotion
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
    kDrop,                                               // Drop6 to Card
    {Column::MediumS, Column::MediumU, Column::MediumU}, // MEXP
    {Column::MediumS, Column::SmallU, Column::SmallU},   // ExpPer
    {Column::MediumS, Column::SmallU, Column::SmallU},   // MVP1id
    {Column::MediumS, Column::SmallU, Column::SmallU},   // MVP1per
    {Column::MediumS, Column::SmallU, Column::SmallU},   // MVP2id
    {Column::MediumS, Column::SmallU, Column::SmallU},   // MVP2per
    {Column::MediumS, Column::SmallU, Column::SmallU},   // MVP3id
    {Column::MediumS, Column::SmallU, Column::SmallU},   // MVP3per
}};

constexpr bool namesAreText()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (isNameField(kFields[i]) != (kColumns[i].freya == Column::Text) ||
            isNameField(kFields[i]) != (kColumns[i].eathena == Column::Text) ||
            isNameField(kFields[i]) != (kColumns[i].later == Column::Text))
            return false;
    return true;
}
static_assert(namesAreText(), "the names, and only they, are text columns");

Column columnOf(Server server, std::size_t field)
{
    switch (server) {
    case Server::Freya:
        return kColumns[field].freya;
    case Server::EAthena:
        return kColumns[field].eathena;
    case Server::EAthena2011:
    case Server::RAthena: // its tables are not known: never asked
    case Server::RAthenaYaml:
    case Server::Hercules:
        break;
    }
    return kColumns[field].later;
}

constexpr std::size_t kID = fieldIndex("ID"), kLV = fieldIndex("LV"), kHP = fieldIndex("HP"),
                      kSP = fieldIndex("SP"), kEXP = fieldIndex("EXP"), kJEXP = fieldIndex("JEXP"),
                      kRange1 = fieldIndex("Range1"), kATK1 = fieldIndex("ATK1"),
                      kATK2 = fieldIndex("ATK2"), kDEF = fieldIndex("DEF"),
                      kMDEF = fieldIndex("MDEF"), kSTR = fieldIndex("STR"),
                      kLUK = fieldIndex("LUK"), kRange2 = fieldIndex("Range2"),
                      kRange3 = fieldIndex("Range3"), kElement = fieldIndex("Element"),
                      kSpeed = fieldIndex("Speed"), kADelay = fieldIndex("ADelay"),
                      kAMotion = fieldIndex("aMotion"), kDMotion = fieldIndex("dMotion"),
                      kMEXP = fieldIndex("MEXP"), kExpPer = fieldIndex("ExpPer"),
                      kFirstDrop = fieldIndex("Drop1id"), kCardRate = fieldIndex("DropCardper"),
                      kFirstMvp = fieldIndex("MVP1id"), kLastMvp = fieldIndex("MVP3per");
static_assert(kCardRate == kFirstDrop + 19, "nine drops and a card, each an item and a rate");
static_assert(kLastMvp == kFirstMvp + 5, "three MVP items, each an item and a rate");
static_assert(kLUK == kSTR + 5 && kDMotion == kAMotion + 1, "the stats and motions in a row");

/// Past the fields, what a finding may be about besides: the line as a
/// whole, and the later layout's iRO name, which no classic field holds.
constexpr std::size_t kLine = kFieldCount, kOtherName = kFieldCount + 1;

/// True for a drop's rate (the card's too), false for its item.
constexpr bool isDropRate(std::size_t field)
{
    return field >= kFirstDrop && field <= kCardRate && (field - kFirstDrop) % 2 == 1;
}
constexpr bool isMvpRate(std::size_t field)
{
    return field >= kFirstMvp && field <= kLastMvp && (field - kFirstMvp) % 2 == 1;
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
/// table holds", "Freya's and eAthena's tables hold"); `skips`: the server
/// skips the whole monster, and nothing else of it is said.
struct Deed {
    std::string one, many, rest;
    bool tables = false;
    bool skips = false;

    bool operator==(const Deed &other) const
    {
        return one == other.one && many == other.many && rest == other.rest &&
               tables == other.tables && skips == other.skips;
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
    const std::string &text() const { return m_values[field]; }
    /// Another field as written.
    const std::string &textOf(std::size_t other) const { return m_values[other]; }
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

/// The rules several servers share, each named for what it does.

/// An element code without a level (a one-digit code) is read, and has no
/// effect in battle; -1 (no element) is warned on its own.
void levelZeroElement(FieldRead &read)
{
    if (read.field != kElement || read.value < 0 || read.value / 20 != 0)
        return;
    read.tell({"reads", "read",
               " " + quoteValue(read.text()) + " as " +
                   std::string(kElementEntries[std::size_t(read.value % 10)]) +
                   " at level 0, which has no effect in battle."});
}

/// The MVP EXP is multiplied by the rate, 100, before it is divided, in int.
void mvpExpOverflow(FieldRead &read)
{
    if (read.field != kMEXP || read.value <= INT_MAX / kMvpExpRate)
        return;
    const auto scaled = std::int32_t(std::uint32_t(std::uint64_t(read.value) * kMvpExpRate));
    read.tell({"multiplies", "multiply",
               " it by the rate, 100, before dividing, past the int range: they store " +
                   thousands(scaled / kMvpExpRate) + "."});
}

/// A rate over 100 % is stored as 100 %.
void rateOver(FieldRead &read)
{
    if (read.value > kMostRate)
        read.tell({"stores", "store", " " + thousands(kMostRate) + " (100 %)."});
}

/// A rate of 0 or less beside an item: the least rate instead.
void leastRate(FieldRead &read)
{
    if (read.value <= 0 && read.valueOf(read.field - 1) != 0)
        read.tell({isMvpRate(read.field) ? "gives" : "drops",
                   isMvpRate(read.field) ? "give" : "drop", " it at 0.01 %: its least rate is 1."});
}

/// The value as a C integer of `bits` bits holds it.
long long wrapped(long long value, int bits, bool isSigned)
{
    const auto low = static_cast<unsigned long long>(value) & ((1ULL << bits) - 1);
    if (isSigned && low >= (1ULL << (bits - 1)))
        return static_cast<long long>(low) - (1LL << bits);
    return static_cast<long long>(low);
}

/// A number the server keeps in a narrower integer than it reads.
void narrowed(FieldRead &read, int bits, bool isSigned)
{
    const long long kept = wrapped(read.value, bits, isSigned);
    if (kept != read.value)
        read.tell({"stores", "store",
                   " " + thousands(kept) + " (" + (isSigned ? "a signed " : "an unsigned ") +
                       std::to_string(bits) + "-bit number)."});
}

class Judge {
public:
    Judge(const MonsterEntry &entry, const NameBytes &names)
        : m_names(names), m_layout(entry.carried.layout), m_servers(serversOf(m_layout))
    {
        for (std::size_t i = 0; i < kFields.size(); ++i)
            appendFieldValue(m_values[i], kFields[i], entry);
    }

    const std::string &value(std::size_t field) const { return m_values[field]; }
    unsigned servers() const { return m_servers; }

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

    /// The profiles of the servers judging.
    template <typename Each> void eachServer(Each each) const
    {
        for (const ServerProfile &profile : kServers)
            if ((m_servers & unsigned(profile.server)) != 0)
                each(profile);
    }

    /// What the readers do alike, and each on its own, to every field.
    void readFields(bool sql)
    {
        readName(kID + 1, m_names.name);
        readName(kID + 2, m_names.jname);
        if (otherNameField(formatOf(m_layout)) >= 0)
            readName(kOtherName, m_names.other);
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            if (isNameField(kFields[i]))
                continue;
            const ReadNumber number = readAsServer(m_values[i]);
            if (readsTyped(i))
                continue;
            if (kFields[i].kind == FieldKind::Text && !number.asMeant) {
                tell(i, m_servers,
                     {"reads", "read",
                      " " + quoteValue(m_values[i]) + " as " + std::to_string(number.value) + "."});
                continue;
            }
            // Lists and the Mode sum are written as numbers by the program; the
            // element is a code the rules read.
            if (kFields[i].kind == FieldKind::Text || i == kElement)
                readNumber(i, number.value, sql);
        }
    }

    /// The line's bytes, the names in the server's bytes.
    std::size_t lineBytes() const
    {
        const LayoutFormat &format = formatOf(m_layout);
        std::size_t bytes = format.fieldCount - 1 + m_names.name.size() + m_names.jname.size();
        if (otherNameField(format) >= 0)
            bytes += m_names.other.size();
        for (std::size_t i = 0; i < kFields.size(); ++i)
            bytes += isNameField(kFields[i]) ? 0 : m_values[i].size();
        return bytes;
    }

    /// A server that cuts a line at "//" finds fewer fields where a value
    /// holds one, and skips the monster.
    void readSlashes()
    {
        eachServer([this](const ServerProfile &profile) {
            if (!profile.cutsAtSlashes)
                return;
            const Deed cut{"cuts", "cut",
                           " the line at this \"//\", and then skips the monster: it has fewer "
                           "than " +
                               std::to_string(formatOf(m_layout).fieldCount) + " fields.",
                           false, true};
            const std::pair<std::size_t, const std::string *> names[] = {
                {kID + 1, &m_names.name}, {kID + 2, &m_names.jname}, {kOtherName, &m_names.other}};
            for (const auto &[field, bytes] : names)
                if (bytes->find("//") != std::string::npos) {
                    tell(field, profile.server, cut);
                    return;
                }
            for (std::size_t i = 0; i < kFields.size(); ++i)
                if (m_values[i].find("//") != std::string::npos) {
                    tell(i, profile.server, cut);
                    return;
                }
        });
    }

    std::vector<Finding> findings() const;

private:
    /// For a server that reads typed values: what it rejects a text for (a
    /// number field that is none), and its drops' items, which are names; the
    /// field is then done with. False for the other servers.
    bool readsTyped(std::size_t i)
    {
        bool done = false;
        eachServer([&](const ServerProfile &profile) {
            if (!profile.typedNumbers)
                return;
            done = true;
            const bool item = (i >= kFirstDrop && i <= kCardRate && !isDropRate(i)) ||
                              (i >= kFirstMvp && i <= kLastMvp && !isMvpRate(i));
            if (item || kFields[i].kind != FieldKind::Text) {
                done = kFields[i].kind == FieldKind::Text;
                return;
            }
            const WholeNumber number = parseWholeNumber(m_values[i]);
            if (!number.value)
                tell(i, profile.server,
                     {"skips", "skip",
                      " this monster: " + quoteValue(m_values[i]) +
                          " is no whole number, which its reader takes here.",
                      false, true});
            else
                readNumber(i, *number.value, false);
        });
        return done;
    }

    void readName(std::size_t field, const std::string &bytes)
    {
        const bool utf8 = std::string_view(m_names.encoding) == "UTF-8";
        eachServer([&](const ServerProfile &profile) {
            const std::size_t keep = profile.nameBytes;
            if (bytes.size() <= keep)
                return;
            const std::string kept =
                utf8 ? cutName(bytes, keep) : "its first " + std::to_string(keep) + " bytes";
            tell(field, profile.server,
                 {"keeps", "keep",
                  " " + std::to_string(keep) + " bytes of a name: it stores " + kept + " of " +
                      std::to_string(bytes.size()) + " " + m_names.encoding + " bytes."});
        });
    }

    void readNumber(std::size_t i, long long v, bool sql)
    {
        eachServer([&](const ServerProfile &profile) {
            if (i == kID)
                readId(profile, v);
            FieldRead read(m_values, i, v, sql);
            profile.reads(read);
            for (Deed &deed : read.deeds)
                tell(i, profile.server, std::move(deed));
        });
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
                   std::to_string(profile.lastSkipped) +
                   (*profile.skippedAre ? std::string(" (") + profile.skippedAre + ")" : "");
        tell(kID, profile.server, {"skips", "skip", ids + ".", false, true});
    }

    const NameBytes &m_names;
    Layout m_layout;
    unsigned m_servers;
    std::array<std::string, kFieldCount> m_values;
    std::vector<Told> m_told;
};

std::vector<Finding> Judge::findings() const
{
    // Of a server that skips the monster, that alone is said, besides what
    // its table does.
    unsigned skipping = 0;
    for (const Told &told : m_told)
        if (told.deed.skips)
            skipping |= told.servers;
    // In field order (the iRO name after the others, as the later line has
    // it), each worded for the servers it is about.
    std::vector<std::size_t> order;
    for (std::size_t field = 0; field < kFields.size(); ++field) {
        order.push_back(field);
        if (field == kID + 2)
            order.push_back(kOtherName);
    }
    order.push_back(kLine);
    std::vector<Finding> findings;
    for (const std::size_t field : order)
        for (const Told &told : m_told) {
            // (A table stores the row, clamped or not, before any server reads it.)
            const unsigned servers =
                told.deed.skips || told.deed.tables ? told.servers : told.servers & ~skipping;
            if (told.field != field || servers == 0)
                continue;
            const bool several = (servers & (servers - 1)) != 0;
            const char *name = field < kFields.size() ? kFields[field].name
                               : field == kLine       ? "line"
                                                      : "iRO name";
            findings.push_back({name, servers,
                                subject(servers, told.deed.tables) + " " +
                                    (several ? told.deed.many : told.deed.one) + told.deed.rest,
                                told.deed.skips});
        }
    return findings;
}

} // namespace

void readsAsFreya(FieldRead &read)
{
    const long long v = read.value;
    levelZeroElement(read);
    mvpExpOverflow(read);
    if ((read.field == kEXP || read.field == kJEXP) && v < 0) {
        read.tell({"stores", "store", " 0 for a negative experience."});
    } else if (read.field == kADelay && v < 250 && v < read.valueOf(kAMotion)) {
        read.tell({"raises", "raise",
                   " an attack delay under 250 and under aMotion to aMotion, " +
                       thousands(read.valueOf(kAMotion)) + "."});
    } else if (read.field >= kFirstDrop && read.field <= kCardRate && !isDropRate(read.field) &&
               v < 0) {
        read.tell({"leaves", "leave", " this drop out: its item ID is negative."});
    } else if ((isDropRate(read.field) || isMvpRate(read.field)) && v <= 0 &&
               read.valueOf(read.field - 1) != 0) {
        read.tell({"leaves", "leave",
                   std::string(isMvpRate(read.field) ? " this MVP item" : " this drop") +
                       " out (its rate is " + thousands(v) + ")."});
    } else if (isDropRate(read.field)) {
        rateOver(read);
    }
}

void readsAsEathena(FieldRead &read)
{
    const long long v = read.value;
    levelZeroElement(read);
    mvpExpOverflow(read);
    if (read.field == kLV && (v < 0 || v > 65535)) {
        read.tell({"stores", "store",
                   " level " + std::to_string(v & 0xFFFF) + " (an unsigned 16-bit number)."});
    } else if (read.field == kHP && v == 0) {
        read.tell(read.sql ? Deed{"makes", "make", " a monster of HP 0 its dummy monster."}
                           : Deed{"stores", "store", " HP 1 for HP 0."});
    } else if (read.field == kHP && v < 0 && !read.sql) {
        read.tell({"stores", "store", " HP 1 for a negative HP."});
    } else if (read.field == kEXP && v < 0 && !read.sql) {
        read.tell({"stores", "store", " " + thousands(v + (1LL << 32)) + " (an unsigned number)."});
    } else if (read.field == kJEXP && v < 0 && !read.sql) {
        read.tell({"stores", "store", " 0 for a negative experience."});
    } else if (isDropRate(read.field) || isMvpRate(read.field)) {
        leastRate(read);
        if (isDropRate(read.field))
            rateOver(read);
    }
}

/// An element code without a level 1 to 4 (a one-digit code, -1): the
/// later readers refuse the monster.
void elementNeedsLevel(FieldRead &read)
{
    const long long level = read.value / 20;
    if (read.field == kElement && (level < 1 || level > 4))
        read.tell(
            {"skips", "skip",
             " this monster: its element " + quoteValue(read.text()) + " has no level 1 to 4.",
             false, true});
}

void readsAsEathena2011(FieldRead &read)
{
    // Its own files hold 0 for 1 (SP, the stats, Level, HP): stored as 1, and
    // meant so; not warned.
    const std::size_t f = read.field;
    const long long v = read.value;
    if (f == kElement) {
        elementNeedsLevel(read);
    } else if (f == kDEF || f == kMDEF) {
        narrowed(read, 8, true);
    } else if (f == kLV || f == kATK1 || f == kATK2 || f == kRange1 || f == kSpeed ||
               f == kAMotion || f == kDMotion || (f >= kSTR && f <= kLUK)) {
        narrowed(read, 16, false);
    } else if (f == kRange2 || f == kRange3) {
        narrowed(read, 16, true);
    } else if ((f == kHP || f == kSP || f == kExpPer) && v < 0) {
        narrowed(read, 32, false);
    } else if ((f == kEXP || f == kJEXP || f == kMEXP) && v < 0) {
        read.tell({"stores", "store", " 0 for a negative experience."});
    } else if (f == kADelay) {
        const long long motion = wrapped(read.valueOf(kAMotion), 16, false);
        if (wrapped(v, 16, false) < motion)
            read.tell({"raises", "raise",
                       " an attack delay under aMotion to aMotion, " + thousands(motion) + "."});
        else
            narrowed(read, 16, false);
    } else if (isDropRate(f) || isMvpRate(f)) {
        if (v < 1 && read.valueOf(f - 1) != 0)
            read.tell({"stores", "store", " rate 1 (0.01 %) for a rate under 1."});
        rateOver(read);
    }
}

void readsAsRathena(FieldRead &read)
{
    // Its chase range is read 2 more, as its own files expect: not warned.
    constexpr long long kMostDelay = 4000, kMostMotion = 2000;
    const long long v = read.value;
    if (read.field == kElement) {
        elementNeedsLevel(read);
    } else if (read.field == kAMotion && v > kMostMotion) {
        read.tell({"stores", "store", " " + thousands(kMostMotion) + ", its most."});
    } else if (read.field == kADelay) {
        const long long motion = std::min(read.valueOf(kAMotion), kMostMotion);
        if (std::min(v, kMostDelay) < motion)
            read.tell({"raises", "raise",
                       " an attack delay under aMotion to aMotion, " + thousands(motion) + "."});
        else if (v > kMostDelay)
            read.tell({"stores", "store", " " + thousands(kMostDelay) + ", its most."});
    }
}

void readsAsRathenaYaml(FieldRead &read)
{
    // Each value is read as its key's type; one that does not fit rejects the
    // monster. HP and SP of 0 are raised to 1 as it loads: not warned.
    const std::size_t f = read.field;
    const long long v = read.value;
    const auto fits = [&read, v](long long most) {
        if (v >= 0 && v <= most)
            return true;
        read.tell({"skips", "skip",
                   " this monster: it reads this key as a number from 0 to " + thousands(most) +
                       ", and rejects the monster for any other.",
                   false, true});
        return false;
    };
    const auto clamp = [&read, v](long long low, long long high, bool warns = false) {
        if (v < low || v > high)
            read.tell({"stores", "store",
                       " " + thousands(v < low ? low : high) + (warns ? ", with a warning" : "") +
                           ": it takes " + thousands(low) + " to " + thousands(high) + " here."});
    };
    constexpr long long kMost16 = 65535, kMost32 = 4294967295;
    if (f == kDEF || f == kMDEF) {
        clamp(-128, 127, true); // pre-renewal's range; renewal's is -32,768 to 32,767
    } else if (f == kHP || f == kSP) {
        fits(kMost32);
    } else if (f == kEXP || f == kJEXP || f == kMEXP) {
        fits(std::numeric_limits<long long>::max());
    } else if (isDropRate(f) || isMvpRate(f)) {
        const std::string item(trimmed(read.textOf(f - 1)));
        if (!item.empty() && item != "0" && (v < 1 || v > kMostRate))
            read.tell({"skips", "skip",
                       " this monster: a drop's Rate is 1 to 10,000, and it rejects the monster "
                       "for any other.",
                       false, true});
    } else if (f == kSpeed) {
        if (fits(kMost16))
            clamp(20, 1000, true);
    } else if (f == kAMotion) {
        if (fits(kMost16))
            clamp(1, 8000);
    } else if (f == kADelay) {
        if (!fits(kMost16))
            return;
        const long long motion = std::clamp(read.valueOf(kAMotion), 1LL, 8000LL);
        if (std::clamp(v, 100LL, 8000LL) < motion)
            read.tell({"raises", "raise",
                       " an attack delay under AttackMotion to AttackMotion, " + thousands(motion) +
                           "."});
        else
            clamp(100, 8000);
    } else if (f == kLV || f == kATK1 || f == kATK2 || f == kRange1 || f == kRange2 ||
               f == kRange3 || f == kDMotion || (f >= kSTR && f <= kLUK)) {
        fits(kMost16);
    }
}

void readsAsHercules(FieldRead &read)
{
    // A negative number is ignored, the setting keeping its default; the
    // rest as its reader clamps them.
    const std::size_t f = read.field;
    const long long v = read.value;
    const bool item = isDropRate(f) || isMvpRate(f);
    if (v < 0 && !item && f != kDEF && f != kMDEF) {
        read.tell({"ignores", "ignore", " a negative number here: the setting keeps its default.",
                   false, false});
        return;
    }
    const auto clamp = [&read, v](long long low, long long high) {
        if (v < low || v > high)
            read.tell({"stores", "store",
                       " " + thousands(v < low ? low : high) + ": it takes " + thousands(low) +
                           " to " + thousands(high) + " here."});
    };
    if (f == kDEF || f == kMDEF) {
        clamp(-128, 127); // pre-renewal's range; renewal's is -32,767 to 32,767
    } else if (f == kLV) {
        clamp(1, 65535);
    } else if (f >= kSTR && f <= kLUK) {
        clamp(0, 65535);
    } else if (item) {
        const std::string name(trimmed(read.textOf(f - 1)));
        if (!name.empty() && name != "0" && v <= 0)
            read.tell({"skips", "skip", " this drop, with a warning: its rate is 0 or less.", false,
                       false});
    } else if (f == kAMotion) {
        clamp(0, 2000);
    } else if (f == kADelay) {
        const long long motion = std::clamp(read.valueOf(kAMotion), 0LL, 2000LL);
        if (std::min(v, 4000LL) < motion)
            read.tell({"raises", "raise",
                       " an attack delay under AttackMotion to AttackMotion, " + thousands(motion) +
                           "."});
        else
            clamp(0, 4000);
    }
}

unsigned serversOf(Layout layout)
{
    unsigned servers = 0;
    for (const ServerProfile &profile : kServers)
        if (profile.layout == layout)
            servers |= unsigned(profile.server);
    return servers;
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

unsigned serversNamed(std::string_view option)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    unsigned servers = 0;
    for (const ServerProfile &profile : kServers) {
        const std::string_view name = profile.option;
        if (name.size() == option.size() &&
            std::equal(name.begin(), name.end(), option.begin(),
                       [&lower](char a, char b) { return a == lower(b); }))
            servers |= unsigned(profile.server);
    }
    return servers;
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

std::vector<Finding> textFindings(const MonsterEntry &entry, const NameBytes &names)
{
    Judge judge(entry, names);
    judge.readFields(false);
    judge.readSlashes();
    // The line as the server's file holds it: the names in their bytes.
    const std::size_t bytes = judge.lineBytes();
    judge.eachServer([&](const ServerProfile &profile) {
        if (profile.lineBuffer == 0 || bytes < profile.lineBuffer)
            return;
        const std::string buffer = thousands(static_cast<long long>(profile.lineBuffer));
        const std::string length = thousands(static_cast<long long>(bytes));
        judge.tell(kLine, profile.server,
                   profile.cutLineLost
                       ? Deed{"skips", "skip",
                              " this monster: it reads a line into " + buffer +
                                  " bytes, its end mark among them, and refuses both pieces of "
                                  "this one (" +
                                  length + " bytes).",
                              false, true}
                       : Deed{"reads", "read",
                              " a line into " + buffer +
                                  " bytes, its end mark among them: the rest of this one (" +
                                  length + " bytes) it reads as another line."});
    });
    return judge.findings();
}

std::vector<Finding> sqlFindings(const MonsterEntry &entry, const NameBytes &names)
{
    Judge judge(entry, names);
    judge.readFields(true);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (isNameField(kFields[i]))
            continue;
        const ReadNumber number = readAsServer(judge.value(i));
        judge.eachServer([&](const ServerProfile &profile) {
            if (!profile.tableKnown)
                return;
            const Range range = rangeOf(columnOf(profile.server, i));
            if (number.value >= range.low && number.value <= range.high)
                return;
            const long long kept = number.value < range.low ? range.low : range.high;
            judge.tell(i, profile.server,
                       {"holds", "hold",
                        " " + thousands(range.low) + " to " + thousands(range.high) + " here (" +
                            range.name + "): the old SQL mode stores " + thousands(kept) +
                            ", strict mode refuses the monster and keeps the row the table holds.",
                        true});
        });
    }
    // A server's SQL reader may build each row into a line of its own.
    const std::size_t bytes = judge.lineBytes();
    judge.eachServer([&](const ServerProfile &profile) {
        if (profile.sqlRowBuffer == 0 || bytes < profile.sqlRowBuffer)
            return;
        judge.tell(kLine, profile.server,
                   {"builds", "build",
                    " each row into a line of " +
                        thousands(static_cast<long long>(profile.sqlRowBuffer)) +
                        " bytes, which this one (" + thousands(static_cast<long long>(bytes)) +
                        " bytes) overflows."});
    });
    return judge.findings();
}

} // namespace grimlark
