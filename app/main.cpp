// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"
#include "window_destroy_watch.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("udjat"));
    QApplication::setApplicationVersion(QStringLiteral(UDJAT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(UDJAT_APP_ID));
    QApplication::setFont(MainForm::windowFont());

    // The program speaks Bulgarian whatever the desktop's language, and so do
    // Qt's own texts (the report box's menu, its scroll bar). Only the one
    // catalogue is loaded.
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QLocale::setDefault(bulgarian);
    QTranslator qtTexts;
    if (qtTexts.load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    MainForm window;
    window.show();
    const WindowDestroyWatch destroyWatch(window);
    return app.exec();
}
