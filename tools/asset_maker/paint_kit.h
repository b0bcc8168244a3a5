#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>

#include <cstdint>

class QPainter;

// A transparent layer of the given size for painting effects before compositing them.
QImage blankLayer(QSize size);

// Softens a layer with three box blur passes (close to a Gaussian of the same radius).
void blur(QImage &layer, int radius);

// Adds fine grain: each pixel in the area is lightened or darkened by up to amplitude levels.
void addGrain(QImage &image, const QRect &area, int amplitude, std::uint64_t seed);

// Paints a blurred shadow of a shape, offset and with the given colour and softness.
void paintShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, const QColor &colour,
                 int softness);

// Paints a soft glow around a shape.
void paintGlow(QPainter &painter, const QPainterPath &shape, const QColor &colour, int radius, qreal spread);

// Blends every pixel of an area of an opaque image towards a colour; amount 1 replaces it.
void wash(QImage &image, const QRect &area, const QColor &colour, qreal amount);
