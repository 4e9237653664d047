// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Speaks a message through the screen reader without moving focus. It is a
// notification that draws nothing: each message shows it anew, and screen
// readers read a notification when it appears.
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
