// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QObject>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace grimlark::ui {

#ifdef Q_OS_UNIX
namespace {

// A signal handler may only do async-signal-safe work, so it writes one byte
// into a socket whose other end the event loop watches.
// A handler reaches nothing but globals.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
int g_wakeFds[2] = {-1, -1};
// The last signal caught, for endOnTerminationSignals to raise again.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
volatile std::sig_atomic_t g_caught = 0;

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int signal)
{
    g_caught = signal;
    // Non-blocking: once a burst of signals has filled the socket, more bytes
    // add nothing, and a blocking write here would hang the program for good.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_wakeFds[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

void catchTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_wakeFds) != 0)
        return; // the program still runs; it just ends the default way on a signal
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a system call that a signal interrupts returns early rather
    // than holding the thread it runs on.
    action.sa_flags = 0;
    for (const int signal : kTerminationSignals) {
        struct sigaction before = {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue; // ignored by whoever started us (nohup): stays ignored
        sigaction(signal, &action, nullptr);
    }
}

void holdStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Read-only: reading it ends at once, writing it fails (EBADF). It is
        // the lowest free number, fd itself, unless a later one is closed too.
        const int held = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (held == fd) {
            (void)::fcntl(fd, F_SETFD, 0); // a standard stream, as programs started inherit it
        } else if (held >= 0) {
            (void)::dup2(held, fd); // without close-on-exec
            (void)::close(held);
        }
    }
}

void endOnTerminationSignals()
{
    (void)std::signal(SIGPIPE, SIG_IGN);
    for (const int signal : kTerminationSignals) {
        struct sigaction now = {};
        if (sigaction(signal, nullptr, &now) == 0 && now.sa_handler == onSignal)
            (void)std::signal(signal, SIG_DFL);
    }
    if (g_caught != 0)
        (void)std::raise(g_caught);
}

void quitOnTerminationSignals(QObject *parent, std::function<void()> close)
{
    if (g_wakeFds[1] < 0)
        return;
    auto *notifier = new QSocketNotifier(g_wakeFds[1], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [close = std::move(close)] {
        char bytes[256];
        while (::read(g_wakeFds[1], bytes, sizeof bytes) > 0) {
        }
        close();
        QCoreApplication::quit(); // also ends a modal dialog's loop
    });
}
#else
void holdStandardStreams() {}
void endOnTerminationSignals() {}
void catchTerminationSignals() {}
void quitOnTerminationSignals(QObject *, std::function<void()>) {}
#endif

} // namespace grimlark::ui
