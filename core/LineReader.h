// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace grimlark {

/// Receives one line, without its terminator, as a view into the split text.
using LineHandler = std::function<void(std::string_view line)>;

/// Delivers every line of a whole text, in order, as views into `text`. A line
/// feed, a carriage return, or a carriage return followed by a line feed ends a
/// line; a last line without terminator is delivered too, an empty text has none.
/// What lies between two lines is always exactly their terminator.
void splitLines(std::string_view text, const LineHandler &onLine);

/// The number of lines splitLines delivers for `text`.
std::size_t countLines(std::string_view text);

} // namespace grimlark
