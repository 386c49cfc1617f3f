// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "DatabaseRead.h"
#include "core/EntryWarnings.h"
#include "core/FileWrite.h"
#include "core/ItemDatabase.h"
#include "core/MonsterEntry.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace grimlark::ui {

/// A monster to be saved into a database file: in place of one of its
/// records, or added as its last monster.
struct SaveRequest {
    QString path;
    MonsterEntry entry;
    /// The items the editor names drops by: a drop moves through them where
    /// the file's layout names items otherwise.
    std::shared_ptr<const ItemDatabase> items;
    /// The record replaced (its place in the file as listed); none: added.
    std::optional<std::size_t> record;
    /// The file as listed, where it is: saved into only while it holds that.
    std::optional<Fingerprint> listed;
    /// The encoding its names are in, where the user chose one for the file;
    /// else the file's own (ReadDatabase::namesEncoding).
    std::optional<const LegacyEncoding *> namesIn;
    /// The user has seen what the save changes beyond the record, and agreed.
    bool confirmed = false;
};

/// How a save ended.
struct SaveOutcome {
    enum class Status {
        Saved,     ///< written; the file as now listed in `listing`
        Unchanged, ///< the file holds the monster as it is already: nothing written
        Confirm,   ///< not written: `notes` say what it would change beyond the record
        Changed,   ///< not written: the file is no longer as it was listed
        Refused,   ///< not written: `reason`, the file as it was
    };
    Status status = Status::Refused;
    std::string reason; ///< Refused: why, as a clause ("no space left on device")
    std::vector<std::string> notes;
    ReadDatabase listing;   ///< Saved: the file as written, cut as the browser lists it
    std::size_t record = 0; ///< Saved, Unchanged: the monster's record in it
    std::string written;    ///< the record as UTF-8, as Code Output shows it
    Output form = Output::Text;
};

/// Saves as the request says, in the file's own format, layout, encoding and
/// line ends, every other byte of the file kept (see replaceFileSafely). The
/// file is read here, and read back once made: a file whose new bytes would
/// not list the monster, whole, where it was put is not written. Without
/// `confirmed`, a save that changes more than the record (the layout of the
/// monster, another monster of its ID in the file, line ends the file mixes,
/// names the encoding cannot hold) is not written but asks. Runs on any thread.
SaveOutcome saveIntoFile(const SaveRequest &request, FileSteps &steps = systemFileSteps());

} // namespace grimlark::ui
