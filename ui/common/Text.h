// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/LegacyEncoding.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace grimlark::ui {

/// UTF-8 text (a field, a message) as a QString, exactly: unlike
/// QString::fromUtf8, a U+FEFF at the start is kept, not taken for a
/// byte-order mark, so a field that starts with one loads as it is.
QString fromUtf8(std::string_view text);

/// A QString as UTF-8.
std::string toUtf8(const QString &text);

/// Bytes in a legacy encoding as text, converted by the system's own converter
/// (ICU through Qt on Linux, MultiByteToWideChar on Windows); Latin-1, one byte
/// to one character, where that converter does not know the encoding.
QString decodeLegacy(std::string_view bytes, const grimlark::LegacyEncoding &encoding);

/// UTF-8 text as the bytes of a legacy encoding, by the system's converter;
/// nothing when a character of it has no bytes there (the bytes would not give
/// the text back).
std::optional<std::string> encodeLegacy(std::string_view text,
                                        const grimlark::LegacyEncoding &encoding);

/// The encoding a file's lines that are not UTF-8 are read in first, where it
/// fits them all: on Windows the ANSI code page when it is one of the Far East
/// ones, as the old program read files; elsewhere none.
const grimlark::LegacyEncoding *preferredEncoding();

/// True when every one of the bytes is part of a character of `encoding`
/// (Windows only; elsewhere always false).
bool decodesStrictly(std::string_view bytes, const grimlark::LegacyEncoding &encoding);

/// A console usage text (QCommandLineParser::helpText) laid out for a message
/// box, whose face is proportional and which wraps lines itself: each option
/// and its description on one line, a blank line between options, no padding.
QString usageForMessageBox(const QString &helpText);

} // namespace grimlark::ui
