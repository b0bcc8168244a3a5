#include "banner_art.h"

#include "font_shelf.h"
#include "paint_kit.h"
#include "seeded_random.h"

#include <QPainter>

namespace {

const QString PortalName = QStringLiteral("l2v.example");

void paintStrip(QPainter &painter)
{
    const QRectF strip(QPointF(0, 0), QSizeF(BannerSize));
    QLinearGradient dark(0, 0, 0, BannerSize.height());
    dark.setColorAt(0, QColor(0x1a, 0x1e, 0x2c));
    dark.setColorAt(0.5, QColor(0x0c, 0x0f, 0x18));
    dark.setColorAt(1, QColor(0x05, 0x06, 0x0b));
    painter.fillRect(strip, dark);

    // Faint diagonal grooves, like brushed metal.
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = -BannerSize.height(); x < BannerSize.width(); x += 4)
        painter.drawLine(QPointF(x, BannerSize.height()), QPointF(x + BannerSize.height(), 0));
    painter.restore();

    QRadialGradient ember(strip.center(), 230);
    ember.setColorAt(0, QColor(0xff, 0x7a, 0x10, 70));
    ember.setColorAt(1, QColor(0xff, 0x7a, 0x10, 0));
    painter.save();
    painter.translate(strip.center());
    painter.scale(1, 0.3);
    painter.translate(-strip.center());
    painter.fillRect(QRectF(-100, -200, 700, 460), ember);
    painter.restore();
}

void paintSparks(QPainter &painter)
{
    SeededRandom random(0xE3B);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const qreal x = random.between(8, BannerSize.width() - 8);
        const qreal y = random.between(4, BannerSize.height() - 4);
        const qreal r = 0.4 + random.unit() * 0.9;
        painter.setBrush(QColor(0xff, 0xa0 + random.below(80), 0x30, 60 + random.below(120)));
        painter.drawEllipse(QPointF(x, y), r, r);
    }
    painter.restore();
}

void paintEdges(QPainter &painter)
{
    painter.save();
    for (qreal y : {1.5, BannerSize.height() - 1.5}) {
        QLinearGradient line(0, 0, BannerSize.width(), 0);
        line.setColorAt(0, QColor(0xff, 0x9a, 0x30, 0));
        line.setColorAt(0.5, QColor(0xff, 0xb0, 0x48, 200));
        line.setColorAt(1, QColor(0xff, 0x9a, 0x30, 0));
        painter.setPen(QPen(QBrush(line), 1));
        painter.drawLine(QPointF(0, y), QPointF(BannerSize.width(), y));
    }
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, BannerSize.width() - 1, BannerSize.height() - 1));
    painter.restore();
}

void paintName(QPainter &painter, const FontShelf &fonts)
{
    const QRawFont face = fonts.face(Typeface::SansBold, 38);
    const qreal tracking = 0.6;
    const qreal width = textAdvance(face, PortalName, tracking);
    const QPointF origin((BannerSize.width() - width) / 2, 30 + face.xHeight() / 2 + 2);
    const QPainterPath letters = textOutline(face, PortalName, tracking).translated(origin);
    const QRectF box = letters.boundingRect();

    paintGlow(painter, letters, QColor(0xff, 0x70, 0x00, 120), 10, 3);
    paintShadow(painter, letters, QPointF(2, 2), QColor(0, 0, 0, 230), 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(letters,
                       QPen(QColor(0x30, 0x10, 0x00), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient orange(box.topLeft(), box.bottomLeft());
    orange.setColorAt(0, QColor(0xff, 0xe0, 0x8a));
    orange.setColorAt(0.45, QColor(0xff, 0xa4, 0x1c));
    orange.setColorAt(0.55, QColor(0xf2, 0x80, 0x08));
    orange.setColorAt(1, QColor(0xc0, 0x48, 0x00));
    painter.fillPath(letters, orange);
    painter.setClipPath(letters);
    painter.strokePath(letters.translated(0, 1.4), QPen(QColor(255, 250, 220, 110), 1));
    painter.restore();
}

} // namespace

QImage paintBanner(const FontShelf &fonts)
{
    QImage image(BannerSize, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintStrip(painter);
    }
    addGrain(image, image.rect(), 3, 0xBA77E5);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSparks(painter);
    paintName(painter, fonts);
    paintEdges(painter);
    painter.end();
    return image;
}
