// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/LineReader.h"
#include "core/DatabaseFile.h"
#include "core/FileReader.h"
#include "core/Utf8.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdio>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace grimlark;

namespace {

struct SplitCase {
    const char *name;
    std::string input;
    std::vector<std::string> lines;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const SplitCase &row, std::ostream *out)
{
    *out << row.name;
}

} // namespace

class Splitting : public testing::TestWithParam<SplitCase> {};

// The lines, each a view into the text itself, with nothing but one terminator
// between two of them and after the last.
TEST_P(Splitting, SplitsAWholeTextInPlace)
{
    const SplitCase &c = GetParam();
    std::vector<std::string> lines;
    const char *next = c.input.data();
    const char *const end = c.input.data() + c.input.size();
    splitLines(c.input, [&](std::string_view line) {
        const std::string_view gap(next, static_cast<size_t>(line.data() - next));
        EXPECT_TRUE(lines.empty() ? gap.empty() : gap == "\n" || gap == "\r" || gap == "\r\n");
        next = line.data() + line.size();
        lines.emplace_back(line);
    });
    const std::string_view rest(next, static_cast<size_t>(end - next));
    EXPECT_TRUE(rest.empty() || rest == "\n" || rest == "\r" || rest == "\r\n") << rest;
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(countLines(c.input), c.lines.size());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, Splitting,
    testing::Values(SplitCase{"cr", "a\rb\rc\r", {"a", "b", "c"}},
                    SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"lf", "1001,A\n1002,B\n", {"1001,A", "1002,B"}},
                    SplitCase{"mixed", "a\nb\r\nc\rd", {"a", "b", "c", "d"}},
                    SplitCase{"noFinalTerminator", "only", {"only"}}, SplitCase{"empty", "", {}},
                    SplitCase{"blankLines", "\n\r\n\r", {"", "", ""}},
                    SplitCase{"lfcrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                    SplitCase{
                        "nulInside", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
                    SplitCase{"invalidUtf8", "\xff\xfe\n\xc3", {"\xff\xfe", "\xc3"}}),
    [](const auto &test) { return std::string(test.param.name); });

TEST(Utf8, TellsValidFromInvalid)
{
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("Poring"));
    EXPECT_TRUE(isValidUtf8("\xc3\xa9\xe2\x82\xac\xf0\x9f\x91\xbe"));
    EXPECT_TRUE(isValidUtf8(std::string("a\0b", 3)));
    EXPECT_FALSE(isValidUtf8("\xe9t\xe9"));        // Latin-1
    EXPECT_FALSE(isValidUtf8("\xc3"));             // cut short
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xf4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xe2\x82"));         // three-byte form cut short
}

