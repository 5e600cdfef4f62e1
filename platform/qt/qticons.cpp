// SPDX-License-Identifier: MIT
// qticons.cpp: every size of each picture, from the resources.
#include "qticons.h"

#include <QGuiApplication>

namespace platform {

namespace {

QIcon icon(Picture picture, int largest)
{
    QIcon icon;
    const bool application = picture == Picture::Application;
    const QString name = application ? QStringLiteral("tolvane") : QStringLiteral("information");
    const QList<int> sizes = application ? QList<int>{16, 22, 24, 32, 48, 64, 128, 256}
                                         : QList<int>{16, 24, 32, 48, 64};
    for (int size : sizes)
        if (size <= largest)
            icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size),
                         QSize(size, size));
    return icon;
}

} // namespace

// Every size given is sent to the window system when the window is shown, so the launcher's
// larger ones are left to the icon theme.
QIcon windowIcon(Picture picture)
{
    return picture == Picture::None ? QIcon() : icon(picture, 64);
}

QPixmap pixmap(Picture picture)
{
    return picture == Picture::None
                   ? QPixmap()
                   : icon(picture, 256).pixmap(QSize(32, 32), qApp->devicePixelRatio());
}

} // namespace platform
