// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svg_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

class SvgIconEngine : public QIconEngine
{
public:
    SvgIconEngine(const QString &fileName, int nativeSize)
        : m_fileName(fileName)
        , m_nativeSize(nativeSize)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(m_fileName).render(painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    // No scaledPixmap of its own: Qt's default asks pixmap() for device
    // pixels, whether the size it was given is in device pixels (Qt 6.4) or
    // in logical ones (Qt 6.8 and later).

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(m_nativeSize, m_nativeSize)};
    }

    QIconEngine *clone() const override { return new SvgIconEngine(m_fileName, m_nativeSize); }
    QString key() const override { return QStringLiteral("udjat-svg"); }

private:
    const QString m_fileName;
    const int m_nativeSize;
};

} // namespace

QIcon svgIcon(const QString &fileName, int nativeSize)
{
    return QIcon(new SvgIconEngine(fileName, nativeSize));
}
