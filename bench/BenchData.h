// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <string>

namespace grimlark::bench {

/// A database file of `lines` lines shaped like a server's: a comment header,
/// blank lines and comment lines among monster lines of about 150 bytes, CRLF
/// endings. Written once per size into the temporary folder; returns its path.
std::string databaseFile(int lines);

/// rAthena's YAML monster database of `monsters` monsters, shaped like its
/// renewal file (about 870 bytes a monster: some thirty keys, drops, Modes,
/// comments between them). Written once per size; returns its path.
std::string yamlDatabaseFile(int monsters);
/// The same of Hercules' libconfig database (a group a monster, tabs, drops
/// by name, one commented out now and then), made once a run.
std::string configDatabaseFile(int monsters);

/// The file's bytes.
std::string readAll(const std::string &path);

/// The process's resident memory now and at its peak since the last reset, in bytes.
long residentBytes();
long peakResidentBytes();
/// Starts a new peak measurement (Linux; elsewhere the peak is the process's).
void resetPeak();

} // namespace grimlark::bench
