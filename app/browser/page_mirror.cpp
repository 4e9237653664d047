// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_mirror.h"

#include "part_check_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QHash>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace {

// The page's mirrored widgets, by the id of their element.
QHash<QString, QPointer<QWidget>> &mirrored()
{
    static QHash<QString, QPointer<QWidget>> widgets;
    return widgets;
}

val document()
{
    return val::global("document");
}

val container()
{
    return document().call<val>("getElementById", std::string("udjat-controls"));
}

std::string text(const QString &s)
{
    return s.toStdString();
}

void setAttribute(val &element, const char *name, const QString &value)
{
    element.call<void>("setAttribute", std::string(name), text(value));
}

// The element at the widget's place in the window, which the page's canvas shows.
void placeAt(val &element, const QRect &place)
{
    val style = element["style"];
    const auto px = [](int n) { return text(QStringLiteral("%1px").arg(n)); };
    style.set("left", px(place.x()));
    style.set("top", px(place.y()));
    style.set("width", px(place.width()));
    style.set("height", px(place.height()));
}

// The element's tag for a widget's role; empty for what is not mirrored.
std::string tagFor(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::CheckBox:
        return "input";
    case QAccessible::Button:
        return "button";
    case QAccessible::Graphic:
        return "div";
    case QAccessible::EditableText:
        return "textarea";
    default:
        return {};
    }
}

// A page event handler that calls back into the program with the element's
// id, and the event, which is not needed.
val handler(const char *name, const QString &id)
{
    return val::module_property(name).call<val>("bind", val::null(), text(id));
}

void clickFromPage(const std::string &id, val)
{
    if (auto *button = qobject_cast<QAbstractButton *>(mirrored().value(QString::fromStdString(id))))
        button->click();
}

void focusFromPage(const std::string &id, val)
{
    if (QWidget *widget = mirrored().value(QString::fromStdString(id)))
        widget->setFocus(Qt::OtherFocusReason);
}

val mirror(QWidget &window, QWidget *widget, QAccessibleInterface &control)
{
    const QString id = QStringLiteral("udjat-") + widget->objectName();
    val element = document().call<val>("createElement", tagFor(control.role()));
    element.set("id", text(id));
    placeAt(element, QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()));

    const QString name = control.text(QAccessible::Name);
    const QString description = control.text(QAccessible::Description);
    mirrored().insert(id, widget);
    switch (control.role()) {
    case QAccessible::CheckBox: {
        // Its name is its part and its fraction in words, whatever the caption.
        auto *box = static_cast<QCheckBox *>(widget);
        element.set("type", std::string("checkbox"));
        setAttribute(element, "aria-label", description);
        // The property, not the attribute: the attribute stops counting once clicked.
        element.set("checked", box->isChecked());
        QObject::connect(box, CheckStateChanged, box, [element, box]() mutable { element.set("checked", box->isChecked()); });
        element.call<void>("addEventListener", std::string("change"), handler("udjatClickFromPage", id));
        break;
    }
    case QAccessible::Button:
        element.set("type", std::string("button"));
        element.set("textContent", text(name));
        setAttribute(element, "aria-description", description);
        element.call<void>("addEventListener", std::string("click"), handler("udjatClickFromPage", id));
        break;
    case QAccessible::Graphic:
        setAttribute(element, "role", QStringLiteral("img"));
        setAttribute(element, "aria-label", name);
        setAttribute(element, "aria-description", description);
        element.set("tabIndex", 0);
        break;
    case QAccessible::EditableText: {
        auto *report = qobject_cast<QPlainTextEdit *>(widget);
        element.set("readOnly", true);
        setAttribute(element, "aria-label", name);
        setAttribute(element, "aria-description", description);
        if (report) {
            element.set("value", text(report->toPlainText()));
            QObject::connect(report, &QPlainTextEdit::textChanged, report,
                             [element, report]() mutable { element.set("value", text(report->toPlainText())); });
        }
        break;
    }
    default:
        break;
    }
    element.call<void>("addEventListener", std::string("focus"), handler("udjatFocusFromPage", id));
    return element;
}

} // namespace

EMSCRIPTEN_BINDINGS(udjat_page_mirror)
{
    emscripten::function("udjatClickFromPage", &clickFromPage);
    emscripten::function("udjatFocusFromPage", &focusFromPage);
}

void mirrorIntoPage(QWidget &window)
{
    val controls = container();
    if (controls.isNull())
        return;
    // In the window's tab order, so that the page's Tab goes the same way.
    QWidget *widget = &window;
    do {
        widget = widget->nextInFocusChain();
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
        if (control && widget->isVisible() && !tagFor(control->role()).empty())
            controls.call<void>("appendChild", mirror(window, widget, *control));
    } while (widget != &window);
}

bool pageMirrorHasFocus()
{
    const val controls = container();
    return !controls.isNull() && controls.call<bool>("contains", document()["activeElement"]);
}
