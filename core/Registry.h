// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstdint>
#include <string>

namespace grimlark {

/// The read-only registry operations the About dialog needs, shaped like the
/// Windows calls so that the lookup logic above them is the same on every
/// platform. Results are 0 on success, any other number on failure.
class Registry {
public:
    using Handle = std::uintptr_t;

    Registry() = default;
    virtual ~Registry() = default;
    Registry(const Registry &) = delete; // a seam, used through references only
    Registry &operator=(const Registry &) = delete;
    virtual long openKey(Handle root, const std::string &subKey, std::uint32_t access,
                         Handle &key) = 0;
    /// Reads value `name` into `buffer` of `size` bytes; `size` becomes the value's
    /// size. Fails (non-zero) when the value is missing or larger than the buffer.
    virtual long queryValue(Handle key, const std::string &name, std::uint32_t &type,
                            unsigned char *buffer, std::uint32_t &size) = 0;
    virtual void closeKey(Handle key) = 0;
};

/// An open key, closed when it goes out of scope (on every return and throw).
class OpenKey {
public:
    explicit OpenKey(Registry &registry) : m_registry(registry) {}
    ~OpenKey() { m_registry.closeKey(m_key); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    OpenKey(OpenKey &&) = delete;
    OpenKey &operator=(OpenKey &&) = delete;

    /// Opens `subKey` of `root`; 0 on success, as Registry::openKey.
    long open(Registry::Handle root, const std::string &subKey, std::uint32_t access)
    {
        return m_registry.openKey(root, subKey, access, m_key);
    }
    Registry::Handle handle() const { return m_key; }

private:
    Registry &m_registry;
    Registry::Handle m_key = 0;
};

/// A registry with no keys at all: what platforms without one offer.
class NoRegistry final : public Registry {
public:
    long openKey(Handle, const std::string &, std::uint32_t, Handle &key) override
    {
        key = 0;
        return 2; // "file not found", as Windows answers for a missing key
    }
    long queryValue(Handle, const std::string &, std::uint32_t &, unsigned char *,
                    std::uint32_t &) override
    {
        return 2;
    }
    void closeKey(Handle) override {}
};

constexpr Registry::Handle kHKeyLocalMachine = 0x80000002u;
/// Read access only: asking for write access as well fails for ordinary users.
constexpr std::uint32_t kKeyRead = 0x20019u;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

#ifdef _WIN32
/// The machine's own registry, through advapi32.
Registry &windowsRegistry();
#endif

} // namespace grimlark
