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
    void fractionInWords_data();
    void fractionInWords();
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

// Every fraction a report can hold, sums and lowest terms, as a teacher says
// it; then fractions no report holds, which keep their digits.
constexpr char16_t SpokenFractions[] = uR"(
1/2 една втора
1/4 една четвърт
3/4 три четвърти
1/8 една осма
3/8 три осми
5/8 пет осми
7/8 седем осми
1/16 една шестнадесета
3/16 три шестнадесети
5/16 пет шестнадесети
7/16 седем шестнадесети
9/16 девет шестнадесети
11/16 единадесет шестнадесети
13/16 тринадесет шестнадесети
15/16 петнадесет шестнадесети
1/32 една тридесет и втора
3/32 три тридесет и втори
5/32 пет тридесет и втори
7/32 седем тридесет и втори
9/32 девет тридесет и втори
11/32 единадесет тридесет и втори
13/32 тринадесет тридесет и втори
15/32 петнадесет тридесет и втори
17/32 седемнадесет тридесет и втори
19/32 деветнадесет тридесет и втори
21/32 двадесет и една тридесет и втори
23/32 двадесет и три тридесет и втори
25/32 двадесет и пет тридесет и втори
27/32 двадесет и седем тридесет и втори
29/32 двадесет и девет тридесет и втори
31/32 тридесет и една тридесет и втори
1/64 една шестдесет и четвърта
2/64 две шестдесет и четвърти
3/64 три шестдесет и четвърти
4/64 четири шестдесет и четвърти
5/64 пет шестдесет и четвърти
6/64 шест шестдесет и четвърти
7/64 седем шестдесет и четвърти
8/64 осем шестдесет и четвърти
9/64 девет шестдесет и четвърти
10/64 десет шестдесет и четвърти
11/64 единадесет шестдесет и четвърти
12/64 дванадесет шестдесет и четвърти
13/64 тринадесет шестдесет и четвърти
14/64 четиринадесет шестдесет и четвърти
15/64 петнадесет шестдесет и четвърти
16/64 шестнадесет шестдесет и четвърти
17/64 седемнадесет шестдесет и четвърти
18/64 осемнадесет шестдесет и четвърти
19/64 деветнадесет шестдесет и четвърти
20/64 двадесет шестдесет и четвърти
21/64 двадесет и една шестдесет и четвърти
22/64 двадесет и две шестдесет и четвърти
23/64 двадесет и три шестдесет и четвърти
24/64 двадесет и четири шестдесет и четвърти
25/64 двадесет и пет шестдесет и четвърти
26/64 двадесет и шест шестдесет и четвърти
27/64 двадесет и седем шестдесет и четвърти
28/64 двадесет и осем шестдесет и четвърти
29/64 двадесет и девет шестдесет и четвърти
30/64 тридесет шестдесет и четвърти
31/64 тридесет и една шестдесет и четвърти
32/64 тридесет и две шестдесет и четвърти
33/64 тридесет и три шестдесет и четвърти
34/64 тридесет и четири шестдесет и четвърти
35/64 тридесет и пет шестдесет и четвърти
36/64 тридесет и шест шестдесет и четвърти
37/64 тридесет и седем шестдесет и четвърти
38/64 тридесет и осем шестдесет и четвърти
39/64 тридесет и девет шестдесет и четвърти
40/64 четиридесет шестдесет и четвърти
41/64 четиридесет и една шестдесет и четвърти
42/64 четиридесет и две шестдесет и четвърти
43/64 четиридесет и три шестдесет и четвърти
44/64 четиридесет и четири шестдесет и четвърти
45/64 четиридесет и пет шестдесет и четвърти
46/64 четиридесет и шест шестдесет и четвърти
47/64 четиридесет и седем шестдесет и четвърти
48/64 четиридесет и осем шестдесет и четвърти
49/64 четиридесет и девет шестдесет и четвърти
50/64 петдесет шестдесет и четвърти
51/64 петдесет и една шестдесет и четвърти
52/64 петдесет и две шестдесет и четвърти
53/64 петдесет и три шестдесет и четвърти
54/64 петдесет и четири шестдесет и четвърти
55/64 петдесет и пет шестдесет и четвърти
56/64 петдесет и шест шестдесет и четвърти
57/64 петдесет и седем шестдесет и четвърти
58/64 петдесет и осем шестдесет и четвърти
59/64 петдесет и девет шестдесет и четвърти
60/64 шестдесет шестдесет и четвърти
61/64 шестдесет и една шестдесет и четвърти
62/64 шестдесет и две шестдесет и четвърти
63/64 шестдесет и три шестдесет и четвърти
0/64 0/64
64/64 64/64
1/3 1/3
-1/2 -1/2
)";

void TestEyeParts::fractionInWords_data()
{
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QString>("words");
    for (const QStringView line : QStringView(SpokenFractions).trimmed().split(u'\n')) {
        const qsizetype slash = line.indexOf(u'/');
        const qsizetype blank = line.indexOf(u' ');
        QTest::addRow("%s", line.left(blank).toUtf8().constData())
            << line.left(slash).toInt() << line.mid(slash + 1, blank - slash - 1).toInt()
            << line.mid(blank + 1).toString();
    }
}

void TestEyeParts::fractionInWords()
{
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(QString, words);
    QCOMPARE(FractionInWords(numerator, denominator), words);
}

QTEST_APPLESS_MAIN(TestEyeParts)
#include "tst_eye_parts.moc"
