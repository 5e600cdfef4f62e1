// testing.h: readable QCOMPARE failures for the program's own types.
#pragma once

#include <QByteArray>
#include <QTest>

#include <string>

namespace QTest {

template<>
inline char *toString(const std::string &s)
{
    return toPrettyUnicode(QString::fromStdString(s));
}

} // namespace QTest

// Names a player might type that a careless program would mangle: markup, access keys,
// the settings file's own syntax, blanks, line breaks, non-ASCII, great length.
inline void addHostileNameRows()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("markup") << QByteArray("<b>x</b>");
    QTest::newRow("access key") << QByteArray("a & b");
    QTest::newRow("ini syntax") << QByteArray("=;#[]%\\\"'");
    QTest::newRow("leading and trailing blanks") << QByteArray("  Ann  ");
    QTest::newRow("comma as a list would") << QByteArray("Ann, Bo");
    QTest::newRow("at sign as a variant would") << QByteArray("@Variant(x)");
    QTest::newRow("line breaks") << QByteArray("a\r\nb\n");
    QTest::newRow("non-ASCII") << QByteArray("Åsa Ørn Ñandú 日本 😀");
    QTest::newRow("10,000 characters") << QByteArray(10000, 'x');
    QTest::newRow("empty") << QByteArray();
}
