// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_driver.h"
#include "report_model.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTextBlock>

#include <functional>

namespace {

// The captions the window must show for the given ticked boxes.
QStringList captionsFor(const QList<int> &ticked)
{
    QStringList captions = partNames();
    for (int i : ticked)
        captions[i] = fractionCaption(i);
    return captions;
}

using Tick = std::function<void(const FormDriver &, MainForm &, int)>;

} // namespace

class TestHandlers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyWayOfTickingRaisesOneEvent_data();
    void everyWayOfTickingRaisesOneEvent();
    void buttonsWorkByMouseAndKeys_data();
    void buttonsWorkByMouseAndKeys();
    void typicalUse();
    void edgeCases_data();
    void edgeCases();
    void resultInView_data();
    void resultInView();
    void eraseRunsEachTickedBoxOnce();
    void tickingLeavesTheReport();
    void outOfRangeIndicesDoNothing();
    void greyedBoxThenWorked_data();
    void greyedBoxThenWorked();

private:
    std::unique_ptr<MainForm> form;
};

void TestHandlers::init()
{
    form = std::make_unique<MainForm>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestHandlers::cleanup()
{
    form.reset();
}

void TestHandlers::everyWayOfTickingRaisesOneEvent_data()
{
    QTest::addColumn<Tick>("tick");
    QTest::addColumn<int>("index");
    const Tick mouse = [](const FormDriver &d, MainForm &, int i) { d.clickBox(i); };
    const Tick caption = [](const FormDriver &d, MainForm &, int i) { d.clickCaption(i); };
    // The same spot ticks and unticks, though the caption shrinks to its fraction.
    const Tick midRow = [](const FormDriver &d, MainForm &, int i) {
        QTest::mouseClick(d.box(i), Qt::LeftButton, {}, d.box(i)->rect().center());
    };
    const Tick rowEnd = [](const FormDriver &d, MainForm &, int i) {
        QTest::mouseClick(d.box(i), Qt::LeftButton, {}, QPoint(d.box(i)->width() - 3, 3));
    };
    const Tick space = [](const FormDriver &d, MainForm &, int i) { d.spaceOnBox(i); };
    const Tick toggle = [](const FormDriver &d, MainForm &, int i) { d.box(i)->toggle(); };
    const Tick code = [](const FormDriver &, MainForm &f, int i) { f.SetTicked(qint16(i), !f.IsTicked(qint16(i))); };
    QTest::newRow("mouse on indicator, 3") << mouse << 3;
    QTest::newRow("mouse on caption, 0") << caption << 0;
    QTest::newRow("mouse mid-row, 1") << midRow << 1;
    QTest::newRow("mouse at the row's end, 0") << rowEnd << 0;
    QTest::newRow("space, 5") << space << 5;
    QTest::newRow("toggle action, 1") << toggle << 1;
    QTest::newRow("SetTicked, 4") << code << 4;
}

void TestHandlers::everyWayOfTickingRaisesOneEvent()
{
    QFETCH(Tick, tick);
    QFETCH(int, index);
    FormDriver driver(*form);
    QSignalSpy events(driver.box(index), CheckStateChanged);
    const QString report = form->ReportText();

    tick(driver, *form, index);
    QVERIFY(form->IsTicked(qint16(index)));
    QCOMPARE(events.count(), 1);
    QCOMPARE(driver.captions(), captionsFor({index}));

    tick(driver, *form, index);
    QVERIFY(!form->IsTicked(qint16(index)));
    QCOMPARE(events.count(), 2);
    QCOMPARE(driver.captions(), partNames());
    QCOMPARE(form->ReportText(), report);
}

void TestHandlers::buttonsWorkByMouseAndKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("mouse") << 0;
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

void TestHandlers::buttonsWorkByMouseAndKeys()
{
    QFETCH(int, key);
    FormDriver driver(*form);
    auto press = [&](int button) {
        if (key)
            driver.keyOnButton(button, Qt::Key(key));
        else
            driver.clickButton(button);
    };
    form->SetTicked(1, true);
    press(0);
    QCOMPARE(form->ReportText(), ReportHead + "1/4\r\n\r\nИзчислената дроб е: 16/64\r\nПроста дроб: 1/4");
    press(1);
    QCOMPARE(form->ReportText(), ErasePrompt);
    QCOMPARE(driver.captions(), partNames());
}

void TestHandlers::typicalUse()
{
    FormDriver driver(*form);
    driver.clickBox(1);
    QCOMPARE(driver.box(1)->text(), QStringLiteral("1/4"));
    driver.clickBox(0);
    QCOMPARE(driver.captions(), captionsFor({0, 1}));

    driver.clickButton(0);
    QCOMPARE(form->ReportText().split("\r\n"),
             QStringList({"Сумата се формира от: ", "1/2", "1/4", "", "Изчислената дроб е: 48/64",
                          "Проста дроб: 3/4"}));
    QCOMPARE(driver.reportBox()->toPlainText().count('\n'), 5);

    driver.clickButton(1);
    QCOMPARE(driver.captions(), partNames());
    QVERIFY(!form->IsTicked(0) && !form->IsTicked(1));
    QCOMPARE(form->ReportText(), ErasePrompt);
}

void TestHandlers::edgeCases_data()
{
    // Actions: a digit ticks or unticks that box by mouse, 'c' calculates, 'e' erases.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("report");
    const QString start = QStringLiteral("(start-up)");
    QTest::newRow("untick restores the name") << "33" << QList<int>{} << start;
    QTest::newRow("0 and 5") << "05c" << QList<int>{0, 5}
                             << ReportHead + "1/2\r\n1/64\r\n\r\nИзчислената дроб е: 33/64\r\n";
    QTest::newRow("erase after a report") << "0123c e" << QList<int>{} << ErasePrompt;
    QTest::newRow("calculate after erase") << "24ec" << QList<int>{} << NoPartReport;
    QTest::newRow("erase with nothing ticked") << "e" << QList<int>{} << ErasePrompt;
    QTest::newRow("calculate twice") << "12cc" << QList<int>{1, 2}
                                     << ReportHead + "1/4\r\n1/8\r\n\r\nИзчислената дроб е: 24/64\r\nПроста дроб: 3/8";
    QTest::newRow("all six") << "543210c" << QList<int>{0, 1, 2, 3, 4, 5}
                             << ReportHead + "1/2\r\n1/4\r\n1/8\r\n1/16\r\n1/32\r\n1/64\r\n\r\nИзчислената дроб е: 63/64\r\n";
}

void TestHandlers::edgeCases()
{
    QFETCH(QString, actions);
    QFETCH(QList<int>, ticked);
    QFETCH(QString, report);
    FormDriver driver(*form);
    const QString startUp = form->ReportText();
    for (const QChar action : actions) {
        if (action.isDigit())
            driver.clickBox(action.digitValue());
        else if (action == 'c')
            driver.clickButton(0);
        else if (action == 'e')
            driver.clickButton(1);
    }
    QCOMPARE(driver.captions(), captionsFor(ticked));
    QCOMPARE(form->ReportText(), report == "(start-up)" ? startUp : report);
}

void TestHandlers::resultInView_data()
{
    QTest::addColumn<int>("pattern");
    for (int pattern = 1; pattern < 64; ++pattern)
        QTest::addRow("%d", pattern) << pattern;
}

void TestHandlers::resultInView()
{
    QFETCH(int, pattern);
    FormDriver driver(*form);
    for (int i = 0; i < 6; ++i)
        form->SetTicked(qint16(i), pattern & (1 << i));
    driver.clickButton(0);

    // The sum line and the lowest terms, where there is one, need no scrolling.
    QPlainTextEdit *report = driver.reportBox();
    const QRect visible = report->viewport()->rect();
    int resultLines = 0;
    for (QTextBlock block = report->document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().startsWith(QStringLiteral("Изчислената дроб е:"))
            && !block.text().startsWith(QStringLiteral("Проста дроб:")))
            continue;
        ++resultLines;
        QTextCursor cursor(block);
        const QRect first = report->cursorRect(cursor);
        cursor.movePosition(QTextCursor::EndOfBlock);
        QVERIFY2(visible.contains(first) && visible.contains(report->cursorRect(cursor)),
                 qPrintable(block.text()));
    }
    QVERIFY(resultLines >= 1);
}

