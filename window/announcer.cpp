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
    // Nobody listens: skip the hide and show.
    if (!QAccessible::isActive())
        return;
    hide();
    setAccessibleName(message);
    show();
}
