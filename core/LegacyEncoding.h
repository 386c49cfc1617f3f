// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <string_view>

namespace grimlark {

/// An encoding of one byte or two a character that servers' files were saved
/// in before UTF-8 (a Japanese server's Shift-JIS, a Korean one's EUC-KR).
struct LegacyEncoding {
    const char *label = nullptr;   ///< what the user reads, "Shift-JIS (CP932)"
    const char *icuName = nullptr; ///< the converter's name where ICU converts (Linux)
    unsigned codePage = 0;         ///< the Windows code page (MultiByteToWideChar)
    /// U+FFFD is one of its characters (GB18030's, not GBK's), not only what a
    /// converter gives for bytes it does not know.
    bool holdsReplacement = false;
};

/// The encodings offered, in the order a menu lists them; Windows-1252 last but
/// one, Latin-1 (one byte to one character, nothing lost) last.
extern const LegacyEncoding kLegacyEncodings[7];

/// Latin-1: what a line is read as when nothing better is known.
const LegacyEncoding &latin1();

/// The encoding that the bytes (a file's lines that are not UTF-8) are most
/// likely in, detected by their byte statistics (uchardet), or null when they
/// are in none of the offered ones or too few to tell.
const LegacyEncoding *detectLegacyEncoding(std::string_view bytes);

/// The offered encoding with this Windows code page, or null.
const LegacyEncoding *legacyEncodingOfCodePage(unsigned codePage);

} // namespace grimlark
