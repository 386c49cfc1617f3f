// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "LineReader.h"

#include <cstring>

namespace grimlark {

void splitLines(std::string_view text, const LineHandler &onLine)
{
    const char *p = text.data();
    const char *const end = p + text.size();
    // The next LF and CR at or after p, each found with memchr and searched for
    // again only once p has passed it, so every byte is scanned at most twice.
    auto find = [end](const char *from, char c) {
        const void *at = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return at ? static_cast<const char *>(at) : end;
    };
    const char *nextLF = find(p, '\n');
    const char *nextCR = find(p, '\r');
    while (p < end) {
        if (nextLF < p)
            nextLF = find(p, '\n');
        if (nextCR < p)
            nextCR = find(p, '\r');
        const char *stop = nextLF < nextCR ? nextLF : nextCR;
        onLine(std::string_view(p, static_cast<std::size_t>(stop - p)));
        if (stop == end)
            return;
        p = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
}

std::size_t countLines(std::string_view text)
{
    std::size_t lines = 0;
    splitLines(text, [&lines](std::string_view) { ++lines; });
    return lines;
}

} // namespace grimlark
