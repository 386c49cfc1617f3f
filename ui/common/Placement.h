// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace grimlark::ui {

/// Where a window beside the editor goes first.
enum class Side { Right, Below };

/// Moves `window`, about to be shown for the first time, next to `editor`, on
/// the editor's screen and clear of the program's other shown windows: on the
/// `preferred` side first, then to the right, to the left and below (the
/// browser goes right, the output below), on the first side where it covers
/// none of the editor, or else where it covers the least, never its title bar.
void placeBeside(QWidget &window, const QWidget &editor, Side preferred);

/// Puts `window` where it was when the program last remembered it under `key`
/// (kept on a screen, should the screens have changed); false when it has no
/// place remembered.
bool restorePlace(QWidget &window, const QString &key);
/// Remembers where `window` is, under `key`, for the next run.
void rememberPlace(const QWidget &window, const QString &key);

/// Runs `then` once `window` is on screen (exposed), so that what is placed
/// beside it is placed where the window manager put it, not where it asked.
void whenOnScreen(QWidget &window, std::function<void()> then);

} // namespace grimlark::ui
