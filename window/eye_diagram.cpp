#include "eye_diagram.h"

#include <QPainter>
#include <qdrawutil.h>

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
}
