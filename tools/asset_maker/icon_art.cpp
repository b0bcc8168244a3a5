#include "icon_art.h"

#include "icon_inks.h"
#include "icon_pixel_art.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Everything below is drawn in a square of 128 units and scaled to the wanted size.
constexpr qreal Units = 128;

QLinearGradient orangeBody(qreal top, qreal bottom)
{
    QLinearGradient orange(0, top, 0, bottom);
    orange.setColorAt(0, QColor::fromRgb(IconInk::LightOrange));
    orange.setColorAt(0.5, QColor::fromRgb(IconInk::Orange));
    orange.setColorAt(1, QColor::fromRgb(IconInk::DeepOrange));
    return orange;
}

// The left figure, looking right at the other one; the right figure is its mirror image.
QPainterPath figureOutline()
{
    QPainterPath body;
    body.moveTo(4, 130);
    body.cubicTo(4, 104, 14, 90, 32, 89);
    body.cubicTo(50, 89, 58, 104, 58, 130);
    body.closeSubpath();

    QPainterPath head;
    head.addEllipse(QPointF(32, 66), 17, 17);
    QPainterPath nose;
    nose.moveTo(45, 58);
    nose.lineTo(56, 68);
    nose.lineTo(46, 74);
    nose.closeSubpath();
    return body.united(head).united(nose).simplified();
}

QPainterPath bubbleOutline()
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(14, 4, 100, 50), 18, 18);
    QPainterPath tail;
    tail.moveTo(56, 50);
    tail.lineTo(64, 70);
    tail.lineTo(72, 50);
    tail.closeSubpath();
    return shape.united(tail).simplified();
}

QPen outlinePen(qreal width)
{
    return QPen(QColor::fromRgb(IconInk::Outline), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintFigure(QPainter &painter, const QTransform &placement, qreal lineWidth)
{
    const QPainterPath shape = placement.map(figureOutline());
    painter.strokePath(shape, outlinePen(lineWidth * 2));
    painter.fillPath(shape, orangeBody(48, 128));
    QPainterPath eye;
    eye.addEllipse(QPointF(40, 62), 3.6, 4.4);
    painter.fillPath(placement.map(eye), QColor::fromRgb(IconInk::Outline));
    // A shoulder line sets the head apart from the body.
    QPainterPath collar;
    collar.moveTo(20, 88);
    collar.quadTo(32, 96, 46, 88);
    painter.strokePath(placement.map(collar), outlinePen(lineWidth));
}

// "?!!" built from strokes that fall on whole pixels at 32 pixels (4 units each), so the marks
// stay crisp there and in the palette versions.
void paintSpeech(QPainter &painter, qreal lineWidth)
{
    const QPainterPath bubble = bubbleOutline();
    painter.strokePath(bubble, outlinePen(lineWidth * 2));
    painter.fillPath(bubble, QColor::fromRgb(IconInk::Bubble));

    const qreal markTop = 12;
    const qreal dotTop = 40;
    const qreal stroke = 8;

    const qreal hookCentre = 48;
    QPainterPath hook;
    const QRectF turn(hookCentre - 8, markTop + 2, 16, 16);
    hook.arcMoveTo(turn, 180);
    hook.arcTo(turn, 180, -225);
    hook.lineTo(hookCentre, markTop + 22);
    hook.lineTo(hookCentre, dotTop - 4);
    painter.strokePath(
        hook, QPen(QColor::fromRgb(IconInk::Question), stroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.fillRect(QRectF(hookCentre - stroke / 2, dotTop, stroke, stroke),
                     QColor::fromRgb(IconInk::Question));

    for (qreal left : {68.0, 84.0}) {
        const QColor red = QColor::fromRgb(IconInk::Exclamation);
        painter.fillRect(QRectF(left, markTop, stroke, dotTop - 4 - markTop), red);
        painter.fillRect(QRectF(left, dotTop, stroke, stroke), red);
    }
}

} // namespace

QImage paintIcon(int size)
{
    const QImage drawnByHand = handDrawnIcon(size);
    if (!drawnByHand.isNull())
        return drawnByHand;

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Units, size / Units);
    // Outlines keep to about a pixel and a half at the small sizes.
    const qreal lineWidth = qMax(3.0, Units / size * 1.4);

    QTransform mirror;
    mirror.translate(Units, 0);
    mirror.scale(-1, 1);
    paintFigure(painter, QTransform(), lineWidth);
    paintFigure(painter, mirror, lineWidth);
    paintSpeech(painter, lineWidth);
    painter.end();
    return image;
}
