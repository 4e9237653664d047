// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browser.h"

#include "announcer.h"
#include "bulgarian.h"
#include "page_mirror.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

#include <emscripten/val.h>

#include <string>

namespace {

// The page's live region (role "status"): a screen reader reads what changes.
void toLiveRegion(const QString &text)
{
    emscripten::val region = emscripten::val::global("document")
                                       .call<emscripten::val>("getElementById", std::string("udjat-live"));
    if (!region.isNull())
        region.set("textContent", text.toStdString());
}

QString roleInWords(const QAccessibleInterface &control)
{
    switch (control.role()) {
    case QAccessible::CheckBox:
        return control.state().checked ? QStringLiteral("поле за отметка, с отметка")
                                       : QStringLiteral("поле за отметка, без отметка");
    case QAccessible::Button:
        return QStringLiteral("бутон");
    case QAccessible::Graphic:
        return QStringLiteral("изображение");
    case QAccessible::EditableText:
        return control.state().readOnly ? QStringLiteral("текст само за четене")
                                        : QStringLiteral("текст");
    default:
        return QString();
    }
}

// Where keyboard focus went in the canvas, as a screen reader would say it.
// A ticked box's name is its fraction in digits; its description says it in
// words. Focus on the page's own controls is spoken by the screen reader.
void announceFocus(QWidget *now)
{
    if (!now || pageMirrorHasFocus())
        return;
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(now);
    if (!control)
        return;
    const QString name = control->role() == QAccessible::CheckBox
        ? control->text(QAccessible::Description)
        : control->text(QAccessible::Name);
    toLiveRegion(QStringList{name, roleInWords(*control)}.join(QStringLiteral(", ")));
}

} // namespace

void prepareForBrowser()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/udjat/fonts/LiberationSerif-Regular.ttf"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    useBulgarianThroughout(QStringLiteral(UDJAT_QT_TEXTS));

    Announcer::setEcho(toLiveRegion);
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget *, QWidget *now) { announceFocus(now); });
}

void showInBrowser(QWidget &window)
{
    window.showFullScreen();
    mirrorIntoPage(window);
}
