// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face_button.h"

#include <QPainter>
#include <QStyle>

void FaceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, palette().color(QPalette::Button));

    // A darker frame when held down, and the caption nudged, so a press shows.
    const bool down = isDown();
    painter.setPen(QPen(palette().color(QPalette::Shadow), down ? 2 : 1));
    painter.drawRect(QRectF(face).adjusted(0.5, 0.5, -0.5, -0.5));

    QRect textArea = face;
    if (down)
        textArea.translate(1, 1);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
}
