// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a PNG of the window: as it opens, after the typical use (two parts
// ticked and the sum calculated) with --calculated, or after calculating all
// six parts with --all.
#include "main_form.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("PNG to write"));
    const QCommandLineOption calculated(QStringLiteral("calculated"),
                                        QStringLiteral("tick parts 1 and 0, then calculate"));
    parser.addOption(calculated);
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("tick all six parts, then calculate"));
    parser.addOption(all);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    MainForm window;
    window.show();
    if (parser.isSet(calculated)) {
        window.SetTicked(1, true);
        window.SetTicked(0, true);
        window.Command1_Click(0);
    }
    if (parser.isSet(all)) {
        for (qint16 i = 0; i < 6; ++i)
            window.SetTicked(i, true);
        window.Command1_Click(0);
    }
    QApplication::processEvents();
    return window.grab().save(parser.positionalArguments().constFirst()) ? 0 : 1;
}
