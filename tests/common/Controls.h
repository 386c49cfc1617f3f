// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

// Finding the windows and their controls from outside, as a user's tools do:
// by type and object name, never through a window's members. For the window
// tests and the benchmarks.

#include <QApplication>
#include <QWidget>

namespace grimlark::test {

/// The control of `window` (at any depth) with this object name, as the user's
/// tools find it; the test run ends at once when there is none of that type.
template <typename Control> Control *control(const QObject *window, const QString &name)
{
    Control *found = window ? window->findChild<Control *>(name) : nullptr;
    if (!found)
        qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(name));
    return found;
}
template <typename Control> Control *control(const QObject *window, const char *name)
{
    return control<Control>(window, QString::fromLatin1(name));
}

/// The open top-level window of this type: the one shown, else one made but
/// not yet shown or destroyed; nullptr when there is none.
template <typename Window> Window *window()
{
    Window *hidden = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<Window *>(widget)) {
            if (found->isVisible())
                return found;
            if (!hidden)
                hidden = found;
        }
    }
    return hidden;
}

} // namespace grimlark::test
