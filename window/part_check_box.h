// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>
#include <QtGlobal>

// The signal a check box raises on every change of state, greyed included.
// Qt 6.7 gave it a new name, and the state as an enum.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
inline constexpr auto CheckStateChanged = &QCheckBox::checkStateChanged;
#else
inline constexpr auto CheckStateChanged = &QCheckBox::stateChanged;
#endif

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
