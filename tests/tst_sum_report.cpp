// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_window.h"
#include "report_model.h"
#include "sum_report.h"

#include <QTest>

namespace {

std::array<int, 6> ticksOf(const QList<int> &ticked)
{
    std::array<int, 6> ticks{};
    for (int i : ticked)
        ticks[i] = 1;
    return ticks;
}

QString report(const std::array<int, 6> &ticks, const QString &before = QString())
{
    FakeWindow window;
    window.ticks = ticks;
    window.report = before;
    CalculateSum(window);
    return window.report;
}

QString spokenReport(const std::array<int, 6> &ticks)
{
    FakeWindow window;
    window.ticks = ticks;
    return SpokenSum(window);
}

} // namespace

class TestSumReport : public QObject
{
    Q_OBJECT

private slots:
    void workedReports_data();
    void workedReports();
    void everyPattern_data();
    void everyPattern();
    void replacesWhatWasThere();
    void calculateTwiceGivesTheSameText();
    void greyedCountsAsUnticked_data();
    void greyedCountsAsUnticked();
};

void TestSumReport::workedReports_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("none") << QList<int>{} << NoPartReport << "Липсва избрана част!";
    QTest::newRow("5") << QList<int>{5}
                       << ReportHead + "1/64\r\n\r\nИзчислената дроб е: 1/64\r\n"
                       << "Сумата се формира от една шестдесет и четвърта. "
                          "Изчислената дроб е една шестдесет и четвърта.";
    QTest::newRow("0") << QList<int>{0}
                       << ReportHead + "1/2\r\n\r\nИзчислената дроб е: 32/64\r\nПроста дроб: 1/2"
                       << "Сумата се формира от една втора. Изчислената дроб е "
                          "тридесет и две шестдесет и четвърти. Простата дроб е една втора.";
    QTest::newRow("0 1") << QList<int>{0, 1}
                         << ReportHead + "1/2\r\n1/4\r\n\r\nИзчислената дроб е: 48/64\r\nПроста дроб: 3/4"
                         << "Сумата се формира от една втора и една четвърт. Изчислената дроб е "
                            "четиридесет и осем шестдесет и четвърти. Простата дроб е три четвърти.";
    QTest::newRow("1 2") << QList<int>{1, 2}
                         << ReportHead + "1/4\r\n1/8\r\n\r\nИзчислената дроб е: 24/64\r\nПроста дроб: 3/8"
                         << "Сумата се формира от една четвърт и една осма. Изчислената дроб е "
                            "двадесет и четири шестдесет и четвърти. Простата дроб е три осми.";
    QTest::newRow("0 5") << QList<int>{0, 5}
                         << ReportHead + "1/2\r\n1/64\r\n\r\nИзчислената дроб е: 33/64\r\n"
                         << "Сумата се формира от една втора и една шестдесет и четвърта. "
                            "Изчислената дроб е тридесет и три шестдесет и четвърти.";
    QTest::newRow("0-4") << QList<int>{0, 1, 2, 3, 4}
                         << ReportHead + "1/2\r\n1/4\r\n1/8\r\n1/16\r\n1/32\r\n\r\n"
                                   "Изчислената дроб е: 62/64\r\nПроста дроб: 31/32"
                         << "Сумата се формира от една втора, една четвърт, една осма, "
                            "една шестнадесета и една тридесет и втора. Изчислената дроб е "
                            "шестдесет и две шестдесет и четвърти. "
                            "Простата дроб е тридесет и една тридесет и втори.";
    QTest::newRow("0-5") << QList<int>{0, 1, 2, 3, 4, 5}
                         << ReportHead + "1/2\r\n1/4\r\n1/8\r\n1/16\r\n1/32\r\n1/64\r\n\r\n"
                                   "Изчислената дроб е: 63/64\r\n"
                         << "Сумата се формира от една втора, една четвърт, една осма, "
                            "една шестнадесета, една тридесет и втора и една шестдесет и четвърта. "
                            "Изчислената дроб е шестдесет и три шестдесет и четвърти.";
}

void TestSumReport::workedReports()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(report(ticksOf(ticked)), text);
    QCOMPARE(spokenReport(ticksOf(ticked)), spoken);
}

void TestSumReport::everyPattern_data()
{
    QTest::addColumn<int>("pattern");
    for (int pattern = 0; pattern < 64; ++pattern)
        QTest::addRow("%02d", pattern) << pattern;
}

void TestSumReport::everyPattern()
{
    QFETCH(int, pattern);
    std::array<int, 6> ticks{};
    for (int i = 0; i < 6; ++i)
        ticks[i] = (pattern >> i) & 1;
    QCOMPARE(report(ticks), expectedReport(ticks));
    // A voice would read these out as "slash" and "colon".
    const QString spoken = spokenReport(ticks);
    QVERIFY2(!spoken.contains(u'/') && !spoken.contains(u':'), qPrintable(spoken));
}

void TestSumReport::replacesWhatWasThere()
{
    const QString assignment = QStringLiteral("Съществува египетски амулет Уаджет\r\n");
    QCOMPARE(report(ticksOf({1}), assignment), expectedReport(ticksOf({1})));
    QCOMPARE(report(ticksOf({}), assignment), NoPartReport);
}

void TestSumReport::calculateTwiceGivesTheSameText()
{
    FakeWindow window;
    window.ticks = ticksOf({0, 2, 3});
    CalculateSum(window);
    const QString first = window.report;
    CalculateSum(window);
    QCOMPARE(window.report, first);
}

void TestSumReport::greyedCountsAsUnticked_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QList<int>>("greyed");
    QTest::newRow("all greyed") << QList<int>{} << QList<int>{0, 1, 2, 3, 4, 5};
    QTest::newRow("greyed beside ticked") << QList<int>{1, 4} << QList<int>{0, 5};
    QTest::newRow("one greyed") << QList<int>{0, 1, 2, 3, 4} << QList<int>{5};
}

void TestSumReport::greyedCountsAsUnticked()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QList<int>, greyed);
    std::array<int, 6> ticks = ticksOf(ticked);
    for (int i : greyed)
        ticks[i] = 2;
    QCOMPARE(report(ticks), report(ticksOf(ticked)));
}

QTEST_APPLESS_MAIN(TestSumReport)
#include "tst_sum_report.moc"
