// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eye_parts.h"

#include <QTest>

#include <numeric>

class TestEyeParts : public QObject
{
    Q_OBJECT

private slots:
    void gcdOfEverySum_data();
    void gcdOfEverySum();
    void gcdOfWorkedValues_data();
    void gcdOfWorkedValues();
    void gcdOutsideTheSums_data();
    void gcdOutsideTheSums();
    void sharesAddUpToTheWholeLessOne();
};

void TestEyeParts::gcdOfEverySum_data()
{
    QTest::addColumn<int>("numerator");
    for (int n = 1; n <= 63; ++n)
        QTest::addRow("%d", n) << n;
}

void TestEyeParts::gcdOfEverySum()
{
    QFETCH(int, numerator);
    QCOMPARE(int(EuclidGcd(qint16(numerator))), std::gcd(numerator, 64));
}

void TestEyeParts::gcdOfWorkedValues_data()
{
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("gcd");
    QTest::addColumn<QString>("lowestTerms");
    QTest::newRow("1") << 1 << 1 << "1/64";
    QTest::newRow("24") << 24 << 8 << "3/8";
    QTest::newRow("32") << 32 << 32 << "1/2";
    QTest::newRow("48") << 48 << 16 << "3/4";
    QTest::newRow("62") << 62 << 2 << "31/32";
    QTest::newRow("63") << 63 << 1 << "63/64";
}

void TestEyeParts::gcdOfWorkedValues()
{
    QFETCH(int, numerator);
    QFETCH(int, gcd);
    QFETCH(QString, lowestTerms);
    const int g = EuclidGcd(qint16(numerator));
    QCOMPARE(g, gcd);
    QCOMPARE(QStringLiteral("%1/%2").arg(numerator / g).arg(64 / g), lowestTerms);
}

// Numbers no sum of parts can reach must still end, with the true gcd.
void TestEyeParts::gcdOutsideTheSums_data()
{
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("gcd");
    QTest::newRow("zero") << 0 << 64;
    QTest::newRow("-1") << -1 << 1;
    QTest::newRow("-24") << -24 << 8;
    QTest::newRow("-64") << -64 << 64;
    QTest::newRow("64") << 64 << 64;
    QTest::newRow("96") << 96 << 32;
    QTest::newRow("max") << 32767 << 1;
    QTest::newRow("min") << -32768 << 64;
}

void TestEyeParts::gcdOutsideTheSums()
{
    QFETCH(int, numerator);
    QFETCH(int, gcd);
    QCOMPARE(int(EuclidGcd(qint16(numerator))), gcd);
}

void TestEyeParts::sharesAddUpToTheWholeLessOne()
{
    // Doubling from 1 once per step up to the index gives 2 ... 64, and the
    // shares 32 ... 1 add up to 63: every sum of parts fits 1 to 63.
    int total = 0;
    for (const EyePart &part : EyeParts) {
        int denominator = 1;
        for (int k = 0; k <= part.index; ++k)
            denominator *= 2;
        QCOMPARE(denominator, 2 << part.index);
        total += FullMeasure / denominator;
    }
    QCOMPARE(total, 63);
    QCOMPARE(int(FullMeasure), 64);
}

QTEST_APPLESS_MAIN(TestEyeParts)
#include "tst_eye_parts.moc"
