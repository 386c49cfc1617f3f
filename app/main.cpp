// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Check.h"
#include "Console.h"
#include "core/ServerRules.h"
#include "ui/common/Appearance.h"
#include "ui/common/FileNames.h"
#include "ui/common/Placement.h"
#include "ui/common/QuitOnSignal.h"
#include "ui/common/Text.h"
#include "ui/frmMain/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <system_error>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#endif

// Two programs are built from this file on Windows: grimlark.exe, a windowed
// program (no console window opens with the editor), and grimlark.com
// (GRIMLARK_CONSOLE), its console twin, which a prompt finds first for
// "grimlark" and waits for, as for any console program, so that --check and
// --convert answer in order and their status reaches %ERRORLEVEL%. The twin
// hands the editor over to grimlark.exe.
#if defined(Q_OS_WIN) && !defined(GRIMLARK_CONSOLE)
#define GRIMLARK_WINDOWED
#endif

namespace {

/// The status of a mistake in the options: 1 is the commands' "something
/// found", so a script can tell the two apart.
constexpr int kUsageError = 2;

/// A windowed Windows program starts with no standard output: a check run from
/// a console answers in it, on each stream that was not redirected already.
/// Returns whether standard error leads anywhere.
bool attachConsole()
{
#ifdef GRIMLARK_WINDOWED
    const bool noOutput = GetStdHandle(STD_OUTPUT_HANDLE) == nullptr;
    const bool noError = GetStdHandle(STD_ERROR_HANDLE) == nullptr;
    if (!(noOutput || noError))
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) // already attached, or no console to attach
        return !noError || GetLastError() == ERROR_ACCESS_DENIED;
    if (noOutput)
        (void)std::freopen("CONOUT$", "w", stdout);
    return !noError || std::freopen("CONOUT$", "w", stderr) != nullptr;
#else
    return true;
#endif
}

/// The bytes of `text` for a standard stream: UTF-8 on Windows (which a console
/// is given as its own characters), the locale's own elsewhere.
QByteArray bytesOf(const QString &text)
{
#ifdef Q_OS_WIN
    return text.toUtf8();
#else
    return text.toLocal8Bit();
#endif
}

#ifndef GRIMLARK_WINDOWED // which answers in a message box instead
/// Writes `text` to standard output; a failed write (a full disk, a closed
/// pipe) is an error (status 2), not a success.
int print(const QString &text)
{
    const QByteArray bytes = bytesOf(text);
    errno = 0;
    if (grimlark::app::writeText(stdout,
                                 std::string_view(bytes.constData(), std::size_t(bytes.size()))) &&
        std::fflush(stdout) == 0)
        return 0;
    const std::string reason = std::generic_category().message(errno != 0 ? errno : EIO);
    (void)std::fprintf(stderr, "grimlark: cannot write the answer: %s\n", reason.c_str());
    return 2;
}
#endif

#ifdef GRIMLARK_WINDOWED
void showInBox(const QString &text, UINT icon)
{
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"Grimlark",
                MB_OK | icon);
}
#endif

#ifdef Q_OS_WIN

/// Held for the life of the process, so that the installer and the
/// uninstaller can tell that Grimlark runs (its program and DLLs are locked
/// then) in this session and in any other. The handles close as the process
/// ends.
void announceRunning()
{
    (void)CreateMutexW(nullptr, FALSE, L"Grimlark.Running");
    (void)CreateMutexW(nullptr, FALSE, L"Global\\Grimlark.Running");
}
#endif

