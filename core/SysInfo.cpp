// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "SysInfo.h"

#include <cstdint>
#include <vector>

namespace grimlark {

namespace {

const char kFirstKey[] = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const char kFirstValue[] = "PATH";
const char kSecondKey[] = R"(SOFTWARE\Microsoft\Shared Tools Location)";
const char kSecondValue[] = "MSINFO";
const char kToolFile[] = "\\MSINFO32.EXE";

/// A number value: the kept bytes from last to first as capital hex digits, read
/// as one hexadecimal number and written in decimal (as a signed 32-bit value).
std::string dwordText(const std::string &previous, const std::string &kept)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex = previous;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        const auto byte = static_cast<unsigned char>(*it);
        if (byte >= 16)
            hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    std::uint64_t value = 0;
    for (char c : hex) {
        const char *d = std::char_traits<char>::find(digits, 16, c);
        if (!d || value > 0xFFFFFFFFu)
            return "&h" + hex; // not a number the formatting could read: left as text
        value = value * 16 + static_cast<std::uint64_t>(d - digits);
    }
    if (value > 0xFFFFFFFFu)
        return "&h" + hex;
    return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

} // namespace

bool GetKeyValue(Registry &registry, Registry::Handle keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyVal)
{
    OpenKey key(registry);
    std::vector<unsigned char> buffer(kRegistryBufferSize, 0);
    std::uint32_t size = kRegistryBufferSize;
    std::uint32_t type = 0;
    if (key.open(keyRoot, keyName, kKeyRead) != 0 ||
        registry.queryValue(key.handle(), subKeyRef, type, buffer.data(), size) != 0) {
        keyVal.clear();
        return false;
    }
    if (size == 0 || size > kRegistryBufferSize)
        throw RegistryValueError("registry value has no character to examine");
    // Character number `size` (from 1) decides whether the value carried its NUL.
    const std::string whole(buffer.begin(), buffer.end());
    const std::string kept = whole.substr(0, buffer[size - 1] == 0 ? size - 1 : size);
    if (type == kRegSz)
        keyVal = kept;
    else if (type == kRegDword)
        keyVal = dwordText(keyVal, kept);
    return true;
}

std::optional<std::string>
findSysInfoCommand(Registry &registry, const std::function<bool(const std::string &)> &fileExists)
{
    try {
        std::string path;
        if (GetKeyValue(registry, kHKeyLocalMachine, kFirstKey, kFirstValue, path))
            return path;
        if (!GetKeyValue(registry, kHKeyLocalMachine, kSecondKey, kSecondValue, path))
            return std::nullopt;
        if (!fileExists(path + kToolFile))
            return std::nullopt;
        return path + kToolFile;
    } catch (const RegistryValueError &) {
        return std::nullopt;
    }
}

} // namespace grimlark
