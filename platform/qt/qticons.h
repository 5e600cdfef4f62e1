// qticons.h: the program's pictures, compiled into it as Qt resources.
#pragma once

#include "platform/types.h"

#include <QIcon>
#include <QPixmap>

namespace platform {

QIcon windowIcon(Picture picture);
QPixmap pixmap(Picture picture);  // 32 x 32

} // namespace platform
