// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Arbitrary bytes as a database file's contents, in memory, through what the
// browser runs: the lines splitLines gives are views into the text with
// exactly one terminator between two of them, countLines agrees, and the
// browser's DatabaseFile holds the same lines (a UTF-8 byte-order mark at the
// start aside), each told UTF-8 or not as isValidUtf8 tells it, with the
// legacy encoding told by uchardet without a fault. (Reading a file back byte
// for byte is a unit test: writing each input to a file here would slow the
// fuzzer a thousandfold.)

#include "core/DatabaseFile.h"
#include "core/LineReader.h"
#include "core/Utf8.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace grimlark;

namespace {

bool isTerminator(std::string_view gap)
{
    return gap == "\n" || gap == "\r" || gap == "\r\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);

    std::vector<std::string_view> lines;
    const char *next = text.data();
    splitLines(text, [&](std::string_view line) {
        if (line.data() < next || line.data() + line.size() > text.data() + text.size())
            std::abort();
        const std::string_view gap(next, static_cast<size_t>(line.data() - next));
        if (lines.empty() ? !gap.empty() : !isTerminator(gap))
            std::abort(); // lines must tile the text, one terminator apart
        if (line.find_first_of("\r\n") != std::string_view::npos)
            std::abort();
        next = line.data() + line.size();
        lines.push_back(line);
    });
    const std::string_view rest(next, static_cast<size_t>(text.data() + text.size() - next));
    if (!rest.empty() && !isTerminator(rest))
        std::abort();
    if (countLines(text) != lines.size())
        std::abort();

    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        return 0; // the file's own mark shifts the first line; the unit tests cover it
    const DatabaseFile file(text);
    if (file.lines() != lines.size())
        std::abort();
    for (size_t i = 0; i < lines.size(); ++i)
        if (file.line(i) != lines[i] || file.isUtf8(i) != isValidUtf8(lines[i]))
            std::abort(); // the browser would list another line than the file holds
    return 0;
}
