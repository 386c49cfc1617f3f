// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "tests/common/Fixtures.h"

#include "core/FieldTable.h"

#include <sstream>

namespace grimlark::test {

std::vector<std::string> splitFields(const std::string &line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

std::string lineWith(const std::vector<std::pair<int, std::string>> &fields)
{
    std::vector<std::string> values(kFieldCount, "0");
    for (const auto &[index, value] : fields)
        values[index] = value;
    std::string line;
    for (size_t i = 0; i < values.size(); ++i)
        line += (i ? "," : "") + values[i];
    return line;
}

} // namespace grimlark::test
