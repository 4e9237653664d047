// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bulgarian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool useBulgarianThroughout(const QString &folder)
{
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QLocale::setDefault(bulgarian);
    auto *qtTexts = new QTranslator(QCoreApplication::instance());
    return qtTexts->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                         folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder)
        && QCoreApplication::installTranslator(qtTexts);
}
