// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <string>

namespace grimlark {

/// The 57-field database line for an entry: texts exactly as held, list positions
/// in decimal ("-1" for none), the element code and the Mode sum, joined by single
/// commas with no terminator. Never fails; nothing is checked or trimmed.
std::string BuildTextEntry(const MonsterEntry &entry);

} // namespace grimlark