void TestHandlers::eraseRunsEachTickedBoxOnce()
{
    FormDriver driver(*form);
    const QList<int> ticked{0, 2, 5};
    for (int i : ticked)
        driver.clickBox(i);

    // Connected after the window's own handler, so each record sees the caption it set.
    QStringList events;
    for (int i = 0; i < 6; ++i) {
        connect(driver.box(i), CheckStateChanged, this, [&events, &driver, i] {
            events << QString::number(i) + ' ' + driver.box(i)->text();
        });
    }
    driver.clickButton(1);
    QCOMPARE(events, QStringList({"0 " + partNames()[0], "2 " + partNames()[2], "5 " + partNames()[5]}));
    QCOMPARE(driver.captions(), partNames());
    QCOMPARE(form->ReportText(), ErasePrompt);
}

void TestHandlers::tickingLeavesTheReport()
{
    FormDriver driver(*form);
    driver.clickBox(0);
    driver.clickButton(0);
    const QString report = form->ReportText();
    driver.clickBox(3);
    driver.spaceOnBox(0);
    QCOMPARE(form->ReportText(), report);
    QCOMPARE(driver.captions(), captionsFor({3}));
}

void TestHandlers::outOfRangeIndicesDoNothing()
{
    FormDriver driver(*form);
    driver.clickBox(2);
    const QString report = form->ReportText();
    for (const qint16 index : {qint16(-1), qint16(2 + 4), qint16(32767), qint16(-32768)}) {
        form->Command1_Click(index);
        form->Check1_Click(index);
        form->SetTicked(index, true);
        form->SetCaption(index, QStringLiteral("x"));
        QVERIFY(!form->IsTicked(index));
        QVERIFY(form->PartName(index).isEmpty());
    }
    QCOMPARE(form->ReportText(), report);
    QCOMPARE(driver.captions(), captionsFor({2}));
}