/// Says a mistake in the options, "grimlark: " and `text`, on standard error;
/// the windowed program, which may have no console to say it in, attaches the
/// one it was started from, or else shows it in a box.
void complain(const QString &text)
{
    QString line = QStringLiteral("grimlark: ") + text;
    if (!line.endsWith(QLatin1Char('\n')))
        line += QLatin1Char('\n');
#ifdef GRIMLARK_WINDOWED
    if (!attachConsole()) {
        showInBox(line, MB_ICONERROR);
        return;
    }
#endif
    const QByteArray bytes = bytesOf(line);
    (void)grimlark::app::writeText(stderr,
                                   std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

#ifdef GRIMLARK_CONSOLE
/// What follows the program's name on a Windows command line, as the system's
/// own rules split it (the name in quotes up to the next quote, else up to the
/// first blank), unchanged: so the editor is given exactly what was typed.
const wchar_t *argumentsAfterProgram(const wchar_t *commandLine)
{
    const wchar_t *next = commandLine;
    if (*next == L'"') {
        ++next;
        while (*next != L'\0' && *next != L'"')
            ++next;
        if (*next == L'"')
            ++next;
    } else {
        while (*next != L'\0' && *next != L' ' && *next != L'\t')
            ++next;
    }
    return next;
}

/// The console twin opens no window itself: the editor is grimlark.exe beside
/// it, started with the same arguments, and the prompt comes back at once, as
/// for any windowed program.
int startEditor()
{
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, program.data(), DWORD(program.size()));
        if (length == 0)
            break;
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    const std::size_t dot = program.find_last_of(L'.');
    program = program.substr(0, dot == std::wstring::npos ? program.size() : dot) + L".exe";
    std::wstring commandLine = L'"' + program + L'"' + argumentsAfterProgram(GetCommandLineW());
    // No standard handles, as the Start menu gives it: the editor must not
    // keep the prompt's pipe or console open after the twin has ended.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &started) == 0) {
        complain(
            QStringLiteral("cannot start the editor, %1: %2")
                .arg(QString::fromStdWString(program),
                     QString::fromLocal8Bit(std::system_category().message(int(GetLastError())))));
        return 2;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}
#endif

/// True when the command line asks for --check or --convert (before "--"):
/// they take no window, so none of Qt's window options either.
bool isTerminalCommand(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        for (const QLatin1String name : {QLatin1String("check"), QLatin1String("convert")}) {
            QString option = argument.section(QLatin1Char('='), 0, 0);
            if (option.startsWith(QLatin1String("--")))
                option.remove(0, 1);
            if (option == QLatin1String("-") + name)
                return true;
        }
    }
    return false;
}

/// `withQtOptions`: Qt's own window options are known, as QApplication takes
/// them later.
/// `names` as a sentence says them: "a, b or c".
QString spokenList(const QStringList &names)
{
    QString said;
    for (qsizetype i = 0; i < names.size(); ++i)
        said += (i == 0                  ? QString()
                 : i + 1 == names.size() ? QStringLiteral(" or ")
                                         : QStringLiteral(", ")) +
                names[i];
    return said;
}

/// The names --server takes, from the servers' table: "freya, eathena or eathena2011".
QString serverOptions()
{
    QStringList names;
    for (const grimlark::ServerProfile &profile : grimlark::kServers)
        if (!names.contains(QString::fromLatin1(profile.option)))
            names << QString::fromLatin1(profile.option);
    return spokenList(names);
}

/// The layouts --convert writes, from the layouts' table.
QString layoutOptions()
{
    QStringList names;
    for (const grimlark::LayoutFormat &format : grimlark::layoutFormats())
        if (format.name)
            names << QString::fromLatin1(format.name);
    names.sort();
    return spokenList(names);
}

/// `--items a b c -- file` as `--items=a --items=b --items=c -- file`: the
/// item files are named one after another, up to the next option.
QStringList withItemsApart(const QStringList &arguments)
{
    QStringList apart;
    bool items = false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--items")) {
            items = true;
            continue;
        }
        if (items && !argument.startsWith(QLatin1Char('-'))) {
            apart << QStringLiteral("--items=") + argument;
            continue;
        }
        items = false;
        apart << argument;
    }
    return apart;
}

