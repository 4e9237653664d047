// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"

#include "ui_MainForm.h"

#include <QScrollBar>
#include <QTextCursor>

#include "accessible_roles.h"
#include "announcer.h"
#include "part_check_box.h"
#include "svg_icon.h"

#include "eye_parts.h"
#include "sum_report.h"

MainForm::MainForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::MainForm>())
{
    installAccessibleRoles();
    ui->setupUi(this);

    setWindowIcon(svgIcon(QStringLiteral(":/udjat/icon.svg"), 32));

    Check1 = {ui->Check1_0, ui->Check1_1, ui->Check1_2, ui->Check1_3, ui->Check1_4, ui->Check1_5};
    Command1 = {ui->Command1_0, ui->Command1_1};
    describeForAssistiveTools();
    m_announcer = new Announcer(this);

    // The stored assignment ends every line with a line break; the report keeps CR LF.
    m_reportText = ui->Text1_0->toPlainText().replace(QLatin1Char('\n'), CrLf);

    // The tick event follows the box's value, however it changed: click, key,
    // assistive tool or code. Greyed to ticked changes no 'toggled', so use the state.
    for (qint16 i = 0; i < qint16(Check1.size()); ++i)
        connect(Check1[i], CheckStateChanged, this, [this, i] { Check1_Click(i); });
    for (qint16 i = 0; i < qint16(Command1.size()); ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

    // What the pupil did is spoken where the pupil is: focus stays put. Only
    // the pupil's own ticks are spoken, not those an erase undoes.
    // A voice says fractions in words: "1/8" would come out as "1 slash 8".
    for (const EyePart &part : EyeParts) {
        connect(Check1[part.index], &QCheckBox::clicked, this, [this, part](bool ticked) {
            m_announcer->announce(ticked ? FractionInWords(part) + QStringLiteral(", отметната")
                                         : PartName(part.index) + QStringLiteral(", неотметната"));
        });
    }
    connect(Command1[0], &QPushButton::clicked, this, [this] { m_announcer->announce(SpokenSum(*this)); });
    connect(Command1[1], &QPushButton::clicked, this,
            [this] { m_announcer->announce(ui->Text1_0->toPlainText().trimmed()); });
}

MainForm::~MainForm() = default;

void MainForm::describeForAssistiveTools()
{
    // The title comes first; the caption's web address would only be spelled out.
    setAccessibleName(ui->Label1->text() + QStringLiteral(". ")
                      + windowTitle().section(QLatin1Char(' '), 1));
    for (const EyePart &part : EyeParts) {
        Check1[part.index]->setAccessibleDescription(
            QStringLiteral("%1, %2").arg(part.name, FractionInWords(part)));
    }
    ui->Picture1->setAccessibleDescription(EyeDiagram::describeLabels());
}

QFont MainForm::windowFont()
{
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

QCheckBox *MainForm::checkBox(qint16 index) const
{
    return index >= 0 && index < qint16(Check1.size()) ? Check1[index] : nullptr;
}

bool MainForm::IsTicked(qint16 index) const
{
    const QCheckBox *box = checkBox(index);
    return box && box->checkState() == Qt::Checked;
}

void MainForm::SetTicked(qint16 index, bool ticked)
{
    if (QCheckBox *box = checkBox(index))
        box->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void MainForm::SetCaption(qint16 index, const QString &text)
{
    if (QCheckBox *box = checkBox(index))
        box->setText(text);
}

QString MainForm::PartName(qint16 index) const
{
    return ui->List1->item(index);
}

QString MainForm::ReportText() const
{
    return m_reportText;
}

void MainForm::SetReportText(const QString &text)
{
    // A report grows line by line; then only the new lines need laying out.
    // A stored text ending in CR may be half of a CR LF, so that one is redone.
    const bool appends = text.startsWith(m_reportText) && !m_reportText.endsWith(QLatin1Char('\r'));
    const QString shown = QString(text).remove(0, appends ? m_reportText.size() : 0)
                              .replace(CrLf, QStringLiteral("\n"));
    m_reportText = text;
    if (appends) {
        QTextCursor end(ui->Text1_0->document());
        end.movePosition(QTextCursor::End);
        end.insertText(shown);
    } else {
        ui->Text1_0->setPlainText(shown);
    }
}

void MainForm::Check1_Click(qint16 index)
{
    if (!checkBox(index))
        return;
    qint16 denominator = 1;
    for (qint16 k = 0; k <= index; ++k)
        denominator = qint16(denominator * 2);

    if (IsTicked(index))
        SetCaption(index, QStringLiteral("1/") + QString::number(denominator));
    else
        SetCaption(index, PartName(index));
}

void MainForm::Command1_Click(qint16 index)
{
    switch (index) {
    case 0:
        CalculateSum(*this);
        showReportEnd();
        break;
    case 1:
        ClearSelection();
        SetReportText(QStringLiteral("Направете нов избор!"));
        break;
    default:
        break;
    }
}

void MainForm::showReportEnd()
{
    // The sum and the lowest terms are the report's last lines: keep them in view.
    QScrollBar *bar = ui->Text1_0->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void MainForm::ClearSelection()
{
    // A box that was ticked runs its own tick event inside SetTicked.
    for (const EyePart &part : EyeParts)
        SetTicked(part.index, false);
}
