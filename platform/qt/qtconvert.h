// SPDX-License-Identifier: MIT
// qtconvert.h: the program's units (twips, 0x00BBGGRR, point fonts, UTF-8) in Qt's terms.
#pragma once

#include "platform/types.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <string>

namespace platform {

// 15 twips to a device-independent pixel; Qt's high-DPI scaling does the rest.
inline int pixels(int twips)
{
    return (twips + 7) / 15;
}

inline QPoint toQt(Point p)
{
    return {pixels(p.x), pixels(p.y)};
}

// Both edges are rounded, so rectangles that meet in twips meet in pixels.
inline QRect toQt(const Rect &r)
{
    const QPoint topLeft(pixels(r.left), pixels(r.top));
    const QPoint bottomRight(pixels(r.left + r.width), pixels(r.top + r.height));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

inline QColor toQt(Colour c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline QString toQt(const std::string &s)
{
    return QString::fromStdString(s);
}

inline std::string fromQt(const QString &s)
{
    return s.toStdString();
}

// Windows faces fall back to their metric-compatible stand-in where they are not installed.
QFont toQt(const Font &font, const QFont &base);

// The program separates lines with CR LF; Qt's text controls want LF alone.
QString plainLines(const std::string &text);

} // namespace platform
