#include "ui/common/AppWindows.h"
#include "ui/common/Appearance.h"
#include "ui/common/QuitOnSignal.h"
#include "ui/frmMain/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

void addOptions(QCommandLineParser &options)
{
    options.setApplicationDescription(
        QStringLiteral("Editor for the monster database of Freya and eAthena game servers."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("Database files to open at start-up, in order, as File > Open does."),
        QStringLiteral("[file...]"));
}

/// Answers the options that need no window (help, version, and a mistake in the
/// options) on the console, before any display is asked for, so that they work
/// on a server's console too. Returns the exit status when the program is done;
/// otherwise `files` holds the files named to open.
std::optional<int> answerOnConsole(int &argc, char **argv, QStringList &files)
{
    QCoreApplication console(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Grimlark"));
    QCoreApplication::setApplicationVersion(grimlark::ui::programVersion());
    QCommandLineParser options;
    addOptions(options);
    // Qt's own window options (-platform xcb, -style fusion, ...) are taken by
    // QApplication later; here they must only not count as mistakes.
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
                             "stylesheet", "session", "display", "qwindowgeometry", "qwindowtitle",
                             "qwindowicon", "geometry", "title"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(qtOption);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtFlag(QString::fromLatin1(name));
        qtFlag.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(qtFlag);
    }
    if (!options.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "grimlark: %s\n\n%s", qPrintable(options.errorText()),
                     qPrintable(options.helpText()));
        return 1;
    }
    if (options.isSet(QStringLiteral("help")) || options.isSet(QStringLiteral("help-all")) ||
        options.isSet(QStringLiteral("version")))
        options.process(console); // prints and ends the program with status 0
    files = options.positionalArguments();
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList files;
    if (const std::optional<int> status = answerOnConsole(argc, argv, files))
        return *status;

    QApplication app(argc, argv);
    grimlark::ui::applyAppearance(app);
    // Lets Wayland desktops match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grimlark.Grimlark"));

    grimlark::ui::quitOnTerminationSignals(&app);
    frmMain *editor = grimlark::ui::AppWindows::editor.use();
    editor->show();
    if (!files.isEmpty()) // once the editor is on screen
        QTimer::singleShot(0, editor, [editor, files] { editor->openFiles(files); });
    // The editor's unload closes every other window; with all four gone the program ends.
    return QApplication::exec();
}
