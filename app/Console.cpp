// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Console.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <string>
#endif

namespace grimlark::app {

#ifdef _WIN32
namespace {

/// The console `stream` writes to, or null when it writes to a file or a pipe.
HANDLE consoleOf(std::FILE *stream)
{
    const int descriptor = _fileno(stream);
    if (descriptor < 0)
        return nullptr;
    auto *handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0 ? handle : nullptr;
}

} // namespace
#endif

bool writeText(std::FILE *stream, std::string_view text)
{
#ifdef _WIN32
    if (HANDLE console = consoleOf(stream)) {
        // What the stream holds goes first, so that the output keeps its order.
        if (std::fflush(stream) != 0)
            return false;
        if (text.empty())
            return true;
        // Invalid UTF-8 (a byte of a file's own) becomes U+FFFD, as a viewer shows it.
        const int units =
            MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
        std::wstring wide(std::size_t(units), L'\0');
        (void)MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), units);
        const wchar_t *next = wide.data();
        DWORD left = DWORD(wide.size());
        while (left > 0) {
            DWORD written = 0;
            if (WriteConsoleW(console, next, left, &written, nullptr) == 0 || written == 0) {
                errno = EIO;
                return false;
            }
            next += written;
            left -= written;
        }
        return true;
    }
#endif
    if (text.empty())
        return true;
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

} // namespace grimlark::app
