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
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = (QAccessible::installFactory(accessibleWithRole), true);
    Q_UNUSED(installed);
}
