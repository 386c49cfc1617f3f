// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The Windows registry through advapi32; built only on Windows.
#include "Registry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>
#include <string>

namespace grimlark {

namespace {

std::wstring wide(const std::string &utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(std::size_t(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), length);
    return text;
}

/// The registry through its wide-character calls, so that a value (a path with
/// "Ü") arrives whole whatever the ANSI code page; text values are handed on in
/// UTF-8, within the caller's buffer as the ANSI calls would be.
class WindowsRegistry final : public Registry {
public:
    long openKey(Handle root, const std::string &subKey, std::uint32_t access, Handle &key) override
    {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExW(reinterpret_cast<HKEY>(root), wide(subKey).c_str(), 0,
                                          static_cast<REGSAM>(access), &opened);
        key = reinterpret_cast<Handle>(opened);
        return result;
    }
    long queryValue(Handle key, const std::string &name, std::uint32_t &type, unsigned char *buffer,
                    std::uint32_t &size) override
    {
        // As many characters as the caller has bytes, as with the ANSI call.
        std::wstring value(size, L'\0');
        DWORD valueType = 0;
        DWORD valueSize = size * sizeof(wchar_t);
        const LONG result =
            RegQueryValueExW(reinterpret_cast<HKEY>(key), wide(name).c_str(), nullptr, &valueType,
                             reinterpret_cast<BYTE *>(value.data()), &valueSize);
        type = valueType;
        if (result != ERROR_SUCCESS)
            return result;
        if (valueType != REG_SZ && valueType != REG_EXPAND_SZ && valueType != REG_MULTI_SZ) {
            if (valueSize > size) // data of another kind, byte for byte
                return ERROR_MORE_DATA;
            std::memcpy(buffer, value.data(), valueSize);
            size = valueSize;
            return ERROR_SUCCESS;
        }
        const int characters = int(valueSize / sizeof(wchar_t)); // its NUL, if stored, included
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, value.data(), characters, nullptr, 0, nullptr, nullptr);
        if (bytes > int(size))
            return ERROR_MORE_DATA;
        WideCharToMultiByte(CP_UTF8, 0, value.data(), characters, reinterpret_cast<char *>(buffer),
                            bytes, nullptr, nullptr);
        size = std::uint32_t(bytes);
        return ERROR_SUCCESS;
    }
    void closeKey(Handle key) override
    {
        if (key)
            RegCloseKey(reinterpret_cast<HKEY>(key));
    }
};

} // namespace

Registry &windowsRegistry()
{
    static WindowsRegistry registry;
    return registry;
}

} // namespace grimlark
