// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Arbitrary bytes as a database file, through what the browser runs: the file
// read back whole (readFile) is the input, byte for byte; the lines splitLines
// gives are views into it with exactly one terminator between two of them; and
// countLines agrees with them.

#include "core/FileReader.h"
#include "core/LineReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace grimlark;

namespace {

bool isTerminator(std::string_view gap)
{
    return gap == "\n" || gap == "\r" || gap == "\r\n";
}

const std::string &scratchPath()
{
    static const std::string path = "/tmp/grimlark-fuzz-" + std::to_string(::getpid()) + ".txt";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    if (FILE *file = std::fopen(scratchPath().c_str(), "wb")) {
        std::fwrite(input.data(), 1, input.size(), file);
        std::fclose(file);
    } else {
        std::abort();
    }
    std::string text;
    if (readFile(scratchPath(), text).status != ReadStatus::Done || text != input)
        std::abort(); // a byte was lost or invented on the way in

    size_t lines = 0;
    const char *next = text.data();
    splitLines(text, [&](std::string_view line) {
        if (line.data() < next || line.data() + line.size() > text.data() + text.size())
            std::abort();
        const std::string_view gap(next, static_cast<size_t>(line.data() - next));
        if (lines++ == 0 ? !gap.empty() : !isTerminator(gap))
            std::abort(); // lines must tile the text, one terminator apart
        if (line.find_first_of("\r\n") != std::string_view::npos)
            std::abort();
        next = line.data() + line.size();
    });
    const std::string_view rest(next, static_cast<size_t>(text.data() + text.size() - next));
    if (!rest.empty() && !isTerminator(rest))
        std::abort();
    if (countLines(text) != lines)
        std::abort();
    return 0;
}