class ReadLinesFile : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("grimlark-reader-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string write(const std::string &name, const std::string &bytes)
    {
        const auto path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::filesystem::path m_dir;
};

TEST_F(ReadLinesFile, ReadsAWholeFile)
{
    const std::string content = "a\r\n" + std::string(200000, 'x') + "\nc";
    std::string bytes = "left over";
    EXPECT_EQ(readFile(write("db.txt", content), bytes).status, ReadStatus::Done);
    EXPECT_EQ(bytes, content);
    EXPECT_EQ(readFile(write("empty.txt", ""), bytes).status, ReadStatus::Done);
    EXPECT_EQ(bytes, "");
}

TEST_F(ReadLinesFile, RefusesWhatIsNotARegularFile)
{
    const std::string missing = (m_dir / "missing.txt").string();
    for (const std::string &path : {std::string(), missing, m_dir.string()}) {
        std::string bytes = "left over";
        EXPECT_EQ(readFile(path, bytes).status, ReadStatus::NotAFile) << path;
        EXPECT_EQ(bytes, "") << path;
    }
    std::string bytes;
    EXPECT_EQ(describe(readFile(m_dir.string(), bytes)), "it is a folder");
    EXPECT_EQ(describe(readFile(missing, bytes)), "no such file");
}

// What the size had at the open is all that is read, however the file changes;
// a cancel keeps nothing; a file too large to hold is refused before any read.
TEST_F(ReadLinesFile, ReadsTheSizeItHadWhenOpened)
{
    const std::string path = write("db.txt", std::string(5 << 20, 'x') + "\n");
    std::string bytes;
    int calls = 0;
    const auto grow = [&](std::uint64_t, std::uint64_t total) {
        EXPECT_EQ(total, (5u << 20) + 1);
        if (calls++ == 0)
            std::ofstream(path, std::ios::app) << std::string(10 << 20, 'y');
        return true;
    };
    EXPECT_EQ(readFile(path, bytes, grow).status, ReadStatus::Done);
    EXPECT_EQ(bytes.size(), (5u << 20) + 1);
    EXPECT_EQ(calls, 2); // after each chunk

    bytes = "left over";
    const auto cancel = [](std::uint64_t, std::uint64_t) { return false; };
    EXPECT_EQ(readFile(path, bytes, cancel).status, ReadStatus::Cancelled);
    EXPECT_EQ(bytes, "");

    const std::string sparse = write("sparse.txt", "");
    std::filesystem::resize_file(sparse, std::uint64_t(5) << 30); // 5 GB, no blocks
    const ReadResult huge = readFile(sparse, bytes);
    EXPECT_EQ(huge.status, ReadStatus::TooLarge);
    EXPECT_EQ(describe(huge), "it is larger than 4 GB");
    EXPECT_EQ(bytes, "");
}

// A file that shrinks while it is read is refused, not listed torn.
TEST_F(ReadLinesFile, RefusesAFileThatShrinksWhileRead)
{
    const std::string path = write("db.txt", std::string(10 << 20, 'x'));
    std::string bytes;
    const auto shrink = [&](std::uint64_t, std::uint64_t) {
        std::filesystem::resize_file(path, 1 << 20);
        return true;
    };
    const ReadResult result = readFile(path, bytes, shrink);
    EXPECT_EQ(result.status, ReadStatus::Changed);
    EXPECT_TRUE(failedWhileReading(result));
    EXPECT_EQ(describe(result), "it changed while it was being read");
    EXPECT_EQ(bytes, "");
}

#ifdef _WIN32
// A byte range locked by another program: in use, not a read error.
TEST_F(ReadLinesFile, SaysALockedRangeIsInUse)
{
    const std::string path = write("locked.txt", "1002,PORING\n");
    const std::wstring wide = std::filesystem::path(path).wstring();
    const HANDLE holder =
        CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(LockFile(holder, 0, 0, 4, 0));
    std::string bytes;
    const ReadResult result = readFile(path, bytes);
    UnlockFile(holder, 0, 0, 4, 0);
    CloseHandle(holder);
    // Windows denies the locked range to every other handle, this process's
    // too; Wine lets the process that holds the lock read through.
    if (result.status == ReadStatus::Done)
        GTEST_SKIP() << "this system does not deny a locked range to the locking process";
    EXPECT_EQ(result.status, ReadStatus::ReadFailed);
    EXPECT_EQ(describe(result), "it is being used by another program");
}
#endif

#ifndef _WIN32
// A socket is looked at, not opened, and called what it is.
TEST_F(ReadLinesFile, SaysASocketIsNotARegularFile)
{
    const std::string path = (m_dir / "socket").string();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    std::string bytes;
    EXPECT_EQ(describe(readFile(path, bytes)), "it is not a regular file");
    ::close(fd);
    EXPECT_EQ(describe(readFile("/dev/null", bytes)), "it is not a regular file");
}

// File names are bytes: one that is not UTF-8 is read by its own name.
TEST_F(ReadLinesFile, ReadsAFileWhoseNameIsNotUtf8)
{
    const std::string path = write("mob_db_espa\xF1ol.txt", "1\n");
    std::string bytes;
    EXPECT_EQ(readFile(path, bytes).status, ReadStatus::Done);
    EXPECT_EQ(bytes, "1\n");
}
#endif

TEST(Utf8, EscapedDecodingKeepsEveryByte)
{
    const std::string names[] = {"",
                                 "mob_db.txt",
                                 "espa\xF1ol",
                                 "\xC3",
                                 "\xED\xA0\x80",
                                 "caf\xC3\xA9 \xF0\x9F\x91\xBE",
                                 std::string("\x80\0\xFF", 3)};
    for (const std::string &name : names)
        EXPECT_EQ(encodeUtf8Escaped(decodeUtf8Escaped(name)), name);
    EXPECT_EQ(decodeUtf8Escaped("caf\xC3\xA9"), u"caf\u00E9");
    EXPECT_EQ(decodeUtf8Escaped("espa\xF1ol"), u"espa\xDCF1ol");
}

// A UTF-8 byte-order mark belongs to the file; a U+FEFF later is a character.
TEST(DatabaseFileLines, ByteOrderMarkAndUtf16)
{
    const DatabaseFile file("\xEF\xBB\xBF"
                            "1,a\n\xEF\xBB\xBF"
                            "2,b\r\n\xE9\n");
    ASSERT_EQ(file.lines(), 3u);
    EXPECT_EQ(file.line(0), "1,a");
    EXPECT_EQ(file.line(1), "\xEF\xBB\xBF"
                            "2,b");
    EXPECT_TRUE(file.isUtf8(1));
    EXPECT_FALSE(file.isUtf8(2));

    EXPECT_TRUE(looksLikeUtf16("\xFF\xFE"
                               "1\0"));
    EXPECT_TRUE(looksLikeUtf16(std::string("1\0000\0000\0002\0,\0", 10)));
    EXPECT_FALSE(looksLikeUtf16(std::string("1002,PORING\0,x\n", 15)));
}

// The lines that are not UTF-8 tell the file's script; UTF-8 lines beside them
// do not disturb it.
TEST(DatabaseFileLines, DetectTheLegacyEncoding)
{
    for (const test::LegacyFixture &fixture : test::kLegacyFixtures) {
        const DatabaseFile file("// caf\xC3\xA9 UTF-8\n" + test::legacyFile(fixture));
        ASSERT_TRUE(file.legacyEncoding()) << fixture.encoding;
        EXPECT_STREQ(file.legacyEncoding()->label, fixture.encoding);
    }
    EXPECT_EQ(DatabaseFile("1001,PORING\n").legacyEncoding(), nullptr); // nothing to tell
}

namespace {

struct FormRow {
    const char *name;
    std::string bytes;
    bool other; ///< refused as a whole, a form of its own
};

[[maybe_unused]] void PrintTo(const FormRow &row, std::ostream *out)
{
    *out << row.name;
}

class OtherForms : public testing::TestWithParam<FormRow> {};

// A database whose records are no lines (YAML, libconfig) is told as a whole;
// a text file with such a word in it, or any monster line, is not.
TEST_P(OtherForms, AreToldAsAWhole)
{
    EXPECT_EQ(otherFormOf(DatabaseFile(GetParam().bytes)) != nullptr, GetParam().other);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OtherForms,
    testing::Values(
        FormRow{"yaml", "Header:\n  Type: MOB_DB\n  Version: 4\n\nBody:\n  - Id: 1002\n", true},
        FormRow{"yamlTemplate", "# comments\nHeader:\n  Type: MOB_DB\n  Version: 4\n", true},
        FormRow{"libconfig", "// Hercules\nmob_db: (\n{\n\tId: 1002\n},\n)\n", true},
        FormRow{"libconfigEquals", "item_db = (\n{ Id: 501 }\n)\n", true},
        FormRow{"headerWordOnly", "Header: my monsters\n", false},
        FormRow{"withAMonsterLine",
                "Header:\nBody:\n" + std::string("1002") + std::string(56, ',') + "\n", false},
        FormRow{"textLines", "1002,PORING,Poring\n", false}),
    [](const auto &test) { return std::string(test.param.name); });

} // namespace
