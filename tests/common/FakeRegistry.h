// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/Registry.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace grimlark::test {

/// An in-memory registry under HKEY_LOCAL_MACHINE that records what was asked of it.
class FakeRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::string bytes;
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    std::set<std::string> writeProtected; ///< keys that refuse any access beyond reading
    int openHandles = 0;

    long openKey(Handle root, const std::string &subKey, std::uint32_t access, Handle &key) override
    {
        key = 0;
        auto found = keys.find(subKey);
        if (root != kHKeyLocalMachine || found == keys.end())
            return 2;
        if (writeProtected.count(subKey) && (access & ~kKeyRead) != 0)
            return 5; // access denied
        key = reinterpret_cast<Handle>(&found->second);
        ++openHandles;
        return 0;
    }
    long queryValue(Handle key, const std::string &name, std::uint32_t &type, unsigned char *buffer,
                    std::uint32_t &size) override
    {
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the handle is the key map's address
        auto &values = *reinterpret_cast<std::map<std::string, Value> *>(key);
        auto found = values.find(name);
        if (found == values.end())
            return 2;
        if (found->second.bytes.size() > size)
            return 234; // more data
        type = found->second.type;
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        std::copy(found->second.bytes.begin(), found->second.bytes.end(), buffer);
        return 0;
    }
    void closeKey(Handle key) override
    {
        if (key)
            --openHandles;
    }
};

} // namespace grimlark::test
