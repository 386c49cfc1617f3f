#pragma once

class frmMain;
class frmOutput;
class frmAbout;
class frmBrowser;

namespace grimlark::ui {

/// The program's one reference to each of its four windows (named apart from
/// the operating system, and with no function called main, which MinGW's
/// windowed Qt programs define as a macro). Using a reference
/// that is empty creates the window (not yet shown); a window closed by the user
/// is destroyed, so its next use builds it afresh.
namespace AppWindows {

frmMain *editor();
frmOutput *output();
frmAbout *about();
frmBrowser *browser();

/// The window if it exists, without creating it.
frmMain *existingEditor();
frmOutput *existingOutput();
frmAbout *existingAbout();
frmBrowser *existingBrowser();

/// Empties the output window's reference.
void releaseOutput();

/// Empties all four references, in the order editor, output, About, browser.
void releaseAll();

} // namespace AppWindows

} // namespace grimlark::ui
