// SPDX-License-Identifier: MIT
// main.cpp: Tolvane starts by loading its main window and ends when that window is closed.
#include "qtendings.h"
#include "qtservices.h"
#include "qtwindow.h"

#include "appinfo.h"
#include "frmmain.h"

#include <QApplication>

int main(int, char *argv[])
{
    // Only X11 lets a program centre its window and keep it off the task bar: on a Wayland
    // session the game runs through XWayland, unless the player chooses otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    // The program takes no command line, so Qt is given none of its own options either.
    int argc = 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(app::Title.data(), app::Title.size()));
    // Docks and window switchers find the launcher by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVANE_ID));
    // The program ends when its main window is closed, and at no other window's closing.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::QtServices services;
    frmMain form(services);
    auto &window = static_cast<platform::QtWindow &>(*form.window);
    QObject::connect(&window, &platform::QtWindow::closed, &app, &QApplication::quit);
    const platform::QtEndings endings(window, [&form] { form.savePending(); });
    form.show();
    return app.exec();
}
