// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: the least a Qt Widgets program must do to show a window of
// udjat's size with one line of Cyrillic text in udjat's font.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifdef Q_OS_WASM
    // A browser lends Qt no faces: the program's own, as udjat carries it.
    QFontDatabase::addApplicationFont(QStringLiteral(":/udjat/fonts/LiberationSerif-Regular.ttf"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
#endif
    QWidget window;
    window.setFixedSize(461, 374);
    QLabel label(QStringLiteral("Уаджет - окото на Ра"), &window);
    label.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    label.move(64, 0);
#ifdef Q_OS_WASM
    window.showFullScreen();  // as udjat fills its page's canvas
#else
    window.show();
#endif
    return app.exec();
}
