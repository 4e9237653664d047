// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

namespace {

// Mean difference per channel between two images of one size, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                     + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * x.width() * x.height());
}

// An SVG drawn straight into an image of its logical size at the given pixel ratio.
QImage render(const QString &fileName, QSizeF size, qreal ratio, QColor paper)
{
    QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(paper);
    QPainter painter(&image);
    QSvgRenderer(fileName).render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

QImage renderDiagram(qreal ratio)
{
    return render(QStringLiteral(":/udjat/eye.svg"), QSizeF(217, 124), ratio, Qt::white);
}

} // namespace

// Run with QT_SCALE_FACTOR set; the layout stays in logical pixels and the
// pictures are drawn at the screen's own resolution.
class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutIsInLogicalPixels();
    void diagramIsRenderedAtDeviceResolution();
    void iconIsSharp();

private:
    std::unique_ptr<MainForm> form;
    qreal scale = 1;
};

void TestHighDpi::initTestCase()
{
    scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    form = std::make_unique<MainForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->devicePixelRatio(), scale);
}

void TestHighDpi::layoutIsInLogicalPixels()
{
    QCOMPARE(form->size(), QSize(461, 374));
    QCOMPARE(form->findChild<QWidget *>("Picture1")->geometry(), QRect(232, 56, 221, 128));
    QCOMPARE(form->findChild<QWidget *>("Check1_5")->geometry(), QRect(16, 200, 201, 25));
    QCOMPARE(form->findChild<QWidget *>("Text1_0")->geometry(), QRect(8, 248, 449, 121));
}

void TestHighDpi::diagramIsRenderedAtDeviceResolution()
{
    QWidget *picture = form->findChild<QWidget *>("Picture1");
    const QImage shot = picture->grab().toImage();
    QCOMPARE(shot.size(), (QSizeF(221, 128) * scale).toSize());

    // The picture inside its 2-pixel border, in device pixels.
    const int border = qRound(2 * scale);
    const QSize device = (QSizeF(217, 124) * scale).toSize();
    const QImage drawn = shot.copy(QRect(QPoint(border, border), device));

    const QImage sharp = renderDiagram(scale);
    const QImage upscaled = renderDiagram(1).scaled(device, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation);
    const double fromSharp = meanDifference(drawn, sharp);
    const double fromUpscaled = meanDifference(drawn, upscaled);
    qInfo("mean difference: %.3f from a device-resolution render, %.3f from an up-scaled bitmap",
          fromSharp, fromUpscaled);
    QVERIFY(fromSharp < 0.1);
    if (scale > 1)
        QVERIFY(fromUpscaled > 4 * fromSharp + 1);
}

void TestHighDpi::iconIsSharp()
{
    const QPixmap icon = form->windowIcon().pixmap(QSize(32, 32), scale);
    QCOMPARE(icon.size(), (QSizeF(32, 32) * scale).toSize());
    const QImage sharp = render(QStringLiteral(":/udjat/icon.svg"), QSizeF(32, 32), scale, Qt::transparent);
    QVERIFY(meanDifference(icon.toImage(), sharp) < 0.1);
}

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
