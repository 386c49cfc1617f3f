// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QPointer>

class frmMain;
class frmOutput;
class frmAbout;
class frmBrowser;

namespace grimlark::ui {

/// An application-wide reference to one window, of which at most one exists.
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

/// The program's one reference to each of its four windows (named apart from
/// the operating system, and with no function called main, which MinGW's
/// windowed Qt programs define as a macro).
namespace AppWindows {

inline WindowReference<frmMain> editor;
inline WindowReference<frmOutput> output;
inline WindowReference<frmAbout> about;
inline WindowReference<frmBrowser> browser;

/// Empties all four references, in the order editor, output, About, browser.
inline void releaseAll()
{
    editor.release();
    output.release();
    about.release();
    browser.release();
}

} // namespace AppWindows

} // namespace grimlark::ui
