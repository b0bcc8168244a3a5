#include "ornaments.h"

#include <QPainter>

QPainterPath rhombus(QPointF centre, qreal halfWidth, qreal halfHeight)
{
    QPainterPath path;
    path.moveTo(centre + QPointF(0, -halfHeight));
    path.lineTo(centre + QPointF(halfWidth, 0));
    path.lineTo(centre + QPointF(0, halfHeight));
    path.lineTo(centre + QPointF(-halfWidth, 0));
    path.closeSubpath();
    return path;
}

void paintTaperedRule(QPainter &painter, QPointF from, QPointF to, qreal thickness, const QColor &colour)
{
    const QPointF middle = (from + to) / 2;
    QPainterPath rule;
    rule.moveTo(from);
    rule.quadTo(middle + QPointF(0, -thickness), to);
    rule.quadTo(middle + QPointF(0, thickness), from);
    painter.fillPath(rule, colour);
}

QLinearGradient goldGradient(const QRectF &box)
{
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, QColor(0xff, 0xf4, 0xc8));
    gold.setColorAt(0.42, QColor(0xf0, 0xc8, 0x6a));
    gold.setColorAt(0.55, QColor(0xc4, 0x8a, 0x2a));
    gold.setColorAt(1.0, QColor(0x8c, 0x58, 0x14));
    return gold;
}

void paintSteelFrame(QPainter &painter, const QRectF &outer, qreal thickness)
{
    painter.save();
    QPainterPath ring;
    ring.addRect(outer);
    ring.addRect(outer.adjusted(thickness, thickness, -thickness, -thickness));
    ring.setFillRule(Qt::OddEvenFill);
    QLinearGradient steel(outer.topLeft(), outer.bottomRight());
    steel.setColorAt(0.0, QColor(0x9d, 0xb0, 0xcc));
    steel.setColorAt(0.35, QColor(0x5c, 0x70, 0x94));
    steel.setColorAt(0.65, QColor(0x3c, 0x4c, 0x6c));
    steel.setColorAt(1.0, QColor(0x22, 0x2c, 0x44));
    painter.fillPath(ring, steel);

    painter.setBrush(Qt::NoBrush);
    // Light on the upper and left edges, shade on the others: the frame stands out of the surface.
    const QRectF edge = outer.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0x04, 0x06, 0x0c), 1));
    painter.drawRect(edge);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawLine(edge.topLeft() + QPointF(1, 1), edge.topRight() + QPointF(-1, 1));
    painter.drawLine(edge.topLeft() + QPointF(1, 1), edge.bottomLeft() + QPointF(1, -1));
    const QRectF inner = outer.adjusted(thickness - 1.5, thickness - 1.5, 1.5 - thickness, 1.5 - thickness);
    painter.setPen(QPen(QColor(0xd8, 0xb0, 0x5a), 1));
    painter.drawRect(inner);
    painter.setPen(QPen(QColor(0x06, 0x09, 0x12, 200), 1));
    painter.drawRect(inner.adjusted(1, 1, -1, -1));
    painter.restore();
}

void paintCornerStud(QPainter &painter, QPointF centre, qreal size)
{
    painter.save();
    const QRectF box(centre - QPointF(size / 2, size / 2), QSizeF(size, size));
    QPainterPath plate;
    plate.addRoundedRect(box, size / 5, size / 5);
    painter.fillPath(plate, QBrush(goldGradient(box.adjusted(1, 1, -1, -1))));
    painter.setPen(QPen(QColor(0x3a, 0x24, 0x06), 1));
    painter.drawPath(plate);
    const QPainterPath gem = rhombus(centre, size * 0.28, size * 0.28);
    QRadialGradient shine(centre - QPointF(size * 0.08, size * 0.1), size * 0.35);
    shine.setColorAt(0, QColor(0x9f, 0xd0, 0xff));
    shine.setColorAt(0.5, QColor(0x2a, 0x5c, 0xb0));
    shine.setColorAt(1, QColor(0x0c, 0x1c, 0x48));
    painter.fillPath(gem, shine);
    painter.setPen(QPen(QColor(0x2a, 0x18, 0x04), 0.8));
    painter.drawPath(gem);
    painter.restore();
}
