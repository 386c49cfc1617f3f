// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace grimlark::ui {

/// Where a window beside the editor goes first.
enum class Side { Right, Below };

/// What a window's place beside the editor depends on, in screen pixels.
struct PlacementInput {
    QRect screen;                 ///< the part of the editor's screen windows may take
    QRect editor;                 ///< the editor's frame
    QRect keepClear;              ///< what of the editor must stay in sight: title and menu
                                  ///< bars and its top band of fields (ID, names, level)
    QSize window;                 ///< the frame size of the window to place
    Side preferred = Side::Right; ///< the side tried first
    std::vector<QRect> others;    ///< the frames of the program's other shown windows
};

/// Where the window's frame goes (its top left corner), always whole on the
/// screen where it fits and with its title bar on it where it does not: beside
/// the editor, on the preferred side first, then right, left and below, clear
/// of the editor and the other windows where it can be; else clear of the
/// editor's title, menu and top band of fields and of the other windows,
/// covering as little of the rest as may be; else where it covers the least.
QPoint placeFor(const PlacementInput &input);

/// Moves `window`, about to be shown for the first time, where placeFor puts
/// it beside `editor`, whose part `keepClear` (global coordinates) stays in
/// sight.
void placeBeside(QWidget &window, const QWidget &editor, QRect keepClear, Side preferred);

/// Puts `window` where it was when the program last remembered it under `key`;
/// false, leaving it where it was, when it has no place remembered or that
/// place is not wholly on one of today's screens (saved on a larger one).
bool restorePlace(QWidget &window, const QString &key);
/// True when a window's frame, as a saved place gives it, is wholly on one of
/// `screens` (their available parts): a place saved on a larger screen, off
/// every screen, of no size or of an absurd one is not.
bool isUsablePlace(QRect frame, const QList<QRect> &screens);
/// Remembers where `window` is, under `key`, for the next run.
void rememberPlace(const QWidget &window, const QString &key);

/// Runs `then` once `window` is on screen (exposed), so that what is placed
/// beside it is placed where the window manager put it, not where it asked.
void whenOnScreen(QWidget &window, std::function<void()> then);

} // namespace grimlark::ui
