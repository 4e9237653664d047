// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>

// A part's check box. The pupil moves it only between unticked and ticked;
// a click on a box that code has greyed ticks it. The whole coloured row
// takes the click, however short the caption, and assistive tools are told
// the same area.
class PartCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit PartCheckBox(QWidget *parent = nullptr);

protected:
    void nextCheckState() override;
};
