#include "common/Fixtures.h"

#include "FieldTable.h"

#include <sstream>

namespace grimlark::test {

MonsterEntry startupEntry()
{
    const char *values[] = {"7000", "Mob_Name", "Mob Name", "1",  "100", "100", "10",
                            "10",   "1",        "10",       "20", "4",   "4",   "5",
                            "5",    "5",        "5",        "5",  "5",   "10",  "12"};
    MonsterEntry entry;
    for (int i = 0; i < 21; ++i)
        entry.*kFields[i].text = values[i];
    entry.Speed = "200";
    entry.ADelay = "1500";
    entry.aMotion = "562";
    entry.DMotion = "288";
    for (int i = 29; i < kFieldCount; ++i)
        entry.*kFields[i].text = "0";
    return entry;
}

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
