#include "AppWindows.h"

#include "frmAbout/frmAbout.h"
#include "frmBrowser/frmBrowser.h"
#include "frmMain/frmMain.h"
#include "frmOutput/frmOutput.h"

#include <QPointer>

namespace grimlark::ui::AppWindows {

namespace {

// QPointer empties itself when a closed window is destroyed.
QPointer<frmMain> g_editor;
QPointer<frmOutput> g_output;
QPointer<frmAbout> g_about;
QPointer<frmBrowser> g_browser;

template <typename Window> Window *use(QPointer<Window> &reference)
{
    if (!reference)
        reference = new Window;
    return reference.data();
}

} // namespace

frmMain *editor() { return use(g_editor); }
frmOutput *output() { return use(g_output); }
frmAbout *about() { return use(g_about); }
frmBrowser *browser() { return use(g_browser); }

frmMain *existingEditor() { return g_editor.data(); }
frmOutput *existingOutput() { return g_output.data(); }
frmAbout *existingAbout() { return g_about.data(); }
frmBrowser *existingBrowser() { return g_browser.data(); }

void releaseOutput() { g_output = nullptr; }

void releaseAll()
{
    g_editor = nullptr;
    g_output = nullptr;
    g_about = nullptr;
    g_browser = nullptr;
}

} // namespace grimlark::ui::AppWindows
