// qticons.cpp: every size of each picture, from the resources.
#include "qticons.h"

namespace platform {

namespace {

QString file(Picture picture, int size)
{
    const char *name = picture == Picture::Application ? "tolvane" : "information";
    return QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size);
}

} // namespace

// The sizes a title bar or task switcher asks for; every one of them is sent to the window
// system when the window is shown, so the launcher's larger ones are left to the icon theme.
QIcon windowIcon(Picture picture)
{
    QIcon icon;
    if (picture != Picture::None) {
        for (int size : {16, 32})
            icon.addFile(file(picture, size), QSize(size, size));
    }
    return icon;
}

QPixmap pixmap(Picture picture)
{
    return picture == Picture::None ? QPixmap() : QPixmap(file(picture, 32));
}

} // namespace platform
