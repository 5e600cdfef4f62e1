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

QIcon windowIcon(Picture picture)
{
    QIcon icon;
    if (picture == Picture::Application) {
        for (int size : {16, 32, 48, 64, 128, 256})
            icon.addFile(file(picture, size));
    } else if (picture == Picture::Information) {
        for (int size : {16, 32})
            icon.addFile(file(picture, size));
    }
    return icon;
}

QPixmap pixmap(Picture picture)
{
    return picture == Picture::None ? QPixmap() : QPixmap(file(picture, 32));
}

} // namespace platform
