// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A push button whose whole face is painted in its palette's Button colour,
// with a thin frame and the caption centred on it.
class FaceButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
