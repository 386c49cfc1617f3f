#include "QuitOnSignal.h"
#include "common/Appearance.h"
#include "common/Windows.h"
#include "frmMain/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

void addOptions(QCommandLineParser &options)
{
    options.setApplicationDescription(
        QStringLiteral("Editor for the monster database of Freya and eAthena game servers."));
    options.addHelpOption();
    options.addVersionOption();
}

/// --help and --version are answered without a display, as on a server's console.
bool asksOnlyForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "-?", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication console(argc, argv);
        console.setApplicationName(QStringLiteral("Grimlark"));
        console.setApplicationVersion(grimlark::ui::programVersion());
        QCommandLineParser options;
        addOptions(options);
        options.process(console); // prints and ends the program
        return 0;
    }

    QApplication app(argc, argv);
    grimlark::ui::applyAppearance(app);
    // Lets Wayland desktops match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grimlark.Grimlark"));
    QCommandLineParser options;
    addOptions(options);
    options.process(app); // refuses unknown options with a message

    grimlark::app::quitOnTerminationSignals(&app);
    grimlark::ui::Windows::main()->show();
    // The editor's unload closes every other window; with all four gone the program ends.
    return app.exec();
}
