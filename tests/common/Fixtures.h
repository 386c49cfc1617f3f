// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/MonsterEntry.h"

#include <string>
#include <vector>

namespace grimlark::test {

using grimlark::startupEntry; // the editor's own start-up values

/// The 57 fields of a line.
std::vector<std::string> splitFields(const std::string &line);

/// A line of 57 fields, all "0" but those given by number.
std::string lineWith(const std::vector<std::pair<int, std::string>> &fields);

} // namespace grimlark::test
