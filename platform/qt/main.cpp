// main.cpp: Tolvane starts by loading its main window and ends when that window is closed.
#include "qtservices.h"
#include "qtwindow.h"

#include "frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
