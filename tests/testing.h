// testing.h: readable QCOMPARE failures for the program's own types.
#pragma once

#include <QTest>

#include <string>

namespace QTest {

template<>
inline char *toString(const std::string &s)
{
    return toPrettyUnicode(QString::fromStdString(s));
}

} // namespace QTest
