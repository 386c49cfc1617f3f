// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QPointer>

namespace grimlark::ui {

/// A window's reference to a window it opens, of which at most one exists.
template <typename Window> class WindowReference {
public:
    /// The window, made (not shown) when there is none. Only the commands that
    /// open a window use this; everything else asks for the existing one.
    Window *use()
    {
        if (!m_window)
            m_window = new Window;
        return m_window.data();
    }
    /// The window if it exists, without making it.
    Window *existing() const { return m_window.data(); }
    /// Empties the reference (the window itself is closed by its owner).
    void release() { m_window.clear(); }

private:
    // A guarded pointer: a closed window deletes itself (delete on close), so its
    // reference must empty at once, before any command could reach the destroyed
    // window, and the next use builds the window afresh.
    QPointer<Window> m_window;
};

} // namespace grimlark::ui
