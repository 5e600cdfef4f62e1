// main.cpp: Tolvane starts by loading its main window and ends when that window is closed.
#include "qtservices.h"

#include "frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::QtServices services;
    frmMain form(services);
    form.show();
    return app.exec();
}
