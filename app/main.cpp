#include "QuitOnSignal.h"
#include "common/Appearance.h"
#include "common/Windows.h"
#include "frmMain/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    grimlark::ui::applyAppearance(app);
    // Lets Wayland desktops match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grimlark.Grimlark"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Editor for the monster database of Freya and eAthena game servers."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(app); // --help and --version print and end here

    grimlark::app::quitOnTerminationSignals(&app);
    grimlark::ui::Windows::main()->show();
    // The editor's unload closes every other window; with all four gone the program ends.
    return app.exec();
}
