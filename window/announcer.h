// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Speaks a message through the screen reader without moving focus: as an
// announcement where Qt has one (6.8), as a notification on Windows, and
// elsewhere as a notification that draws nothing, shown anew each time.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent = nullptr);

    void announce(const QString &message);

    // Where else every message goes: a browser page, which has no
    // accessibility bridge, shows it in its live region.
    static void setEcho(void (*echo)(const QString &message));
};
