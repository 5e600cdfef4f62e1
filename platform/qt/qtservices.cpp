// SPDX-License-Identifier: MIT
// qtservices.cpp: message and input boxes, beep and clock on Qt.
#include "qtservices.h"

#include "qtconvert.h"
#include "qtplacement.h"
#include "qttimer.h"
#include "qtwindow.h"

#include <QApplication>
#include <QDate>
#include <QInputDialog>
#include <QMessageBox>
#include <QTime>

namespace platform {

std::unique_ptr<Window> QtServices::createWindow(const WindowDesign &design)
{
    return std::make_unique<QtWindow>(design);
}

std::unique_ptr<Timer> QtServices::createTimer()
{
    return std::make_unique<QtTimer>();
}

void QtServices::beep()
{
    bell.ring();
}

void QtServices::prepareBeep()
{
    bell.prepare();
}

void QtServices::messageBox(const std::string &text, const std::string &title, BoxIcon icon)
{
    Placed<QMessageBox> box(icon == BoxIcon::Information ? QMessageBox::Information
                                                         : QMessageBox::Warning,
                            toQt(title), plainLines(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    execAbove(box);
}

std::string QtServices::inputBox(const std::string &prompt, const std::string &title)
{
    Placed<QInputDialog> dialog;
    dialog.setWindowTitle(toQt(title));
    dialog.setLabelText(toQt(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    if (execAbove(dialog) != QDialog::Accepted)
        return {};
    return fromQt(dialog.textValue());
}

Date QtServices::today()
{
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

int QtServices::msSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

} // namespace platform
