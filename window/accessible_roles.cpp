// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *accessibleWithRole(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("MainForm"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("EyeDiagram"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = (QAccessible::installFactory(accessibleWithRole), true);
    Q_UNUSED(installed);
}
