// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The Windows registry through advapi32; built only on Windows.
#include "Registry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace grimlark {

namespace {

class WindowsRegistry final : public Registry {
public:
    long openKey(Handle root, const std::string &subKey, std::uint32_t access, Handle &key) override
    {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(reinterpret_cast<HKEY>(root), subKey.c_str(), 0,
                                          static_cast<REGSAM>(access), &opened);
        key = reinterpret_cast<Handle>(opened);
        return result;
    }
    long queryValue(Handle key, const std::string &name, std::uint32_t &type, unsigned char *buffer,
                    std::uint32_t &size) override
    {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr,
                                             &valueType, buffer, &valueSize);
        type = valueType;
        size = valueSize;
        return result;
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
