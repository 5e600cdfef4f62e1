// tst_storedtexts.cpp: texts from the settings store, whatever a hand or another program put there.
#include "testing.h"

#include "highscores.h"
#include "speedtext.h"

class tst_StoredTexts : public QObject
{
    Q_OBJECT

private slots:
    void speed_data();
    void speed();
    void scoreValue_data();
    void scoreValue();
    void rowKeys();
    void mediumDate_data();
    void mediumDate();
};

void tst_StoredTexts::speed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "750" << 750;
    QTest::newRow("blanks around") << "  42 " << 42;
    QTest::newRow("plus sign") << "+300" << 300;
    QTest::newRow("zero clamps to the top") << "0" << 1;
    QTest::newRow("negative clamps to the top") << "-20" << 1;
    QTest::newRow("too fast clamps to the bottom") << "99999" << 950;
    QTest::newRow("largest 32-bit number clamps") << "2147483647" << 950;
    QTest::newRow("beyond 32 bits") << "2147483648" << 500;
    QTest::newRow("empty") << "" << 500;
    QTest::newRow("blanks only") << "   " << 500;
    QTest::newRow("letters") << "abc" << 500;
    QTest::newRow("trailing letters") << "12abc" << 500;
    QTest::newRow("exponent") << "1e3" << 500;
    QTest::newRow("fraction") << "2.5" << 500;
    QTest::newRow("two signs") << "+-5" << 500;
    QTest::newRow("sign alone") << "-" << 500;
    QTest::newRow("blank inside") << "7 5" << 500;
    QTest::newRow("hexadecimal") << "0x10" << 500;
}

void tst_StoredTexts::speed()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(speedFromText(text.toStdString()), value);
}

void tst_StoredTexts::scoreValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "12" << 12.0;
    QTest::newRow("blanks then trailing letters") << " 12abc" << 12.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("fraction") << "3.5" << 3.5;
    QTest::newRow("fraction without whole part") << ".5" << 0.5;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("exponent is not read") << "1e3" << 1.0;
    QTest::newRow("blank after the sign") << "- 5" << 0.0;
    QTest::newRow("more digits than a double holds")
        << QString(400, '9') << std::numeric_limits<double>::infinity();
}

void tst_StoredTexts::scoreValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::scoreValue(text.toStdString()), value);
}

void tst_StoredTexts::rowKeys()
{
    QCOMPARE("score" + rowSuffix(1), "score 1");
    QCOMPARE("name" + rowSuffix(10), "name 10");
    QCOMPARE("date" + rowSuffix(10), "date 10");
}

void tst_StoredTexts::mediumDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("text");
    QTest::newRow("day and year keep their zeros") << 2026 << 12 << 5 << "05-Dec-26";
    QTest::newRow("year 2000") << 2000 << 1 << 31 << "31-Jan-00";
    QTest::newRow("May") << 2009 << 5 << 10 << "10-May-09";
    QTest::newRow("September") << 1999 << 9 << 30 << "30-Sep-99";
}

void tst_StoredTexts::mediumDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, text);
    QCOMPARE(::mediumDate({year, month, day}), text.toStdString());
}

QTEST_APPLESS_MAIN(tst_StoredTexts)
#include "tst_storedtexts.moc"
