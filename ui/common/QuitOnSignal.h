// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <functional>

class QObject;

namespace grimlark::ui {

/// Catches SIGTERM, SIGINT and SIGHUP from here on, so that one that comes while
/// the program is still starting is kept until quitOnTerminationSignals can
/// answer it. Call first thing in main, before any Qt object exists. A signal
/// that was ignored when the program started (under nohup) stays ignored. A
/// no-op where the platform has no such signals.
void catchTerminationSignals();

/// Before anything can take their numbers: a standard stream that the program
/// was started without (`>&-`) is given a descriptor that refuses every write,
/// so that a write to it fails as it should, rather than landing in the first
/// file or socket the program opens. A no-op where the platform has no such
/// descriptors.
void holdStandardStreams();

/// For the terminal commands, which run no event loop: the signals caught end
/// the program at once, as their default action does (the shell sees 128 plus
/// the signal's number), one that came already too. SIGPIPE is ignored, so
/// that a reader that went away is a failed write, ended quietly by the
/// caller.
void endOnTerminationSignals();

/// Answers the signals caught (also those that came before this call): runs
/// `close`, which closes the windows as the user would, then ends the event
/// loop, so the program ends with status 0, as a session logout or `kill`
/// expects of a desktop program.
void quitOnTerminationSignals(QObject *parent, std::function<void()> close);

} // namespace grimlark::ui
