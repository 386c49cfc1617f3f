// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "EntryWarnings.h"
#include "LegacyEncoding.h"
#include "MonsterEntry.h"
#include "ServerRules.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

class ItemDatabase;

/// UTF-8 text in a legacy encoding's bytes, or nothing where the encoding has
/// no character for some of it. The system's converter does it, so the caller
/// supplies it.
using EncodeText =
    std::function<std::optional<std::string>(std::string_view utf8, const LegacyEncoding &)>;

/// The names of `entry` as the server's file holds them when written in
/// `encoding` (null: UTF-8, as the entry holds them). A name `encode` cannot
/// put in it stays UTF-8, and `problems` gets a sentence saying so. The iRO
/// name is written only in a layout that has one; elsewhere it is the
/// Display Name's, as a classic line's names' bytes have it.
NameBytes namesInEncoding(const MonsterEntry &entry, const LegacyEncoding *encoding,
                          const EncodeText &encode, std::vector<std::string> &problems);

/// Everything said under the entry `entry` generates as `form`, in the order
/// shown: the names `encoding` cannot hold, what the servers will not take as
/// meant (entryWarnings, with `lookup`), `loadNotes` (of the record the
/// values were loaded from), what no box shows, where the entry goes, what
/// its layout cannot hold (carriedLosses), and the encoding to save a line
/// in where its names are not ASCII.
/// With `items`, the drops' items it lacks are said too.
std::vector<std::string> outputNotes(const MonsterEntry &entry, Output form,
                                     const LegacyEncoding *encoding, const EncodeText &encode,
                                     const IdLookup &lookup,
                                     const std::vector<std::string> &loadNotes,
                                     const ItemDatabase *items = nullptr);

} // namespace grimlark
