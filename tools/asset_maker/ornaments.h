#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Decorative pieces shared by the skins.

// A gold rhombus centred on a point.
QPainterPath rhombus(QPointF centre, qreal halfWidth, qreal halfHeight);

// A horizontal rule that tapers to a point at both ends, with a rhombus at the end given.
void paintTaperedRule(QPainter &painter, QPointF from, QPointF to, qreal thickness, const QColor &colour);

// A bevelled metal frame of the given thickness drawn inside a rectangle, with a gold inner line.
void paintSteelFrame(QPainter &painter, const QRectF &outer, qreal thickness);

// A gold stud with a rhombus on it, for frame corners.
void paintCornerStud(QPainter &painter, QPointF centre, qreal size);

// A metallic gold brush running from light at the top of a box to deep amber at its bottom.
QLinearGradient goldGradient(const QRectF &box);
