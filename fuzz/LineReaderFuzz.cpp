// Arbitrary bytes delivered in arbitrary chunk sizes: the lines the splitter
// yields, each followed by its terminator, are the input, byte for byte; and so
// are the lines of the whole-text split.

#include "LineReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace grimlark;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is cut into chunks.
    const unsigned cut = data[0];
    const char *bytes = reinterpret_cast<const char *>(data) + 1;
    const size_t length = size - 1;

    std::string joined;
    bool lastUnterminated = false;
    LineSplitter splitter([&](std::string_view line, LineEnd end) {
        if (lastUnterminated)
            std::abort(); // nothing may follow a line without terminator
        joined.append(line);
        joined.append(terminatorText(end));
        lastUnterminated = end == LineEnd::None;
    });
    size_t chunk = 1 + cut % 17;
    for (size_t at = 0; at < length;) {
        const size_t n = length - at < chunk ? length - at : chunk;
        splitter.feed(bytes + at, n);
        at += n;
        chunk = 1 + (chunk * 7 + cut) % 61;
    }
    splitter.finish();
    const std::string input(bytes, length);
    if (joined != input)
        std::abort(); // a byte was lost or invented

    // The whole-text split must give the same lines, as views into the input.
    std::string whole;
    splitLines(input, [&](std::string_view line, LineEnd end) {
        if (line.data() < input.data() || line.data() + line.size() > input.data() + input.size())
            std::abort();
        whole.append(line);
        whole.append(terminatorText(end));
    });
    if (whole != input)
        std::abort();
    return 0;
}
