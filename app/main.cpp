// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bulgarian.h"
#include "main_form.h"
#include "window_destroy_watch.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include "browser.h"
#endif

// Where Qt's catalogues are: a static build carries them as a resource;
// empty is Qt's own translations folder.
#ifndef UDJAT_QT_TEXTS
#define UDJAT_QT_TEXTS ""
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("udjat"));
    QApplication::setApplicationVersion(QStringLiteral(UDJAT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(UDJAT_APP_ID));
    QApplication::setFont(MainForm::windowFont());

#ifdef Q_OS_WASM
    prepareForBrowser();
    MainForm window;
    showInBrowser(window);
#else
    useBulgarianThroughout(QStringLiteral(UDJAT_QT_TEXTS));
    MainForm window;
    window.show();
#endif
    const WindowDestroyWatch destroyWatch(window);
    return app.exec();
}
