// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "tests/common/Fixtures.h"

#include "core/FieldTable.h"
#include "core/Numbers.h"
#include "tests/TestData.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace grimlark::test {

static_assert(
    kFields[kID].text == &MonsterEntry::ID && kFields[kJName].text == &MonsterEntry::JName &&
        kFields[kLvl].text == &MonsterEntry::Lvl && kFields[kScale].kind == FieldKind::Scale &&
        kFields[kRace].kind == FieldKind::Race && kFields[kElement].kind == FieldKind::Element &&
        kFields[kMode].kind == FieldKind::Mode && kFields[kSpeed].text == &MonsterEntry::Speed &&
        kFields[kDMotion].text == &MonsterEntry::DMotion &&
        kFields[kDropID1].text == &MonsterEntry::DropID1 &&
        kFields[kDrop1Per].text == &MonsterEntry::Drop1Per &&
        kFields[kLastField].text == &MonsterEntry::MVP3Per && kLastField + 1 == kFieldCount,
    "the test positions are the table's");

std::string sampleLine(std::string_view id)
{
    const std::string start = std::string(id) + ",";
    std::size_t at = 0;
    while (at < kSampleDatabase.size()) {
        const std::size_t end = std::min(kSampleDatabase.find('\n', at), kSampleDatabase.size());
        const std::string_view line = kSampleDatabase.substr(at, end - at);
        if (line.substr(0, start.size()) == start)
            return std::string(line);
        at = end + 1;
    }
    std::abort(); // a test asked for a monster the sample does not hold
}

std::vector<std::string> splitFields(const std::string &line)
{
    const std::vector<std::string_view> views = grimlark::splitFields(line);
    return {views.begin(), views.end()};
}

std::string lineWith(const std::vector<std::pair<int, std::string>> &fields)
{
    std::vector<std::string> values(kFieldCount, "0");
    for (const auto &[index, value] : fields)
        values[std::size_t(index)] = value;
    std::string line;
    for (size_t i = 0; i < values.size(); ++i)
        line += (i ? "," : "") + values[i];
    return line;
}

const std::vector<std::string> kHostileTexts = {
    "it's",
    "\\",
    "\\'",
    std::string("a\0b", 3),
    "two\nlines\r\n",
    "--",
    "; SELECT 1",
    "*/ DROP TABLE mob_db; --",
    "\xE3\x83\x9D\xE3\x83\xAA\xE3\x83\xB3",
    "\xF0\x9F\x91\xBE emoji",
    "\"double\"",
    "",
    "007",
    "1,000",
    "\xFF\xFE not UTF-8",
    "x'41'",
    "%_",
    "\\n",
    "' OR '1'='1",
    "\t tab",
};

// Monster names as servers of each script saved them (bytes made once with
// Python's codecs), with the first name in UTF-8.
const LegacyFixture kLegacyFixtures[5] = {
    {"Shift-JIS (CP932)",
     "\x83|\x83\x8A\x83\x93;\x83\x8B\x83i\x83"
     "e\x83"
     "B\x83"
     "b\x83N;\x83t\x83@\x83u\x83\x8B;\x83s\x83"
     "b\x83L;\x83R\x83\x93\x83h\x83\x8B;\x83"
     "E\x83"
     "B\x83\x8D\x81[;\x83\x8D\x83"
     "b\x83_\x83t\x83\x8D\x83"
     "b\x83O;\x93\x90\xE5\xB3\x82\xCC\x97\x91",
     "\xE3\x83\x9D\xE3\x83\xAA\xE3\x83\xB3"},
    {"EUC-KR (CP949)",
     "\xC6\xF7\xB8\xB5;\xB7\xE7\xB3\xAA\xC6\xBD;\xC6\xC4\xBA\xEA\xB8\xA3;\xC7\xC7\xC5\xB0;"
     "\xC4\xDC\xB5\xB9;\xC0\xAA\xB7\xCE\xBF\xEC;\xB7\xCE\xB4\xD9 "
     "\xC7\xC1\xB7\xCE\xB1\xD7;\xB5\xB5\xB5\xCF\xB9\xFA\xB7\xB9 \xBE\xCB",
     "\xED\x8F\xAC\xEB\xA7\x81"},
    {"GB18030 (GBK)",
     "\xB2\xA8\xC0\xFB;\xB7\xE8\xCD\xC3;\xB7\xA8\xB2\xBC\xB6\xFB;\xD0\xA1\xBC\xA6;\xCD\xBA\xD3\xA5;"
     "\xCA\xF7\xBE\xAB;\xC7\xE0\xCD\xDC;\xB5\xC1\xB3\xE6\xC2\xD1",
     "\xE6\xB3\xA2\xE5\x88\xA9"},
    {"Big5 (CP950)",
     "\xAAi\xA7Q;\xBA\xC6\xA8\xDF;\xAAk\xA5\xAC\xBA\xB8;\xA4p\xC2\xFB;\xA8r\xC6N;\xBE\xF0\xBA\xEB;"
     "\xAB"
     "C\xB5\xEC;\xB5s\xC2\xCE\xA7Z;\xBA\xF1\xB4\xD6\xC2\xCE;\xB3L\xB0"
     "C;\xBD\xBF\xBD\xBB;\xBEu\xC5\x5C\xA7L;\xC3~\xA4H\xBE\xD4\xA4h;\xC5]\xC1\xE7\xB3J;"
     "\xA8g\xBC\xC9\xA8\xDF;\xA5\xD5\xA6\xE2\xB4"
     "c\xC5];\xAE\xFC\xB5s\xB2\xEE\xAA\xF8;\xA4\xEB\xA9]\xBF\xDF;\xA7\xC5\xB1"
     "C;\xA6\xBA\xC6"
     "F",
     "\xE6\xB3\xA2\xE5\x88\xA9"},
    {"Windows-1252",
     "P\xF4ring;Lun\xE0tico;Fabr\xE9;Peque\xF1o Picky;C\xF3ndor;Sau\xE7"
     "e;Rana Roda;Huevo de Ladr\xF3n",
     "P\xC3\xB4ring"},

};

std::string legacyFile(const LegacyFixture &fixture)
{
    std::string file;
    std::istringstream names(fixture.names);
    std::string name;
    for (int id = 1002; std::getline(names, name, ';'); ++id)
        file += lineWith({{0, std::to_string(id)}, {2, name}}) + "\r\n";
    return file;
}

} // namespace grimlark::test
