// SPDX-License-Identifier: MIT
// qtaccessible.h: what a screen reader learns of the program's own controls beyond what Qt tells
// of its widgets: tiles are buttons, a table is a table, and announcements are spoken.
#pragma once

#include <QWidget>

namespace platform {

// Has Qt describe tiles and tables to screen readers as below; once, before any is shown.
void installAccessibleFactory();

// An object of no size that a screen reader speaks each time it announces a new text: as an
// announcement where Qt has those (6.8), else as a notification shown again, the one way a Qt 6.4
// program's words reach Orca 43 unasked.
class QtAnnouncer final : public QWidget
{
public:
    explicit QtAnnouncer(QWidget *parent);
    void announce(const QString &text);
};

} // namespace platform
