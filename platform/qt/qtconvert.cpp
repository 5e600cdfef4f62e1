// SPDX-License-Identifier: MIT
// qtconvert.cpp: fonts and line breaks for Qt.
#include "qtconvert.h"

#include <QFontDatabase>
#include <QHash>

namespace platform {

QFont toQt(const Font &font, const QFont &base)
{
    QFont f = base;
    if (font.name.empty())
        return f;
    // Asked for a face it lacks, fontconfig answers with any face at all: ask only for
    // what is installed. Each question costs a pass over fontconfig's rules, so it is asked
    // once a family.
    static QHash<QString, QString> familyFor;
    const QString name = toQt(font.name);
    auto found = familyFor.constFind(name);
    if (found == familyFor.cend())
        found = familyFor.insert(
                name, QFontDatabase::hasFamily(name) ? name : QStringLiteral("Liberation Sans"));
    f.setFamily(*found);
    f.setPointSizeF(font.points);
    f.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    f.setUnderline(font.underline);
    return f;
}

QString plainLines(const std::string &text)
{
    QString s = toQt(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

} // namespace platform
