// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bulgarian.h"
#include "form_driver.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Twips to pixels at 15 twips a pixel, each edge rounded on its own.
QRect fromTwips(int left, int top, int width, int height)
{
    auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

QString assignmentText()
{
    const QStringList lines{
        "Съществува египетски амулет Уаджет, наричан още око на Ра.",
        "Това е стилизирано изображение на око, в което всяка отделна част има свое цифрово изражение, а именно:",
        " - по-голямата част от окото = 1/2",
        " - зеница =1/4",
        " - вежда =1/8",
        " - по-малката част от окото =1/16",
        " - капка сълза =1/32",
        " - знак на сокола =1/64",
        "Прочете допълнително информация за Египет, неговата история и митове. В приложеното изображение от проекта е използвано дясно око.",
        "Да се състави проект, осъществяващ междупредметна връзка между История и Информатика.",
        "В проекта да се представи изображение на амулета Уаджет и се осъществи изчисляване на проста дроб.",
        "Чрез група бутони за опционален избор да се описват отделните части на амулета. Ако е избран даден бутон да се показва в проста дроб какъв е делът на съответната избрана част от окото.",
        "Чрез група командни бутони проектът да се извършва:",
        "а) изчисляване на сумата от всички избрани части и представянето им като обикновена дроб и като проста, неделима дроб - използвайте алгоритъм на Евклид;",
        "б) изчистване на всички въведени данни и изчислени резултати.",
    };
    return lines.join("\r\n") + "\r\n";
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clientArea();
    void geometry_data();
    void geometry();
    void tabOrderCycles();
    void onlyTheControlsTakeFocus();
    void fontIsSerifTwelvePoint();
    void colours_data();
    void colours();
    void captionsReadUnderADarkTheme_data();
    void captionsReadUnderADarkTheme();
    void startUpContent();
    void reportRoundTrip_data();
    void reportRoundTrip();
    void reportGrowsByAppending_data();
    void reportGrowsByAppending();
    void tickEventOncePerChange();
    void qtTextsAreBulgarian();

private:
    std::unique_ptr<MainForm> form;
    QWidget *child(const char *name) const { return form->findChild<QWidget *>(name); }
};

void TestMainForm::init()
{
    form = std::make_unique<MainForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestMainForm::cleanup()
{
    form.reset();
}

void TestMainForm::clientArea()
{
    QCOMPARE(form->size(), QSize(461, 374));
    QVERIFY(form->windowTitle().endsWith(QStringLiteral(" История - амулет Уаджет")));
    QVERIFY(!form->windowIcon().isNull());
}

void TestMainForm::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("title") << "Label1" << fromTwips(960, 0, 4575, 375);
    for (int i = 0; i < 6; ++i)
        QTest::addRow("box %d", i) << QStringLiteral("Check1_%1").arg(i) << fromTwips(240, 600 + 480 * i, 3015, 375);
    QTest::newRow("diagram") << "Picture1" << fromTwips(3480, 840, 3315, 1920);
    QTest::newRow("calculate") << "Command1_0" << fromTwips(3600, 3120, 1575, 375);
    QTest::newRow("erase") << "Command1_1" << fromTwips(5280, 3120, 1575, 375);
    QTest::newRow("report") << "Text1_0" << fromTwips(120, 3720, 6735, 1815);
    QTest::newRow("list") << "List1" << fromTwips(3840, 480, 2535, 630);
}

void TestMainForm::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QWidget *widget = form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
}

void TestMainForm::tabOrderCycles()
{
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(QApplication::focusWidget(), child("Text1_0"));

    const QStringList expected{"Check1_0", "Check1_1", "Check1_2", "Check1_3", "Check1_4",
                               "Check1_5", "Command1_0", "Command1_1", "Picture1", "Text1_0"};
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestMainForm::onlyTheControlsTakeFocus()
{
    for (const char *name : {"Label1", "List1"})
        QCOMPARE(child(name)->focusPolicy(), Qt::NoFocus);
    QCOMPARE(child("Picture1")->focusPolicy(), Qt::TabFocus);
    QVERIFY(child("List1")->isHidden());
    QVERIFY(!child("Label1")->isHidden());
}

void TestMainForm::fontIsSerifTwelvePoint()
{
    for (QWidget *widget : form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QFontInfo info(widget->font());
        QVERIFY2(info.family().contains(QStringLiteral("Serif")) || info.family() == QStringLiteral("Times New Roman"),
                 qPrintable(widget->objectName() + ": " + info.family()));
        QCOMPARE(info.pointSize(), 12);
        QCOMPARE(info.weight(), int(QFont::Normal));
        QVERIFY(!info.italic());
    }
}

void TestMainForm::colours_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("window") << QPoint(4, 4) << QColor(192, 192, 255);
    QTest::newRow("window between buttons") << QPoint(348, 220) << QColor(192, 192, 255);
    QTest::newRow("title") << QPoint(68, 4) << QColor(255, 192, 128);
    for (int i = 0; i < 6; ++i)
        QTest::addRow("box %d", i) << QPoint(212, 42 + 32 * i) << QColor(255, 192, 255);
    QTest::newRow("calculate face") << QPoint(244, 220) << QColor(128, 255, 128);
    QTest::newRow("calculate corner") << QPoint(342, 230) << QColor(128, 255, 128);
    QTest::newRow("erase face") << QPoint(356, 220) << QColor(255, 0, 0);
    QTest::newRow("erase corner") << QPoint(454, 230) << QColor(255, 0, 0);
    QTest::newRow("diagram paper") << QPoint(238, 178) << QColor(Qt::white);
}

