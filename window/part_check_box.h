// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>

// A part's check box. The pupil moves it only between unticked and ticked;
// a click on a box that code has greyed ticks it. The whole coloured row
// takes the click, however short the caption.
class PartCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
    bool hitButton(const QPoint &pos) const override;
};
