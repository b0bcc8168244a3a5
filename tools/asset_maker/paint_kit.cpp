#include "paint_kit.h"

#include "seeded_random.h"

#include <QPainter>

#include <vector>

QImage blankLayer(QSize size)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

namespace {

// One horizontal box blur pass over premultiplied pixels, written transposed so that the second
// call blurs what were the columns.
QImage boxBlurTransposed(const QImage &source, int radius)
{
    const int width = source.width();
    const int height = source.height();
    QImage target(height, width, QImage::Format_ARGB32_Premultiplied);
    const int window = 2 * radius + 1;
    std::vector<int> sums(4);
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto channel = [&](int x, int c) {
            const QRgb p = row[qBound(0, x, width - 1)];
            return c == 0 ? qAlpha(p) : c == 1 ? qRed(p) : c == 2 ? qGreen(p) : qBlue(p);
        };
        for (int c = 0; c < 4; ++c) {
            sums[size_t(c)] = 0;
            for (int x = -radius; x <= radius; ++x)
                sums[size_t(c)] += channel(x, c);
        }
        for (int x = 0; x < width; ++x) {
            const int a = (sums[0] + window / 2) / window;
            auto clampTo = [a](int v) { return qMin(v, a); };
            reinterpret_cast<QRgb *>(target.scanLine(x))[y] =
                qRgba(clampTo((sums[1] + window / 2) / window), clampTo((sums[2] + window / 2) / window),
                      clampTo((sums[3] + window / 2) / window), a);
            for (int c = 0; c < 4; ++c)
                sums[size_t(c)] += channel(x + radius + 1, c) - channel(x - radius, c);
        }
    }
    return target;
}

} // namespace

void blur(QImage &layer, int radius)
{
    if (radius <= 0)
        return;
    QImage work = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int passRadius = qMax(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass)
        work = boxBlurTransposed(boxBlurTransposed(work, passRadius), passRadius);
    layer = work;
}

void addGrain(QImage &image, const QRect &area, int amplitude, std::uint64_t seed)
{
    SeededRandom random(seed);
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const int delta = random.below(2 * amplitude + 1) - amplitude;
            const QRgb p = row[x];
            const int a = qAlpha(p);
            row[x] = qRgba(qBound(0, qRed(p) + delta, a), qBound(0, qGreen(p) + delta, a),
                           qBound(0, qBlue(p) + delta, a), a);
        }
    }
}

void paintShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, const QColor &colour,
                 int softness)
{
    QImage layer = blankLayer(QSize(painter.device()->width(), painter.device()->height()));
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(painter.transform());
        p.translate(offset);
        p.fillPath(shape, colour);
    }
    blur(layer, softness);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

void paintGlow(QPainter &painter, const QPainterPath &shape, const QColor &colour, int radius, qreal spread)
{
    QImage layer = blankLayer(QSize(painter.device()->width(), painter.device()->height()));
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(painter.transform());
        p.fillPath(shape, colour);
        if (spread > 0)
            p.strokePath(shape, QPen(colour, spread, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    blur(layer, radius);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

void wash(QImage &image, const QRect &area, const QColor &colour, qreal amount)
{
    const QRect clipped = area & image.rect();
    const int keep = qRound((1 - amount) * 256);
    const int add[3] = {qRound(amount * 256 * colour.red()), qRound(amount * 256 * colour.green()),
                        qRound(amount * 256 * colour.blue())};
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QRgb p = row[x];
            row[x] = qRgba((qRed(p) * keep + add[0]) >> 8, (qGreen(p) * keep + add[1]) >> 8,
                           (qBlue(p) * keep + add[2]) >> 8, qAlpha(p));
        }
    }
}
