// tst_random.cpp: arrows are independent, uniform choices among the four.
#include "testing.h"

#include "arrow.h"
#include "platform/random.h"

#include <array>

class tst_Random : public QObject
{
    Q_OBJECT

private slots:
    void arrowFromRandom_data();
    void arrowFromRandom();
    void sameSeedSameSequence();
    void uniformAndIndependent_data();
    void uniformAndIndependent();
};

void tst_Random::arrowFromRandom_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("arrow");
    QTest::newRow("0 is up") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.24999999999999997 << 0;
    QTest::newRow("a quarter is right") << 0.25 << 1;
    QTest::newRow("a half is down") << 0.5 << 2;
    QTest::newRow("three quarters is left") << 0.75 << 3;
    QTest::newRow("largest double below 1 is still left") << 0.99999999999999989 << 3;
}

void tst_Random::arrowFromRandom()
{
    QFETCH(double, r);
    QFETCH(int, arrow);
    QCOMPARE(int(::arrowFromRandom(r)), arrow);
}

void tst_Random::sameSeedSameSequence()
{
    platform::Random a;
    platform::Random b;
    a.seed(45296789);
    b.seed(45296789);
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(a.next(), b.next());
}

// Chi-square against the uniform distribution, on single arrows (3 degrees of freedom)
// and on consecutive pairs (15). The seeds are fixed, so the verdict never changes; the
// bounds are the 0.1 % critical values.
void tst_Random::uniformAndIndependent_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::newRow("seed 0") << quint64(0);
    QTest::newRow("midnight plus 1 ms") << quint64(1);
    QTest::newRow("a late evening") << quint64(86399999);
}

void tst_Random::uniformAndIndependent()
{
    QFETCH(quint64, seed);
    platform::Random random;
    random.seed(seed);
    constexpr int sequences = 20;
    constexpr int length = 32000;
    std::array<double, 4> singles{};
    std::array<double, 16> pairs{};
    for (int s = 0; s < sequences; ++s) {
        int previous = -1;
        for (int i = 0; i < length; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
            const int arrow = ::arrowFromRandom(r);
            singles[arrow] += 1;
            if (previous >= 0)
                pairs[previous * 4 + arrow] += 1;
            previous = arrow;
        }
    }
    auto chiSquare = [](const auto &counts) {
        double total = 0;
        for (double c : counts)
            total += c;
        const double expected = total / counts.size();
        double chi = 0;
        for (double c : counts)
            chi += (c - expected) * (c - expected) / expected;
        return chi;
    };
    QVERIFY2(chiSquare(singles) < 16.27, qPrintable(QString::number(chiSquare(singles))));
    QVERIFY2(chiSquare(pairs) < 37.70, qPrintable(QString::number(chiSquare(pairs))));
}

QTEST_APPLESS_MAIN(tst_Random)
#include "tst_random.moc"
