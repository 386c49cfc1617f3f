// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Registry.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace grimlark {

/// Raised when a registry value cannot be examined (a value of size 0).
// Thrown by value, as every exception is: it must stay copyable.
class RegistryValueError final : public std::runtime_error { // clazy:exclude=copyable-polymorphic
public:
    using std::runtime_error::runtime_error;
};

constexpr std::size_t kRegistryBufferSize = 1024;

/// Reads value `subKeyRef` of key `keyName` under `keyRoot` into `keyVal`.
/// Returns false, with `keyVal` emptied, when the key cannot be opened or the value
/// cannot be read (missing, or over 1024 bytes). A text value (type 1) loses its
/// terminating NUL; a 32-bit number (type 4) becomes its decimal text; other types
/// leave `keyVal` as it was and still count as read.
/// @throws RegistryValueError for a value of size 0; the key is closed first.
bool GetKeyValue(Registry &registry, Registry::Handle keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyVal);

/// The command line that starts the system information tool, or nothing when the
/// registry does not lead to it: the first key's path as it stands, else the
/// second key's folder plus "\MSINFO32.EXE" when that file exists.
std::optional<std::string>
findSysInfoCommand(Registry &registry, const std::function<bool(const std::string &)> &fileExists);

} // namespace grimlark
