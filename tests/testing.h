// SPDX-License-Identifier: MIT
// testing.h: readable QCOMPARE failures for the program's own types.
#pragma once

#include "hostilenames.h"

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

// The hostile names as the rows of a data-driven test, in a column "name".
inline void addHostileNameRows()
{
    QTest::addColumn<QByteArray>("name");
    for (const auto &[tag, name] : hostileNames())
        QTest::newRow(tag.c_str()) << QByteArray::fromStdString(name);
}
