// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstdio>
#include <string_view>

namespace grimlark::app {

/// Writes UTF-8 text to a standard stream. On a Windows console it is written
/// as the console's own wide characters, so that a name shows as cmd shows it
/// whatever the console's code page; anywhere else (a file, a pipe, any
/// terminal elsewhere) as its bytes. False when the write failed, with errno
/// set.
bool writeText(std::FILE *stream, std::string_view text);

} // namespace grimlark::app
