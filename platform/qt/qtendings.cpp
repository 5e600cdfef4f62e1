// SPDX-License-Identifier: MIT
// qtendings.cpp: the signals through a pipe to the event loop, the session manager, and the
// display's end.
#include "qtendings.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

int signalPipe[2] = {-1, -1};
std::function<void()> *pending = nullptr; // savePending while a QtEndings lives

// Nothing but a byte into the pipe: the event loop does the rest.
void onSignal(int)
{
    const int saved = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = saved;
}

// Qt ends the program with exit() once its display has gone.
void atExit()
{
    if (pending)
        (*pending)();
}

} // namespace

QtEndings::QtEndings(QWidget &mainWindow, std::function<void()> savePending)
{
    pending = new std::function<void()>(std::move(savePending));
    static const bool registered = std::atexit(atExit) == 0;
    (void)registered;
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [](QSessionManager &) { (*pending)(); });

    if (signalPipe[0] < 0 && pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *signalled = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(signalled, &QSocketNotifier::activated, this, [&mainWindow] {
        char bytes[16];
        while (read(signalPipe[0], bytes, sizeof bytes) > 0) { }
        mainWindow.close();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // One the program was started to ignore stays ignored (SIGHUP under nohup).
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        if (struct sigaction old = {};
            sigaction(signal, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
}

QtEndings::~QtEndings()
{
    delete std::exchange(pending, nullptr);
}

} // namespace platform
