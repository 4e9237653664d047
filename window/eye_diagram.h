// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSvgRenderer>
#include <QWidget>

// The picture box: an SVG drawn on white inside a 2-pixel sunken border,
// rendered as vectors so it stays sharp at any screen scale.
class EyeDiagram : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)

public:
    using QWidget::QWidget;

    QString source() const { return m_source; }
    void setSource(const QString &fileName);

    // Where each part's fraction stands in the picture, in words, with the
    // parts named as the check boxes name them.
    static QString describeLabels();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int BorderWidth = 2;

    QString m_source;
    QSvgRenderer m_renderer;
    bool m_loaded = false;
};