void TestHandlers::greyedBoxThenWorked_data()
{
    // A box forced into the greyed state by code, then worked once.
    QTest::addColumn<Tick>("work");
    QTest::addColumn<int>("state");
    const Tick accessibleToggle = [](const FormDriver &d, MainForm &, int i) {
        QAccessible::queryAccessibleInterface(d.box(i))->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    };
    QTest::newRow("mouse ticks it") << Tick([](const FormDriver &d, MainForm &, int i) { d.clickBox(i); })
                                    << int(Qt::Checked);
    QTest::newRow("caption ticks it") << Tick([](const FormDriver &d, MainForm &, int i) { d.clickCaption(i); })
                                      << int(Qt::Checked);
    QTest::newRow("space ticks it") << Tick([](const FormDriver &d, MainForm &, int i) { d.spaceOnBox(i); })
                                    << int(Qt::Checked);
    QTest::newRow("toggle action unticks it") << accessibleToggle << int(Qt::Unchecked);
    QTest::newRow("SetTicked true") << Tick([](const FormDriver &, MainForm &f, int i) { f.SetTicked(qint16(i), true); })
                                    << int(Qt::Checked);
    QTest::newRow("SetTicked false") << Tick([](const FormDriver &, MainForm &f, int i) { f.SetTicked(qint16(i), false); })
                                     << int(Qt::Unchecked);
    QTest::newRow("erase unticks it") << Tick([](const FormDriver &d, MainForm &, int) { d.clickButton(1); })
                                      << int(Qt::Unchecked);
    QTest::newRow("calculate leaves it") << Tick([](const FormDriver &d, MainForm &, int) { d.clickButton(0); })
                                         << int(Qt::PartiallyChecked);
}

void TestHandlers::greyedBoxThenWorked()
{
    QFETCH(Tick, work);
    QFETCH(int, state);
    FormDriver driver(*form);
    const int index = 2;
    driver.box(index)->setCheckState(Qt::PartiallyChecked);
    QCOMPARE(driver.box(index)->text(), partNames()[index]);

    work(driver, *form, index);
    QCOMPARE(int(driver.box(index)->checkState()), state);
    QCOMPARE(driver.captions(), captionsFor(state == Qt::Checked ? QList<int>{index} : QList<int>{}));
    if (state == Qt::PartiallyChecked)
        QCOMPARE(form->ReportText(), NoPartReport);

    // Never stuck: clicks then move it between unticked and ticked only.
    for (int click = 0; click < 4; ++click) {
        const bool wasTicked = form->IsTicked(index);
        driver.clickBox(index);
        QCOMPARE(form->IsTicked(index), !wasTicked);
        QVERIFY(driver.box(index)->checkState() != Qt::PartiallyChecked);
    }
}

QTEST_MAIN(TestHandlers)
#include "tst_handlers.moc"
