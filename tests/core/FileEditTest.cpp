// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/FileEdit.h"
#include "core/FileWrite.h"
#include "core/HerculesMobDb.h"
#include "core/RathenaMobDb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace grimlark;

namespace {

struct AddRow {
    const char *name;
    FileKind kind;
    std::string file, record, lineEnd, expected;
};
[[maybe_unused]] void PrintTo(const AddRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::string kYamlHead = "Header:\n  Type: MOB_DB\n  Version: 4\n";

class Additions : public testing::TestWithParam<AddRow> {};

// The record goes where its server reads the last monster of the file, the
// bytes around it untouched; and it begins where `at` says.
TEST_P(Additions, PutTheRecordLastInItsList)
{
    const AddRow &row = GetParam();
    std::string why;
    const std::optional<Addition> added =
        withRecordAdded(row.file, row.kind, row.record, row.lineEnd, why);
    ASSERT_TRUE(added) << why;
    EXPECT_EQ(added->bytes, row.expected);
    if (row.kind == FileKind::Yaml) {
        EXPECT_EQ(readRathenaMobDb(added->bytes).monsters.back().id, "9");
    } else {
        EXPECT_EQ(added->bytes.substr(added->at, row.record.size()), row.record);
    }
    if (row.kind == FileKind::Config) {
        EXPECT_EQ(readHerculesMobDb(added->bytes).monsters.back().id, "9");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Additions,
    testing::Values(
        AddRow{"TextEndingItsLastLine", FileKind::Text, "1,a\n2,b\n", "9,z", "\n",
               "1,a\n2,b\n9,z\n"},
        AddRow{"TextWithoutTheLastLineEnd", FileKind::Text, "1,a\r\n2,b", "9,z", "\r\n",
               "1,a\r\n2,b\r\n9,z\r\n"},
        AddRow{"EmptyText", FileKind::Text, "", "9,z", "\n", "9,z\n"},
        AddRow{"DumpStatement", FileKind::Dump, "INSERT INTO `mob_db` VALUES (1);\n",
               "REPLACE INTO `mob_db` VALUES (9);", "\n",
               "INSERT INTO `mob_db` VALUES (1);\nREPLACE INTO `mob_db` VALUES (9);\n"},
        AddRow{"YamlAfterTheLastEntryBeforeWhatFollows", FileKind::Yaml,
               kYamlHead + "Body:\n  - Id: 1\n    Name: A\n# the end\n", "  - Id: 9\n    Name: Z",
               "\n",
               kYamlHead + "Body:\n  - Id: 1\n    Name: A\n  - Id: 9\n    Name: Z\n# the end\n"},
        AddRow{"YamlIndentedAsTheFileIs", FileKind::Yaml, kYamlHead + "Body:\n- Id: 1\n  Name: A",
               "  - Id: 9\n    Name: Z", "\n",
               kYamlHead + "Body:\n- Id: 1\n  Name: A\n- Id: 9\n  Name: Z\n"},
        AddRow{"YamlEmptyBody", FileKind::Yaml, kYamlHead + "Body:\n", "  - Id: 9", "\n",
               kYamlHead + "Body:\n  - Id: 9\n"},
        AddRow{"YamlImportFileWithoutBody", FileKind::Yaml, kYamlHead, "  - Id: 9", "\n",
               kYamlHead + "Body:\n  - Id: 9\n"},
        AddRow{"ConfigBeforeTheClosingParenthesis", FileKind::Config,
               "mob_db: (\n{\n\tId: 1\n},\n)\n", "{\n\tId: 9\n},", "\n",
               "mob_db: (\n{\n\tId: 1\n},\n{\n\tId: 9\n},\n)\n"},
        AddRow{"ConfigGroupBeforeWithoutItsComma", FileKind::Config, "mob_db: (\r\n{ Id: 1 }\r\n)",
               "{ Id: 9 },", "\r\n", "mob_db: (\r\n{ Id: 1 },\r\n{ Id: 9 },\r\n)"},
        AddRow{"ConfigParenthesisSharingALine", FileKind::Config, "mob_db: ({ Id: 1 },)\n",
               "{ Id: 9 },", "\n", "mob_db: ({ Id: 1 },\n{ Id: 9 },\n)\n"}));

TEST(Additions, RefuseAFileWithNoListToAddTo)
{
    std::string why;
    EXPECT_FALSE(withRecordAdded("item_db: (\n)\n", FileKind::Config, "{ Id: 9 },", "\n", why));
    EXPECT_NE(why.find("mob_db"), std::string::npos) << why;
}

TEST(LineEnds, AreTheFilesOwnAndSayWhenMixed)
{
    const struct {
        std::string bytes, end;
        bool mixed;
    } rows[] = {{"a\nb\n", "\n", false},
                {"a\r\nb\r\n", "\r\n", false},
                {"no end", "\n", false},
                {"a\r\nb\nc", "\r\n", true},
                {"a\rb\r\n", "\r", true}};
    for (const auto &row : rows) {
        EXPECT_EQ(lineEndsOf(row.bytes).end, row.end) << row.bytes;
        EXPECT_EQ(lineEndsOf(row.bytes).mixed, row.mixed) << row.bytes;
    }
    EXPECT_EQ(withLineEnds("a\nb\r\nc\rd", "\r\n"), "a\r\nb\r\nc\r\nd");
}

/// The system's steps but one, which fails with `error` the `nth` time
/// (from 1) that step is taken. An error of -1 stands for the program killed
/// there: from then on no step reaches the disk.
class FailingSteps : public FileSteps {
public:
    enum Step { Writable, KeepBeside, WriteBeside, Read, MoveOver };
    FailingSteps(Step step, int nth, int error) : m_step(step), m_nth(nth), m_error(error) {}

    int writable(const std::string &path) override
    {
        return fails(Writable) ? m_error : FileSteps::writable(path);
    }
    int writeBeside(const std::string &path, std::string_view bytes, std::string &made) override
    {
        return fails(WriteBeside) ? m_error : FileSteps::writeBeside(path, bytes, made);
    }
    int keepBeside(const std::string &path, std::string_view bytes, std::string &made) override
    {
        return fails(KeepBeside) ? m_error : FileSteps::keepBeside(path, bytes, made);
    }
    int read(const std::string &path, std::string &bytes) override
    {
        return fails(Read) ? m_error : FileSteps::read(path, bytes);
    }
    int moveOver(const std::string &from, const std::string &to) override
    {
        return fails(MoveOver) ? m_error : FileSteps::moveOver(from, to);
    }
    void remove(const std::string &path) override
    {
        if (!m_dead)
            FileSteps::remove(path);
    }

private:
    bool fails(Step step)
    {
        m_dead = m_dead || (m_error == -1 && step == m_step && m_count[step] + 1 == m_nth);
        if (m_dead)
            return true; // as killed: -1, which no step gives
        return step == m_step && ++m_count[step] == m_nth;
    }
    Step m_step;
    int m_nth, m_error;
    int m_count[5] = {};
    bool m_dead = false;
};

class SafeWrite : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir =
            std::filesystem::temp_directory_path() /
            ("grimlark-write-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
        m_path = (m_dir / "mob_db.txt").string();
        std::ofstream(m_path, std::ios::binary) << kOld;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    static std::string contents(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    /// The names of the files in the folder.
    std::vector<std::string> files() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static constexpr std::string_view kOld = "1001,OLD\n", kNew = "1001,NEW\n";
    std::filesystem::path m_dir;
    std::string m_path;
};

TEST_F(SafeWrite, PutsTheNewBytesInPlaceAndKeepsTheOldAsTheBackup)
{
#ifndef _WIN32
    std::filesystem::permissions(m_path, std::filesystem::perms(0640));
#endif
    ASSERT_EQ(replaceFileSafely(m_path, kOld, kNew).status, WriteResult::Status::Done);
    EXPECT_EQ(contents(m_path), kNew);
    EXPECT_EQ(contents(backupPathOf(m_path)), kOld);
    EXPECT_EQ(files(), (std::vector<std::string>{"mob_db.txt", "mob_db.txt~"}));
#ifndef _WIN32
    EXPECT_EQ(std::filesystem::status(m_path).permissions(), std::filesystem::perms(0640));
#endif
    // Saved again: the backup is the version just before.
    ASSERT_EQ(replaceFileSafely(m_path, kNew, "1001,THIRD\n").status, WriteResult::Status::Done);
    EXPECT_EQ(contents(backupPathOf(m_path)), kNew);
}

TEST_F(SafeWrite, WritesNothingWhereTheFileChangedMeanwhile)
{
    const WriteResult result = replaceFileSafely(m_path, "1001,AS LISTED\n", kNew);
    EXPECT_EQ(result.status, WriteResult::Status::Changed);
    EXPECT_EQ(contents(m_path), kOld);
    EXPECT_EQ(files(), std::vector<std::string>{"mob_db.txt"});
    EXPECT_EQ(describe(result), "it changed since Grimlark read it");
}

// Whichever step fails, the file holds its old bytes and nothing of the
// attempt is left beside it; the message says which step and why.
TEST_F(SafeWrite, LeavesTheOldFileWholeWhereAStepFails)
{
    const struct {
        FailingSteps::Step step;
        int nth, error;
        const char *message;
    } rows[] = {
        {FailingSteps::Writable, 1, EACCES, "Grimlark could not write into it: permission denied"},
        {FailingSteps::KeepBeside, 1, EACCES,
         "Grimlark could not make its backup beside it: permission denied"},
        {FailingSteps::WriteBeside, 1, ENOSPC,
         "Grimlark could not write the new file beside it: "
         "no space left on device"},
        {FailingSteps::Read, 1, EIO, "Grimlark could not read it again: input/output error"},
        {FailingSteps::MoveOver, 1, EACCES,
         "Grimlark could not keep its previous version as its backup: permission denied"},
        {FailingSteps::MoveOver, 2, EBUSY,
         "Grimlark could not put the new file in its place: it "
         "is being used by another program"},
    };
    for (const auto &row : rows) {
        FailingSteps steps(row.step, row.nth, row.error);
        const WriteResult result = replaceFileSafely(m_path, kOld, kNew, steps);
        EXPECT_EQ(result.status, WriteResult::Status::Failed) << row.message;
        EXPECT_EQ(describe(result), row.message);
        EXPECT_EQ(contents(m_path), kOld) << row.message;
        for (const std::string &name : files())
            EXPECT_TRUE(name == "mob_db.txt" || name == "mob_db.txt~") << name;
    }
}

// Killed before any step (the program ended, the machine off), the file
// holds its old bytes: all that went before was beside it.
TEST_F(SafeWrite, LeavesTheOldFileWholeWhereItIsKilledAtAnyStep)
{
    const std::pair<FailingSteps::Step, int> steps[] = {
        {FailingSteps::Writable, 1}, {FailingSteps::KeepBeside, 1}, {FailingSteps::WriteBeside, 1},
        {FailingSteps::Read, 1},     {FailingSteps::MoveOver, 1},   {FailingSteps::MoveOver, 2}};
    for (const auto &[step, nth] : steps) {
        FailingSteps killed(step, nth, -1);
        (void)replaceFileSafely(m_path, kOld, kNew, killed);
        EXPECT_EQ(contents(m_path), kOld) << step << " " << nth;
    }
    // And the next save, after it, goes through.
    EXPECT_EQ(replaceFileSafely(m_path, kOld, kNew).status, WriteResult::Status::Done);
    EXPECT_EQ(contents(m_path), kNew);
}

#ifndef _WIN32
// A real read-only folder: nothing can be written beside the file. (Root
// writes anyway: there the failing steps above stand for it.)
TEST_F(SafeWrite, LeavesAFileInAReadOnlyFolderWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    std::filesystem::permissions(m_dir, std::filesystem::perms(0555));
    const WriteResult result = replaceFileSafely(m_path, kOld, kNew);
    std::filesystem::permissions(m_dir, std::filesystem::perms(0755));
    EXPECT_EQ(describe(result), "Grimlark could not make its backup beside it: permission denied");
    EXPECT_EQ(contents(m_path), kOld);
    EXPECT_EQ(files(), std::vector<std::string>{"mob_db.txt"});
}
#endif

#ifdef _WIN32
// A file another program holds open (an editor, the server itself) without
// sharing its deletion cannot be replaced: said so, and left whole.
TEST_F(SafeWrite, LeavesAFileAnotherProgramHoldsWhole)
{
    const HANDLE held = CreateFileW(std::filesystem::path(m_path).wstring().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const WriteResult result = replaceFileSafely(m_path, kOld, kNew);
    CloseHandle(held);
    EXPECT_EQ(result.status, WriteResult::Status::Failed);
    EXPECT_NE(describe(result).find("it is being used by another program"), std::string::npos)
        << describe(result);
    EXPECT_EQ(contents(m_path), kOld);
}
#endif

} // namespace
