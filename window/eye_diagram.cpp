#include "eye_diagram.h"

#include <QPainter>
#include <qdrawutil.h>

void EyeDiagram::setSource(const QString &fileName)
{
    m_source = fileName;
    m_renderer.load(fileName);
    update();
}

void EyeDiagram::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush white(Qt::white);
    qDrawWinPanel(&painter, rect(), palette(), true, &white);
    const QRect picture = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    m_renderer.render(&painter, picture);
}
