// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "main_form.h"
#include "part_check_box.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// Reaches the real controls of a MainForm and works them as a pupil would.
class FormDriver
{
public:
    explicit FormDriver(MainForm &form) : m_form(form) {}

    QCheckBox *box(int index) const
    {
        return m_form.findChild<QCheckBox *>(QStringLiteral("Check1_%1").arg(index));
    }
    QPushButton *button(int index) const
    {
        return m_form.findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(index));
    }
    QPlainTextEdit *reportBox() const
    {
        return m_form.findChild<QPlainTextEdit *>(QStringLiteral("Text1_0"));
    }

    // The centre of a check box is outside its hit area; aim at the indicator.
    static QPoint indicatorCentre(QCheckBox *box)
    {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    // A point on the box's caption, which a click toggles too.
    static QPoint captionPoint(QCheckBox *box)
    {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect label = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        return QPoint(label.left() + 8, label.center().y());
    }

    void clickBox(int index) const { QTest::mouseClick(box(index), Qt::LeftButton, {}, indicatorCentre(box(index))); }
    void clickCaption(int index) const { QTest::mouseClick(box(index), Qt::LeftButton, {}, captionPoint(box(index))); }
    void spaceOnBox(int index) const { keyOn(box(index), Qt::Key_Space); }
    void clickButton(int index) const { QTest::mouseClick(button(index), Qt::LeftButton); }
    void keyOnButton(int index, Qt::Key key) const { keyOn(button(index), key); }

    QStringList captions() const
    {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << box(i)->text();
        return texts;
    }

private:
    static void keyOn(QWidget *widget, Qt::Key key)
    {
        widget->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(widget, key);
    }

    MainForm &m_form;
};

// The six part names as the window shows them while unticked.
inline const QStringList &partNames()
{
    static const QStringList names{
        QStringLiteral("по-голямата част от окото"), QStringLiteral("зеница"),
        QStringLiteral("вежда"), QStringLiteral("по-малката част от окото"),
        QStringLiteral("капка сълза"), QStringLiteral("знак на сокола"),
    };
    return names;
}
