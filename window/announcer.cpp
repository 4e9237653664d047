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

void Announcer::announce(const QString &message)
{
    // Nobody listens: skip the hide and show.
    if (!QAccessible::isActive())
        return;
    hide();
    setAccessibleName(message);
    show();
}
