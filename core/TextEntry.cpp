// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "TextEntry.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "HerculesEntry.h"
#include "RathenaYamlEntry.h"
#include "Utf8.h"

#include <cstdio>
#include <cstdlib>

namespace grimlark {

void appendFieldValue(std::string &out, const FieldInfo &field, const MonsterEntry &entry)
{
    switch (field.kind) {
    case FieldKind::Text:
        out += entry.*field.text;
        break;
    case FieldKind::Scale:
        out += std::to_string(entry.Scale);
        break;
    case FieldKind::Race:
        out += std::to_string(entry.Race);
        break;
    case FieldKind::Element:
        out += elementText(entry);
        break;
    case FieldKind::Mode:
        out += modeText(entry);
        break;
    }
}

int modeValue(const MonsterEntry &entry)
{
    return static_cast<int>(
        modeNumberOf(formatOf(entry.carried.layout), entry.Mode, entry.carried.modeAbove));
}

std::string modeText(const MonsterEntry &entry)
{
    const int mode = modeValue(entry);
    const std::string &written = entry.carried.modeText;
    // The classic servers read a hexadecimal Mode as 0: decimal there always.
    if (written.empty() || !formatOf(entry.carried.layout).hexMode)
        return std::to_string(mode);
    // As the line had it (read as the later servers read it, C's strtol of
    // base 0), the same text while the value is the same.
    if (std::strtol(written.c_str(), nullptr, 0) == mode)
        return written;
    char hex[16];
    (void)std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(mode));
    return hex;
}

std::string elementText(const MonsterEntry &entry)
{
    if (const std::optional<ElementCode> code = readElementCode(entry.carried.elementText);
        code && code->level == entry.ELvl && code->element == entry.Element)
        return entry.carried.elementText;
    return elementCode(entry.ELvl, entry.Element);
}

std::string otherNameOf(const MonsterEntry &entry)
{
    return entry.carried.hasOtherName ? entry.carried.otherName : entry.JName;
}

std::string alsoInThisLine(const MonsterEntry &entry)
{
    if (entry.carried.layout == Layout::RathenaYaml)
        return alsoInThisEntry(entry);
    if (entry.carried.layout == Layout::Hercules)
        return alsoInThisGroup(entry);
    std::string carried;
    if (entry.carried.hasOtherName)
        carried = "iRO name " + quoteValue(entry.carried.otherName);
    if (entry.carried.modeAbove != 0) {
        char flags[32];
        (void)std::snprintf(flags, sizeof flags, "Mode flags 0x%X",
                            static_cast<unsigned>(entry.carried.modeAbove));
        carried += (carried.empty() ? "" : "; ") + std::string(flags);
    }
    return carried.empty() ? carried : "Also in this line: " + carried + ".";
}

std::string BuildTextEntry(const MonsterEntry &entry)
{
    if (entry.carried.layout == Layout::RathenaYaml)
        return writeYamlEntry(entry);
    if (entry.carried.layout == Layout::Hercules)
        return writeHerculesEntry(entry);
    std::string line;
    line.reserve(256);
    const LayoutFormat &format = formatOf(entry.carried.layout);
    for (std::size_t i = 0; i < format.fieldCount; ++i) {
        if (i != 0)
            line += ',';
        if (format.order[i] == kOtherName)
            line += otherNameOf(entry);
        else
            appendFieldValue(line, kFields[std::size_t(format.order[i])], entry);
    }
    return line;
}

} // namespace grimlark
