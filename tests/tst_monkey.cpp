// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_driver.h"
#include "report_model.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>

#include <chrono>
#include <random>

namespace {

// Resident memory of this process, in KiB.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

quint32 seedFromEnvironment()
{
    const QString text = qEnvironmentVariable("UDJAT_MONKEY_SEED");
    bool ok = false;
    const quint32 seed = text.toUInt(&ok);
    if (ok)
        return seed;
    return quint32(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

// A long random session against a model of what the window must show.
class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void longSession();

private:
    enum class Event {
        ClickIndicator, ClickCaption, SpaceOnBox, ToggleAction, SetTicked, ForceGreyed,
        ClickCalculate, ClickErase, KeyOnButton, SpaceOnFocused, Tab, ClickElsewhere,
        TypeIntoReport, Count
    };

    void perform(Event event);
    void tickModel(int index, int value) { ticks[index] = value; }
    void pressButton(int index);
    QString mismatch() const;

    std::unique_ptr<MainForm> form;
    std::unique_ptr<FormDriver> driver;
    std::mt19937 random;
    std::array<int, 6> ticks{};
    QString report;

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
};

// What a click, Space or the like does to a box: the pupil ticks an unticked
// or greyed box and unticks a ticked one.
static int flipped(int tick) { return tick == 1 ? 0 : 1; }

void TestMonkey::pressButton(int index)
{
    if (index == 0) {
        report = expectedReport(ticks);
    } else {
        ticks.fill(0);
        report = ErasePrompt;
    }
}

void TestMonkey::perform(Event event)
{
    const int box = pick(6);
    switch (event) {
    case Event::ClickIndicator:
        driver->clickBox(box);
        tickModel(box, flipped(ticks[box]));
        break;
    case Event::ClickCaption:
        driver->clickCaption(box);
        tickModel(box, flipped(ticks[box]));
        break;
    case Event::SpaceOnBox:
        driver->spaceOnBox(box);
        tickModel(box, flipped(ticks[box]));
        break;
    case Event::ToggleAction: {
        // An assistive tool's Toggle flips the checked flag: greyed counts as set.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(driver->box(box));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        tickModel(box, ticks[box] == 0 ? 1 : 0);
        break;
    }
    case Event::SetTicked: {
        const bool ticked = pick(2);
        form->SetTicked(qint16(box), ticked);
        tickModel(box, ticked ? 1 : 0);
        break;
    }
    case Event::ForceGreyed:
        driver->box(box)->setCheckState(Qt::PartiallyChecked);
        tickModel(box, 2);
        break;
    case Event::ClickCalculate:
    case Event::ClickErase: {
        const int button = event == Event::ClickCalculate ? 0 : 1;
        driver->clickButton(button);
        pressButton(button);
        break;
    }
    case Event::KeyOnButton: {
        const int button = pick(2);
        driver->keyOnButton(button, pick(2) ? Qt::Key_Space : Qt::Key_Return);
        pressButton(button);
        break;
    }
    case Event::SpaceOnFocused: {
        QWidget *focused = QApplication::focusWidget();
        if (!focused)
            break;
        QTest::keyClick(focused, Qt::Key_Space);
        for (int i = 0; i < 6; ++i) {
            if (focused == driver->box(i))
                tickModel(i, flipped(ticks[i]));
        }
        for (int i = 0; i < 2; ++i) {
            if (focused == driver->button(i))
                pressButton(i);
        }
        break;
    }
    case Event::Tab:
        if (QWidget *focused = QApplication::focusWidget())
            QTest::keyClick(focused, Qt::Key_Tab, pick(4) ? Qt::NoModifier : Qt::ShiftModifier);
        break;
    case Event::ClickElsewhere: {
        QWidget *targets[] = {form->findChild<QWidget *>("Picture1"), form->findChild<QLabel *>("Label1"),
                              driver->reportBox()->viewport(), form.get()};
        QWidget *target = targets[pick(4)];
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(pick(target->width()), pick(target->height())));
        break;
    }
    case Event::TypeIntoReport: {
        const Qt::Key keys[] = {Qt::Key_A, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
                                Qt::Key_Down, Qt::Key_End, Qt::Key_Space, Qt::Key_Tab};
        driver->reportBox()->setFocus();
        const Qt::Key key = keys[pick(8)];
        QTest::keyClick(driver->reportBox(), key, pick(5) ? Qt::NoModifier : Qt::ControlModifier);
        break;
    }
    case Event::Count:
        break;
    }
}

QString TestMonkey::mismatch() const
{
    for (int i = 0; i < 6; ++i) {
        const QString caption = ticks[i] == 1 ? fractionCaption(i) : partNames()[i];
        if (driver->box(i)->text() != caption)
            return QStringLiteral("box %1 shows '%2', not '%3'").arg(i).arg(driver->box(i)->text(), caption);
        if (form->IsTicked(qint16(i)) != (ticks[i] == 1))
            return QStringLiteral("box %1 is ticked: %2, the model says %3").arg(i).arg(form->IsTicked(qint16(i))).arg(ticks[i]);
    }
    if (form->ReportText() != report)
        return QStringLiteral("report is '%1', not '%2'").arg(form->ReportText(), report);
    return QString();
}

void TestMonkey::longSession()
{
    const quint32 seed = seedFromEnvironment();
    const int events = qEnvironmentVariableIntValue("UDJAT_MONKEY_EVENTS") > 0
                           ? qEnvironmentVariableIntValue("UDJAT_MONKEY_EVENTS") : 100000;
    qInfo("seed %u, %d events (set UDJAT_MONKEY_SEED to repeat)", seed, events);
    random.seed(seed);

    form = std::make_unique<MainForm>();
    driver = std::make_unique<FormDriver>(*form);
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    report = form->ReportText();

    long memoryAtThousand = 0;
    qint64 slowestNs = 0;
    QElapsedTimer total;
    total.start();
    for (int step = 1; step <= events; ++step) {
        const auto event = Event(pick(int(Event::Count)));
        QElapsedTimer timer;
        timer.start();
        perform(event);
        QCoreApplication::processEvents();
        slowestNs = std::max(slowestNs, timer.nsecsElapsed());

        const QString wrong = mismatch();
        if (!wrong.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2, event %3: %4")
                                 .arg(seed).arg(step).arg(int(event)).arg(wrong)));
        if (timer.elapsed() > 2000)
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2: an event took %3 ms")
                                 .arg(seed).arg(step).arg(timer.elapsed())));
        if (step == 1000)
            memoryAtThousand = residentKiB();
    }
    const long memoryAtEnd = residentKiB();
    qInfo("%d events in %.1f s, slowest %.2f ms; resident memory %ld KiB after 1000, %ld KiB after %d",
          events, total.elapsed() / 1000.0, slowestNs / 1e6, memoryAtThousand, memoryAtEnd, events);

#if defined(__SANITIZE_ADDRESS__)
    qInfo("memory bound not checked: the address sanitizer holds freed memory in quarantine");
#else
    if (events >= 100000)
        QVERIFY2(memoryAtEnd - memoryAtThousand <= 1024, "resident memory grew by more than 1 MiB");
#endif
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
