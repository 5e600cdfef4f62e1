// SPDX-License-Identifier: MIT
// qticons.h: the program's pictures, compiled into it as Qt resources at every size drawn.
#pragma once

#include "platform/types.h"

#include <QIcon>
#include <QPixmap>

namespace platform {

// Every size up to what a title bar asks for at twice the usual scale.
QIcon windowIcon(Picture picture);
// 32 x 32 device-independent pixels, drawn for the screen's own pixels.
QPixmap pixmap(Picture picture);

} // namespace platform
