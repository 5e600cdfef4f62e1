// SPDX-License-Identifier: MIT
// main.cpp: Tolvane starts by loading its main window and ends when that window is closed.
#include "qtservices.h"
#include "qtwindow.h"

#include "appinfo.h"
#include "frmmain.h"

#include <QApplication>

int main(int, char *argv[])
{
    // The program takes no command line, so Qt is given none of its own options either.
    int argc = 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(app::Title.data(), app::Title.size()));
    // Docks and window switchers find the launcher by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVANE_ID));
    // The main window is a tool window (no task-bar button), which Qt does not count as a
    // window whose closing ends the program, and a closed dialog must not end it either.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::QtServices services;
    frmMain form(services);
    QObject::connect(static_cast<platform::QtWindow *>(form.window.get()),
                     &platform::QtWindow::closed, &app, &QApplication::quit);
    form.show();
    const int exitCode = app.exec();
    // What the shutdown wrote is still waiting for an event loop that has ended.
    services.settingsStore().flush();
    return exitCode;
}
