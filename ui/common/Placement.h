// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace grimlark::ui {

/// Where a window beside the editor goes first.
enum class Side { Right, Below };

/// Moves `window`, about to be shown for the first time, next to `editor` where
/// the editor's screen has room: on the `preferred` side first, then to the
/// right, to the left and below, so that it covers neither the editor's fields
/// nor another window of the program already shown (the browser goes right,
/// the output below). Where no side has room, on the side where it covers the
/// least of the editor, kept on the screen.
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
