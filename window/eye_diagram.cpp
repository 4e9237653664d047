// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eye_diagram.h"

#include "eye_parts.h"

#include <QPainter>
#include <qdrawutil.h>

#include <array>

namespace {

// Indexed like the eye parts.
constexpr std::array<QStringView, EyeParts.size()> LabelPlaces{
    u"в черно, вляво в окото",
    u"в бяло, върху черния кръг на зеницата",
    u"в червено, над веждата вляво",
    u"в черно, вдясно в окото",
    u"в синьо, до спиралата под окото вляво",
    u"в зелено, до чертата надолу вдясно",
};

} // namespace

QString EyeDiagram::describeLabels()
{
    QStringList sentences;
    for (const EyePart &part : EyeParts) {
        sentences << QStringLiteral("%1, %2, %3.")
                         .arg(part.name, FractionInWords(part), LabelPlaces[part.index]);
    }
    return sentences.join(QLatin1Char(' '));
}

void EyeDiagram::setSource(const QString &fileName)
{
    m_source = fileName;
    m_loaded = false;
    update();
}

void EyeDiagram::paintEvent(QPaintEvent *)
{
    // Parsed at the first paint, so the window maps without waiting for it.
    if (!m_loaded) {
        m_renderer.load(m_source);
        m_loaded = true;
    }
    QPainter painter(this);
    const QBrush white(Qt::white);
    qDrawWinPanel(&painter, rect(), palette(), true, &white);
    const QRect picture = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    m_renderer.render(&painter, picture);

    // The picture takes focus so a screen reader meets it; show where focus is.
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(picture.adjusted(1, 1, -2, -2));
    }
}
