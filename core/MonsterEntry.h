// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Layout.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace grimlark {

struct YamlEntryText;
struct ConfigEntryText;

/// Index of each mode flag; the order is the order in which the weights are summed.
enum ModeFlag : int {
    CanMove,
    Looter,
    Aggressive,
    Assist,
    CastSensor,
    Boss,
    Plant,
    CanAttack,
    Detector,
    ChangeTarget,
    ChangeChase,
    Angry,
    ModeFlagCount
};

/// List position: 0 for the first entry, -1 for no selection.
using ListPosition = std::int16_t;
constexpr ListPosition kNoSelection = -1;

/// One monster as the editor holds it: 53 texts exactly as typed, four list
/// positions and twelve mode flags. The record never interprets its texts.
struct MonsterEntry {
    std::string ID, Name, JName, Lvl, HP, SP, EXP, JEXP, Range1, ATK1, ATK2, DEF, MDEF;
    std::string STR, AGI, VIT, INT, DEX, LUK, Range2, Range3;
    ListPosition Scale = kNoSelection;
    ListPosition Race = kNoSelection;
    ListPosition Element = kNoSelection;
    ListPosition ELvl = kNoSelection;
    std::array<bool, ModeFlagCount> Mode{};
    std::string Speed, ADelay, aMotion, DMotion;
    std::string DropID1, Drop1Per, DropID2, Drop2Per, DropID3, Drop3Per;
    std::string DropID4, Drop4Per, DropID5, Drop5Per, DropID6, Drop6Per;
    std::string DropID7, Drop7Per, DropID8, Drop8Per, DropID9, Drop9Per;
    std::string DropCardID, DropCardPer, MEXP, EXPPer;
    std::string MVP1ID, MVP1Per, MVP2ID, MVP2Per, MVP3ID, MVP3Per;

    /// What a loaded line holds that the editor has no box for: carried with
    /// the monster and written back, so that nothing of the line is lost.
    struct Carried {
        Layout layout = Layout::Classic; ///< the layout it is written in
        std::string otherName;           ///< the later layout's iROName (kROName is JName)
        bool hasOtherName = false;       ///< false: the other name is JName again
        int modeAbove = 0;               ///< Mode bits no ticked box stands for, as the
                                         ///< layout means them (4096 and up, classically)
        std::string modeText;            ///< a Mode the later servers read otherwise than as
                                         ///< decimal, as written ("0x3195", "0131"), kept as
                                         ///< long as the Mode keeps its value
        std::string elementText;         ///< an element code as written where the program
                                         ///< writes it otherwise ("93", "05"), kept as long
                                         ///< as the lists keep their meaning
        /// A YAML entry as its file wrote it: what no box holds, and the
        /// bytes of what is left unchanged.
        std::shared_ptr<const YamlEntryText> yaml;
        /// A group of Hercules' database as its file wrote it, likewise.
        std::shared_ptr<const ConfigEntryText> config;
        /// Generate gives each drop of a YAML entry the Index of its box, so
        /// that an override puts it in place of that drop, not after them.
        bool dropsByIndex = false;
    } carried;

    bool operator==(const MonsterEntry &other) const;
    bool operator!=(const MonsterEntry &other) const { return !(*this == other); }
};

/// The sample monster the editor starts with: every text its initial value, no
/// list position selected, no mode flag set.
MonsterEntry startupEntry();

} // namespace grimlark