void addOptions(QCommandLineParser &options, bool withQtOptions)
{
    options.setApplicationDescription(
        QStringLiteral("Editor for the monster database of Freya and eAthena game servers."));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(QCommandLineOption(
        QStringLiteral("check"),
        QStringLiteral("Check each file without a window: every monster line that the editor "
                       "would refuse, or that a server stores otherwise than it says, as "
                       "FILE:LINE: FIELD: message. Status 0: nothing found; 1: something; 2: a "
                       "file could not be read.")));
    options.addOption(QCommandLineOption(
        QStringLiteral("server"),
        QStringLiteral("With --check, only what this server (%1) stores otherwise.")
            .arg(serverOptions()),
        QStringLiteral("name")));
    options.addOption(QCommandLineOption(
        QStringLiteral("convert"),
        QStringLiteral("Write every line of the files in another layout (%1) "
                       "on standard output, without a window; what cannot be converted, and "
                       "what the target's servers store otherwise, on standard error. Status 0: "
                       "nothing lost or changed; 1: something; 2: a file could not be read.")
            .arg(layoutOptions()),
        QStringLiteral("layout")));
    options.addOption(QCommandLineOption(
        QStringLiteral("sql"), QStringLiteral("With --convert, write SQL statements for the "
                                              "layout's table instead of text lines.")));
    options.addOption(QCommandLineOption(
        QStringLiteral("in-place"),
        QStringLiteral("With --convert, replace each file by its conversion, in its own line "
                       "ends, instead of writing it on standard output; the file as it was is "
                       "kept beside it, its name ended by ~. A file that changes meanwhile, or "
                       "cannot be written, is left as it was (status 2).")));
    options.addOption(QCommandLineOption(
        QStringLiteral("items"),
        QStringLiteral("With --convert, the target server's item databases (one or more files, "
                       "ended by --): its drops' IDs to names and back. The source's are read "
                       "from beside each file."),
        QStringLiteral("file")));
    options.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("Database files to open at start-up, in order, as File > Open does."),
        QStringLiteral("[file...]"));
    // Qt's own window options (-platform xcb, -style fusion, ...) are taken by
    // QApplication later; here they must only not count as mistakes.
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!withQtOptions)
        return;
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "style", "stylesheet",
          "session", "display", "qwindowgeometry", "qwindowtitle", "qwindowicon", "geometry",
          "title", "name", "visual", "ncols", "qmljsdebugger"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(qtOption);
    }
    for (const char *name :
         {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap", "testability"}) {
        QCommandLineOption qtFlag(QString::fromLatin1(name));
        qtFlag.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(qtFlag);
    }
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
/// Whether the window system the editor would use is there: Qt ends the
/// program with an abort when it is not.
bool haveDisplay(const QCommandLineParser &options)
{
    auto set = [](const char *name) { return !qEnvironmentVariable(name).isEmpty(); };
    const bool x11 = set("DISPLAY") || options.isSet(QStringLiteral("display"));
    const bool wayland = set("WAYLAND_DISPLAY");
    QString platforms = options.value(QStringLiteral("platform"));
    if (platforms.isEmpty())
        platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        return x11 || wayland;
    const QStringList candidates = platforms.split(QLatin1Char(';'));
    return std::any_of(candidates.begin(), candidates.end(),
                       [x11, wayland](const QString &platform) {
                           const QString name = platform.section(QLatin1Char(':'), 0, 0);
                           if (name == QLatin1String("xcb"))
                               return x11;
                           // offscreen, vnc, eglfs, ... need no display server
                           return !name.startsWith(QLatin1String("wayland")) || wayland;
                       });
}
#endif

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
#ifdef Q_OS_WIN
    const QStringList arguments = QCoreApplication::arguments(); // the wide command line
#else
    const QStringList arguments = grimlark::ui::argumentsOf(argc, argv); // names' own bytes
#endif
    addOptions(options, !isTerminalCommand(arguments));
    if (!options.parse(withItemsApart(arguments))) {
#ifdef GRIMLARK_WINDOWED
        // A windowed program has no console to write to: the usage shows in a
        // box, as --help does.
        showInBox(options.errorText() + QStringLiteral("\n\n") +
                      grimlark::ui::usageForMessageBox(options.helpText()),
                  MB_ICONERROR);
#else
        complain(options.errorText() + QStringLiteral("\n\n") + options.helpText());
#endif
        return kUsageError;
    }
#ifdef GRIMLARK_WINDOWED
    if (options.isSet(QStringLiteral("help"))) {
        showInBox(grimlark::ui::usageForMessageBox(options.helpText()), MB_ICONINFORMATION);
        return 0;
    }
    if (options.isSet(QStringLiteral("help-all")) || options.isSet(QStringLiteral("version")))
        options.process(console); // shows a message box and ends the program with status 0
#else
    if (options.isSet(QStringLiteral("version")))
        return print(QStringLiteral("Grimlark %1\n").arg(grimlark::ui::programVersion()));
    if (options.isSet(QStringLiteral("help")) || options.isSet(QStringLiteral("help-all")))
        return print(options.helpText());
#endif
    files = options.positionalArguments();
    if (options.isSet(QStringLiteral("server")) && !options.isSet(QStringLiteral("check"))) {
        complain(QStringLiteral("--server goes with --check."));
        return kUsageError;
    }
    for (const char *option : {"sql", "items", "in-place"})
        if (options.isSet(QLatin1String(option)) && !options.isSet(QStringLiteral("convert"))) {
            complain(QStringLiteral("--%1 goes with --convert.").arg(QLatin1String(option)));
            return kUsageError;
        }
    if (options.isSet(QStringLiteral("convert"))) {
        const QString name = options.value(QStringLiteral("convert"));
        const grimlark::LayoutFormat *target = grimlark::formatNamed(name.toStdString());
        if (!target) {
            complain(QStringLiteral("--convert takes %1, not \"%2\".").arg(layoutOptions(), name));
            return kUsageError;
        }
        if (files.isEmpty() || options.isSet(QStringLiteral("check"))) {
            complain(
                QStringLiteral("--convert needs the files to convert, and goes without --check."));
            return kUsageError;
        }
        (void)attachConsole();
        grimlark::ui::endOnTerminationSignals();
        return grimlark::app::convertFiles(
            files, target->layout, options.isSet(QStringLiteral("sql")),
            options.values(QStringLiteral("items")), options.isSet(QStringLiteral("in-place")));
    }
    if (options.isSet(QStringLiteral("check"))) {
        unsigned servers = grimlark::kEveryServer;
        const unsigned named =
            grimlark::serversNamed(options.value(QStringLiteral("server")).toStdString());
        if (named != 0)
            servers = named;
        else if (options.isSet(QStringLiteral("server"))) {
            complain(QStringLiteral("--server is %1, not \"%2\".")
                         .arg(serverOptions(), options.value(QStringLiteral("server"))));
            return kUsageError;
        }
        if (files.isEmpty()) {
            complain(QStringLiteral("--check needs the files to check."));
            return kUsageError;
        }
        (void)attachConsole();
        grimlark::ui::endOnTerminationSignals();
        return grimlark::app::checkFiles(files, servers);
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!haveDisplay(options)) {
        (void)std::fprintf(stderr, "grimlark: there is no display to show the editor on; start it "
                                   "in a desktop session (DISPLAY or WAYLAND_DISPLAY set).\n");
        return 1;
    }
#endif
#ifdef GRIMLARK_CONSOLE
    return startEditor();
#else
    return std::nullopt;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    // First of all, before any file or socket can take a closed stream's number.
    grimlark::ui::holdStandardStreams();
    // Then, so that a signal while the program starts ends it cleanly.
    grimlark::ui::catchTerminationSignals();
#ifdef Q_OS_WIN
    announceRunning();
#endif

    QStringList files;
    try {
        if (const std::optional<int> status = answerOnConsole(argc, argv, files))
            return *status;
    } catch (const std::bad_alloc &) { // the commands say where; this is anywhere else
        (void)std::fprintf(stderr, "grimlark: there is not enough memory to go on.\n");
        return 2;
    }

#ifdef GRIMLARK_CONSOLE
    return 0; // answerOnConsole started the editor, or said why it could not
#else
    // "--" ends the options: what follows is files, which Qt must not take as
    // its own options (a file named "-reverse").
    std::vector<char *> qtArguments(argv, argv + argc);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            qtArguments.resize(std::size_t(i));
            break;
        }
    }
    int qtCount = int(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication app(qtCount, qtArguments.data());
    grimlark::ui::applyAppearance(app);
    // Lets Wayland desktops match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grimlark.Grimlark"));

    // The editor deletes itself once closed; a closed one is hidden.
    const QPointer<grimlark::ui::frmMain> editor = new grimlark::ui::frmMain;
    grimlark::ui::quitOnTerminationSignals(&app, [editor] {
        if (editor && editor->isVisible())
            editor->close();
    });
    editor->show();
    if (!files.isEmpty()) // once the window manager has put the editor on screen
        grimlark::ui::whenOnScreen(*editor, [editor, files] { editor->openFiles(files); });
    // The editor's unload closes every other window; with all four gone the program ends.
    return QApplication::exec();
#endif
}
