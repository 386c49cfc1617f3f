// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/Layout.h"

#include <QStringList>

namespace grimlark::app {

/// `grimlark --check`: every monster line of each file (decoded as the browser
/// decodes it, loaded as the editor loads it), each refusal and each finding
/// of the servers in `servers` (Server bits) printed on standard output as
/// "FILE:LINE: FIELD: message", in file order. Returns 0 when nothing was
/// found, 1 when something was, 2 when a file could not be read (said on
/// standard error) or the answer could not be written.
int checkFiles(const QStringList &paths, unsigned servers);

/// `grimlark --convert`: every line of each file written to standard output in
/// `target`, as a text line or (`sql`) as that layout's SQL statements, names
/// in the file's own bytes; comments and the lines of a dump that are no
/// monsters kept in place as comments. What could not be converted, or was
/// lost, on standard error as "FILE:LINE: FIELD: message". Returns 0 when
/// nothing was lost, 1 when something was, 2 when a file could not be read or
/// the output could not be written.
/// Drops go through the item databases beside each file (the server's own:
/// its names to IDs) and those of `itemFiles` (the target's: IDs to names).
/// `inPlace`: each file's conversion replaces the file instead, in its own
/// line ends, as Save Into File writes (replaceFileSafely: its previous
/// version kept as its backup); a file that changed while it was converted,
/// or that cannot be written, is left as it was, said on standard error, and
/// the status is 2.
int convertFiles(const QStringList &paths, Layout target, bool sql,
                 const QStringList &itemFiles = {}, bool inPlace = false);

} // namespace grimlark::app
