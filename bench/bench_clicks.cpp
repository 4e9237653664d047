// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Time per click of the two buttons on the real window, offscreen.
#include "main_form.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

class BenchClicks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calculateSixTicked();
    void eraseSixTicked();

private:
    void tickAll();
    std::unique_ptr<MainForm> form;
};

void BenchClicks::initTestCase()
{
    form = std::make_unique<MainForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void BenchClicks::tickAll()
{
    for (qint16 i = 0; i < 6; ++i)
        form->SetTicked(i, true);
}

void BenchClicks::calculateSixTicked()
{
    tickAll();
    QBENCHMARK {
        form->Command1_Click(0);
    }
    QVERIFY(form->ReportText().endsWith(QStringLiteral("63/64\r\n")));
}

// Each erase needs six ticked boxes and a report first, which must not be
// timed, so this one keeps its own clock.
void BenchClicks::eraseSixTicked()
{
    tickAll();
    form->Command1_Click(0);
    const QString report = form->ReportText();

    std::vector<qint64> nanoseconds;
    QElapsedTimer timer;
    for (int round = 0; round < 2000; ++round) {
        tickAll();
        form->SetReportText(report);
        timer.start();
        form->Command1_Click(1);
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    QVERIFY(!form->IsTicked(5));
    std::sort(nanoseconds.begin(), nanoseconds.end());
    std::printf("RESULT : BenchClicks::eraseSixTicked():\n     %.4f msecs per erase (median of %zu)\n",
                nanoseconds[nanoseconds.size() / 2] / 1e6, nanoseconds.size());
}

QTEST_MAIN(BenchClicks)
#include "bench_clicks.moc"
