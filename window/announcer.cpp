// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

namespace {
void (*s_echo)(const QString &) = nullptr;
} // namespace

void Announcer::setEcho(void (*echo)(const QString &message))
{
    s_echo = echo;
}

void Announcer::announce(const QString &message)
{
    if (s_echo)
        s_echo(message);
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Every bridge hands an announcement to the screen reader as it is.
    QAccessibleAnnouncementEvent event(window(), message);
    QAccessible::updateAccessibility(&event);
#elif defined(Q_OS_WIN)
    // Qt 6.4's UI Automation bridge raises a text value change as a
    // notification. It is raised on the window, which has a handle and a
    // runtime id; a widget that is never shown may have neither.
    QAccessibleValueChangeEvent event(window(), message);
    QAccessible::updateAccessibility(&event);
#else
    // Qt 6.4's AT-SPI bridge has no announcement; a screen reader reads a
    // notification when it appears.
    hide();
    setAccessibleName(message);
    show();
#endif
}
