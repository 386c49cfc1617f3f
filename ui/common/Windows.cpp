#include "Windows.h"

#include "frmAbout/frmAbout.h"
#include "frmBrowser/frmBrowser.h"
#include "frmMain/frmMain.h"
#include "frmOutput/frmOutput.h"

#include <QPointer>

namespace grimlark::ui::Windows {

namespace {

// QPointer empties itself when a closed window is destroyed.
QPointer<frmMain> g_main;
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

frmMain *main() { return use(g_main); }
frmOutput *output() { return use(g_output); }
frmAbout *about() { return use(g_about); }
frmBrowser *browser() { return use(g_browser); }

frmMain *existingMain() { return g_main.data(); }
frmOutput *existingOutput() { return g_output.data(); }
frmAbout *existingAbout() { return g_about.data(); }
frmBrowser *existingBrowser() { return g_browser.data(); }

void releaseOutput() { g_output = nullptr; }

void releaseAll()
{
    g_main = nullptr;
    g_output = nullptr;
    g_about = nullptr;
    g_browser = nullptr;
}

} // namespace grimlark::ui::Windows