void TestMainForm::colours()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QImage image = form->grab().toImage();
    QCOMPARE(image.pixelColor(point).rgb(), colour.rgb());
}

void TestMainForm::captionsReadUnderADarkTheme_data()
{
    // The part of each control where only its caption is drawn on its background.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("textArea");
    QTest::newRow("title") << "Label1" << QRect(0, 0, 305, 25);
    for (int i = 0; i < 6; ++i)
        QTest::addRow("box %d", i) << QStringLiteral("Check1_%1").arg(i) << QRect(26, 0, 175, 25);
    QTest::newRow("calculate") << "Command1_0" << QRect(5, 5, 95, 15);
    QTest::newRow("erase") << "Command1_1" << QRect(5, 5, 95, 15);
}

void TestMainForm::captionsReadUnderADarkTheme()
{
    QFETCH(QString, name);
    QFETCH(QRect, textArea);
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(36, 36, 36));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(238, 238, 236));
    QApplication::setPalette(dark);
    form = std::make_unique<MainForm>();
    const QImage image = child(qPrintable(name))->grab().toImage();
    QApplication::setPalette(light);

    // The caption's darkest stroke against the background around it.
    const QColor background = image.pixelColor(textArea.topLeft());
    double best = 1;
    for (int y = textArea.top(); y <= textArea.bottom(); ++y)
        for (int x = textArea.left(); x <= textArea.right(); ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(best, 0, 'f', 2)));
}

void TestMainForm::startUpContent()
{
    FormDriver driver(*form);
    QCOMPARE(driver.captions(), partNames());
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(driver.box(i)->checkState(), Qt::Unchecked);
        QCOMPARE(form->PartName(qint16(i)), partNames().at(i));
    }
    QCOMPARE(form->findChild<QLabel *>("Label1")->text(), QStringLiteral("Уаджет - окото на Ра"));
    QCOMPARE(driver.button(0)->text(), QStringLiteral("Изчисли"));
    QCOMPARE(driver.button(1)->text(), QStringLiteral("Изтрий"));

    QCOMPARE(form->ReportText(), assignmentText());
    QCOMPARE(driver.reportBox()->verticalScrollBar()->value(), 0);
    QVERIFY(driver.reportBox()->isReadOnly());
    QVERIFY(driver.reportBox()->textInteractionFlags() & Qt::TextSelectableByMouse);
}

void TestMainForm::reportRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("no break") << QStringLiteral("Направете нов избор!");
    QTest::newRow("trailing CR LF") << QStringLiteral("Липсва избрана част!\r\n");
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\nа\r\n\r\n");
    QTest::newRow("long") << QStringLiteral("ред\r\n").repeated(200);
}

void TestMainForm::reportRoundTrip()
{
    QFETCH(QString, text);
    form->SetReportText(text);
    QCOMPARE(form->ReportText(), text);
    // Shown with one line break for each CR LF, no extra empty lines.
    FormDriver driver(*form);
    QCOMPARE(driver.reportBox()->toPlainText(), QString(text).replace("\r\n", "\n"));
}

void TestMainForm::reportGrowsByAppending_data()
{
    // Successive texts stored in the report; the box must show the last one.
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("line by line") << QStringList{"а\r\n", "а\r\nб\r\n", "а\r\nб\r\n\r\nв"};
    QTest::newRow("from empty") << QStringList{"", "а", "а\r\nб"};
    QTest::newRow("CR LF split over two") << QStringList{"а\r", "а\r\nб"};
    QTest::newRow("shorter again") << QStringList{"а\r\nб\r\n", "а"};
    QTest::newRow("replaced") << QStringList{"а\r\nб", "в\r\nг\r\n"};
}

void TestMainForm::reportGrowsByAppending()
{
    QFETCH(QStringList, texts);
    for (const QString &text : texts)
        form->SetReportText(text);
    QCOMPARE(form->ReportText(), texts.last());
    FormDriver driver(*form);
    QCOMPARE(driver.reportBox()->toPlainText(), QString(texts.last()).replace("\r\n", "\n"));
    QCOMPARE(driver.reportBox()->verticalScrollBar()->value(), 0);
}

void TestMainForm::tickEventOncePerChange()
{
    FormDriver driver(*form);
    QCheckBox *box = driver.box(2);
    QSignalSpy events(box, CheckStateChanged);

    const struct { bool ticked; int events; } steps[] = {
        {true, 1}, {true, 1}, {false, 2}, {false, 2}, {true, 3},
    };
    for (const auto &step : steps) {
        form->SetTicked(2, step.ticked);
        QCOMPARE(form->IsTicked(2), step.ticked);
        QCOMPARE(events.count(), step.events);
    }

    // Greyed (2) is not ticked; storing ticked over it is a change and raises the event.
    box->setCheckState(Qt::PartiallyChecked);
    QVERIFY(!form->IsTicked(2));
    const int before = int(events.count());
    form->SetTicked(2, true);
    QCOMPARE(events.count(), before + 1);
}

void TestMainForm::qtTextsAreBulgarian()
{
    // Whatever the desktop's language: the tests run in the C locale.
    QVERIFY(useBulgarianThroughout());
    QCOMPARE(QLocale().name(), QStringLiteral("bg_BG"));
    const std::unique_ptr<QMenu> menu(FormDriver(*form).reportBox()->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(texts.contains(QStringLiteral("&Копиране")) && texts.contains(QStringLiteral("Избиране на всичко")),
             qPrintable(texts.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestMainForm)
#include "tst_main_form.moc"
