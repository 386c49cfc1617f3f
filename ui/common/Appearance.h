// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QFont>
#include <QIcon>
#include <QPalette>

class QApplication;

class QWidget;

namespace grimlark::ui {

/// Twips (1/1440 inch) to logical pixels: 15 twips make one pixel at 96 dpi.
constexpr int px(int twips)
{
    return twips / 15;
}

/// Sets the look that every window is drawn for: the Fusion style, so that sizes
/// do not depend on the desktop's theme, and the small sans-serif face that the
/// fixed control sizes were chosen for.
/// Also names the application and its version, and keeps Alt+letter out of the
/// text fields (Alt alone opens the menu bar).
void applyAppearance(QApplication &app);

/// "major.minor.patch", the project's version.
QString programVersion();

/// The face of every control: Liberation Sans (metric-compatible with Arial) at
/// 10 pixels, about 7.5 points at 96 dpi.
QFont applicationFont();

/// The bold face of 13 pixels, about 10 points, that shows the generated line.
QFont outputFont();

/// True when `palette` draws light text on a dark window (a dark desktop theme):
/// colours the windows were drawn with for a light one then give way to it.
bool isDark(const QPalette &palette);

/// The program's 32 x 32, 16-colour icon.
QIcon programIcon();

/// What every window of the program starts with: its object name, deletion
/// when it closes (the next use builds it afresh), the program's icon, a title
/// bar with the buttons in `buttons` (Qt::WindowCloseButtonHint and friends)
/// and no others, and its title.
void setUpWindow(QWidget &window, const QString &objectName, Qt::WindowFlags kind,
                 Qt::WindowFlags buttons, const QString &title);

/// Shows `window`, in front of the others, with the keyboard.
void bringToFront(QWidget &window);

} // namespace grimlark::ui
