// Time per click of the two buttons on the real window, offscreen.
#include "main_form.h"

#include <QTest>

class BenchClicks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calculateSixTicked();
    void tickSix();
    void tickSixThenErase();

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

// The erase alone costs the difference between these two.
void BenchClicks::tickSix()
{
    QBENCHMARK {
        tickAll();
        for (qint16 i = 0; i < 6; ++i)
            form->SetTicked(i, false);
    }
}

void BenchClicks::tickSixThenErase()
{
    QBENCHMARK {
        tickAll();
        form->Command1_Click(1);
    }
    QVERIFY(!form->IsTicked(0));
}

QTEST_MAIN(BenchClicks)
#include "bench_clicks.moc"
