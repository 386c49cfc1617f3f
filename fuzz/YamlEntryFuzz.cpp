// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Arbitrary bytes as one monster entry of rAthena's YAML database: loading
// ends without a fault, and what loads holds together. An entry read with its
// bytes comes back as those bytes; the entry written loads again, as the same
// monster, and is written the same again. Read as an import file's
// override (of a fixed entry, and of itself), it comes back as its bytes too.

#include "core/EntryLoader.h"
#include "core/RathenaYamlEntry.h"
#include "core/TextEntry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace grimlark;

namespace {

void overriding(std::string_view text, std::string_view base)
{
    MonsterEntry entry;
    if (!loadYamlOverride(text, base, "before", entry).loaded())
        return;
    const std::string written = writeYamlEntry(entry);
    if (entry.carried.yaml && written != withoutTrailingBlankLines(text))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    overriding(text, text);
    overriding(text, "- Id: 1002\n  AegisName: PORING\n  Name: Poring\n  Ai: 04\n  Modes:\n"
                     "    Detector: true\n  Drops:\n    - Item: Jellopy\n      Rate: 7000\n");
    MonsterEntry entry;
    if (!loadYamlEntry(text, entry).loaded())
        return 0;
    const std::string written = writeYamlEntry(entry);
    if (entry.carried.yaml && written != withoutTrailingBlankLines(text))
        std::abort();
    MonsterEntry back;
    if (!loadYamlEntry(written, back).loaded())
        std::abort();
    // Written anew, it is the monster as YAML holds it: an HP or SP of 0
    // left out, which rAthena stores as 1.
    MonsterEntry fresh = entry, freshBack = back;
    if (!entry.carried.yaml)
        asYamlHoldsIt(fresh);
    fresh.carried.yaml = freshBack.carried.yaml = nullptr;
    if (fresh != freshBack || writeYamlEntry(back) != written)
        std::abort();
    return 0;
}
