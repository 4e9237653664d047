// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_operations.h"

#include <QWidget>

#include <array>
#include <memory>

class Announcer;
class QCheckBox;
class QPushButton;

namespace Ui {
class MainForm;
}

// The program's only window: the eye diagram, a check box for each part of
// the eye, the calculate and erase buttons and the report box.
class MainForm : public QWidget, public WindowOperations
{
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent = nullptr);
    ~MainForm() override;

    // The font of the window and its controls, as the application's default:
    // the hint keeps it a serif where the family is missing, and no other
    // face is ever loaded.
    static QFont windowFont();

    bool IsTicked(qint16 index) const override;
    void SetTicked(qint16 index, bool ticked) override;
    void SetCaption(qint16 index, const QString &text) override;
    QString PartName(qint16 index) const override;
    QString ReportText() const override;
    void SetReportText(const QString &text) override;

    // The tick event of box index: its value has just changed.
    void Check1_Click(qint16 index);
    // The button event: 0 calculates, 1 erases.
    void Command1_Click(qint16 index);

private:
    void ClearSelection();
    void showReportEnd();
    void describeForAssistiveTools();
    QCheckBox *checkBox(qint16 index) const;

    std::unique_ptr<Ui::MainForm> ui;
    std::array<QCheckBox *, 6> Check1{};
    std::array<QPushButton *, 2> Command1{};
    Announcer *m_announcer = nullptr;
    // The report as stored, CR LF and all; the box shows it with its own line breaks.
    QString m_reportText;
};
