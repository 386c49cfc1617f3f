// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstddef>
#include <string>

namespace grimlark {

/// One monster's record cut out of a line that holds several (a statement of
/// several rows): the record as a text of its own, and the span of the line's
/// bytes it was made from.
struct RecordCut {
    std::string text;
    std::size_t begin, end;
};

/// Where a record stands in the file it was read from: the line it is on
/// (counted from 0) and the span of its bytes in the file as read.
struct RecordPlace {
    std::size_t line, begin, end;
};

} // namespace grimlark
