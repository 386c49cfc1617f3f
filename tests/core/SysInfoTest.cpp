// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/SysInfo.h"
#include "tests/common/FakeRegistry.h"

#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <set>

using namespace grimlark;
using grimlark::test::FakeRegistry;

namespace {

const std::string kFirst = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kSecond = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::string sz(const std::string &text)
{
    return text + std::string(1, '\0');
}

struct LauncherCase {
    const char *name;
    std::map<std::string, std::map<std::string, FakeRegistry::Value>> keys;
    std::set<std::string> existingFiles;
    std::optional<std::string> command;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const LauncherCase &row, std::ostream *out)
{
    *out << row.name;
}

} // namespace

class Launcher : public testing::TestWithParam<LauncherCase> {};

TEST_P(Launcher, FindsTheToolOrNothing)
{
    FakeRegistry registry;
    registry.keys = GetParam().keys;
    registry.writeProtected = {kFirst, kSecond};
    std::vector<std::string> tested;
    const auto command = findSysInfoCommand(registry, [&](const std::string &path) {
        tested.push_back(path);
        return GetParam().existingFiles.count(path) > 0;
    });
    EXPECT_EQ(command, GetParam().command);
    EXPECT_EQ(registry.openHandles, 0) << "every key is closed again";
    if (!GetParam().keys.count(kSecond) || GetParam().keys.count(kFirst)) {
        EXPECT_TRUE(tested.empty()) << "the first key's path is used without a file test";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Branches, Launcher,
    testing::Values(
        LauncherCase{"firstKeyAsIs",
                     {{kFirst, {{"PATH", {kRegSz, sz("C:\\Tools\\msinfo32.exe /x")}}}},
                      {kSecond, {{"MSINFO", {kRegSz, sz("C:\\Other")}}}}},
                     {},
                     "C:\\Tools\\msinfo32.exe /x"},
        LauncherCase{"secondKeyWithFile",
                     {{kSecond, {{"MSINFO", {kRegSz, sz("C:\\MSINFO")}}}}},
                     {"C:\\MSINFO\\MSINFO32.EXE"},
                     "C:\\MSINFO\\MSINFO32.EXE"},
        LauncherCase{"secondKeyWithoutFile",
                     {{kSecond, {{"MSINFO", {kRegSz, sz("C:\\MSINFO")}}}}},
                     {},
                     std::nullopt},
        LauncherCase{"neitherKey", {}, {}, std::nullopt},
        LauncherCase{"valueMissing", {{kFirst, {}}, {kSecond, {}}}, {}, std::nullopt},
        LauncherCase{"otherTypeLeavesPathEmpty",
                     {{kFirst, {{"PATH", {2, sz("%SystemRoot%\\msinfo32.exe")}}}}},
                     {},
                     ""},
        LauncherCase{"textWithoutNulKeepsLastCharacter",
                     {{kFirst, {{"PATH", {kRegSz, "C:\\m.exe"}}}}},
                     {},
                     "C:\\m.exe"},
        LauncherCase{"valueOver1024BytesIsMissing",
                     {{kFirst, {{"PATH", {kRegSz, std::string(1025, 'x')}}}}},
                     {},
                     std::nullopt},
        LauncherCase{"valueOfExactly1024Bytes",
                     {{kFirst, {{"PATH", {kRegSz, std::string(1024, 'x')}}}}},
                     {},
                     std::string(1024, 'x')},
        LauncherCase{"sizeZeroIsAnError", {{kFirst, {{"PATH", {kRegSz, ""}}}}}, {}, std::nullopt}),
    [](const auto &test) { return std::string(test.param.name); });

TEST(GetKeyValue, ConvertsNumbersAndEmptiesOnFailure)
{
    FakeRegistry registry;
    registry.keys["K"] = {{"n", {kRegDword, std::string("\x1a\x00\x00\x00", 4)}},
                          {"big", {kRegDword, std::string("\x78\x56\x34\x12", 4)}}};
    std::string value;
    EXPECT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, "K", "n", value));
    EXPECT_EQ(value, "26");
    value.clear();
    EXPECT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, "K", "big", value));
    EXPECT_EQ(value, "305419896");
    EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, "K", "missing", value));
    EXPECT_EQ(value, "");
    value = "kept?";
    EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, "Nope", "n", value));
    EXPECT_EQ(value, "");
}

TEST(GetKeyValue, OpensKeysForReadingOnly)
{
    FakeRegistry registry;
    registry.keys[kFirst] = {{"PATH", {kRegSz, sz("msinfo32")}}};
    registry.writeProtected = {kFirst};
    std::string value;
    EXPECT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, kFirst, "PATH", value));
    EXPECT_EQ(value, "msinfo32");
    NoRegistry none;
    EXPECT_FALSE(findSysInfoCommand(none, [](const std::string &) { return true; }));
}
