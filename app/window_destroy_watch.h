// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QWidget>

// Ends the program when another client destroys its window (for example
// `xdotool windowclose`). Qt ignores that on X11 and would run on with no
// window; elsewhere this watches nothing.
class WindowDestroyWatch : public QAbstractNativeEventFilter
{
public:
    explicit WindowDestroyWatch(const QWidget &window);
    ~WindowDestroyWatch() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    const WId m_window;
};
