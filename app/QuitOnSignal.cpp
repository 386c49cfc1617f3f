#include "QuitOnSignal.h"

#include "common/Windows.h"
#include "frmMain/frmMain.h"

#include <QCoreApplication>
#include <QObject>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace grimlark::app {

#ifdef Q_OS_UNIX
namespace {

// A signal handler may only do async-signal-safe work, so it writes one byte
// into a socket whose other end the event loop watches.
int g_wakeFds[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_wakeFds[0], &byte, 1);
}

} // namespace

void quitOnTerminationSignals(QObject *parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_wakeFds) != 0)
        return; // the program still runs; it just ends the default way on a signal
    auto *notifier = new QSocketNotifier(g_wakeFds[1], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_wakeFds[1], &byte, 1);
        if (frmMain *editor = ui::Windows::existingMain())
            editor->close();
        QCoreApplication::quit(); // also ends a modal dialog's loop
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
#else
void quitOnTerminationSignals(QObject *) {}
#endif

} // namespace grimlark::app
