#include "about_art.h"

#include "paint_kit.h"
#include "seeded_random.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr qreal Horizon = 236;
const QColor Paper(0xfb, 0xf7, 0xee);

void paintSky(QPainter &painter)
{
    QLinearGradient sky(0, 0, 0, Horizon + 20);
    sky.setColorAt(0.0, QColor(0x3a, 0x4a, 0x8e));
    sky.setColorAt(0.40, QColor(0x8a, 0x6a, 0xa8));
    sky.setColorAt(0.72, QColor(0xe0, 0x8c, 0x8c));
    sky.setColorAt(1.0, QColor(0xff, 0xc0, 0x70));
    painter.fillRect(QRectF(0, 0, AboutSize.width(), Horizon + 20), sky);

    const QPointF sun(500, Horizon - 34);
    QRadialGradient glow(sun, 170);
    glow.setColorAt(0, QColor(0xff, 0xf0, 0xb0, 230));
    glow.setColorAt(0.15, QColor(0xff, 0xd8, 0x80, 160));
    glow.setColorAt(1, QColor(0xff, 0xb0, 0x60, 0));
    painter.fillRect(QRectF(0, 0, AboutSize.width(), Horizon + 20), glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf6, 0xd0));
    painter.drawEllipse(sun, 22, 22);
}

void paintClouds(QPainter &painter)
{
    SeededRandom random(0xC10D);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int bank = 0; bank < 6; ++bank) {
        const QPointF centre(random.between(90, 640), random.between(40, 170));
        const qreal length = random.between(90, 190);
        for (int puff = 0; puff < 9; ++puff) {
            const QPointF at =
                centre + QPointF(random.between(-length / 2, length / 2), random.between(-6, 6));
            const qreal rx = random.between(18, 40);
            const qreal ry = rx * random.between(0.25, 0.4);
            // Lit from below by the setting sun, shadowed above.
            QLinearGradient lit(0, at.y() - ry, 0, at.y() + ry);
            lit.setColorAt(0, QColor(0x6a, 0x5c, 0x9a, 120));
            lit.setColorAt(1, QColor(0xff, 0xc0, 0xa0, 170));
            painter.setBrush(lit);
            painter.drawEllipse(at, rx, ry);
        }
    }
    // A few birds heading home.
    painter.setPen(QPen(QColor(0x30, 0x28, 0x40), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int bird = 0; bird < 5; ++bird) {
        const QPointF at(random.between(380, 600), random.between(70, 140));
        const qreal span = random.between(4, 7);
        QPainterPath wings;
        wings.moveTo(at + QPointF(-span, -span * 0.4));
        wings.quadTo(at + QPointF(-span * 0.4, -span * 0.5), at);
        wings.quadTo(at + QPointF(span * 0.4, -span * 0.5), at + QPointF(span, -span * 0.4));
        painter.drawPath(wings);
    }
    painter.restore();
}

QPainterPath rollingLand(qreal baseY, qreal amplitude, qreal phase, qreal waves)
{
    QPainterPath land;
    land.moveTo(0, AboutSize.height());
    for (int x = 0; x <= AboutSize.width(); x += 5) {
        const qreal t = x / qreal(AboutSize.width());
        const qreal y = baseY
                        - amplitude
                              * (0.6 * std::sin(t * waves * 6.2832 + phase)
                                 + 0.4 * std::sin(t * waves * 2.7 * 6.2832 + phase * 1.7));
        land.lineTo(x, y);
    }
    land.lineTo(AboutSize.width(), AboutSize.height());
    land.closeSubpath();
    return land;
}

// Snow-capped peaks far away, paled by the evening air.
void paintDistantMountains(QPainter &painter)
{
    SeededRandom random(0x9EAC);
    QPainterPath range;
    range.moveTo(0, Horizon + 10);
    qreal x = 0;
    while (x < AboutSize.width()) {
        const qreal peak = Horizon - random.between(18, 62);
        const qreal halfWidth = random.between(30, 70);
        range.lineTo(x + halfWidth, peak);
        x += 2 * halfWidth;
        range.lineTo(x, Horizon - random.between(4, 14));
    }
    range.lineTo(AboutSize.width(), Horizon + 10);
    range.closeSubpath();
    QLinearGradient air(0, Horizon - 62, 0, Horizon);
    air.setColorAt(0, QColor(0xc8, 0xc4, 0xe8));
    air.setColorAt(0.25, QColor(0x9c, 0x90, 0xc4));
    air.setColorAt(1, QColor(0xb4, 0x94, 0xb8));
    painter.fillPath(range, air);
}

void paintLand(QPainter &painter)
{
    painter.save();
    paintDistantMountains(painter);
    const QPainterPath far = rollingLand(Horizon, 14, 0.6, 1.6);
    painter.fillPath(far, QColor(0x7a, 0x6c, 0xa0));
    const QPainterPath middle = rollingLand(Horizon + 26, 12, 2.1, 1.2);
    QLinearGradient midShade(0, Horizon, 0, Horizon + 80);
    midShade.setColorAt(0, QColor(0x8a, 0x9a, 0x6a));
    midShade.setColorAt(1, QColor(0x5e, 0x7a, 0x44));
    painter.fillPath(middle, midShade);
    const QPainterPath meadow = rollingLand(Horizon + 70, 18, 4.0, 0.7);
    QLinearGradient green(0, Horizon + 40, 0, AboutSize.height());
    green.setColorAt(0, QColor(0x8c, 0xac, 0x50));
    green.setColorAt(1, QColor(0x4a, 0x6c, 0x2c));
    painter.fillPath(meadow, green);
    painter.restore();
}

void paintGrass(QPainter &painter)
{
    SeededRandom random(0x6A55);
    painter.save();
    for (int blade = 0; blade < 1400; ++blade) {
        const qreal x = random.between(0, AboutSize.width());
        const qreal y = random.between(Horizon + 60, AboutSize.height());
        const qreal depth = (y - Horizon) / (AboutSize.height() - Horizon);
        const qreal height = 4 + depth * random.between(6, 16);
        const qreal lean = random.between(-0.5, 0.5) * height;
        QPainterPath path;
        path.moveTo(x, y);
        path.quadTo(x + lean * 0.3, y - height * 0.6, x + lean, y - height);
        const int shade = random.below(40);
        painter.setPen(QPen(QColor(0x40 + shade, 0x68 + shade, 0x24, 150), 0.8 + depth * 0.6));
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    const QColor flowers[] = {QColor(0xff, 0xff, 0xf0), QColor(0xff, 0xe0, 0x50), QColor(0xe8, 0x90, 0xc8)};
    for (int flower = 0; flower < 160; ++flower) {
        const qreal y = random.between(Horizon + 70, AboutSize.height());
        const qreal x = random.between(0, AboutSize.width());
        const qreal r = 0.8 + 1.6 * (y - Horizon) / (AboutSize.height() - Horizon);
        painter.setBrush(flowers[random.below(3)]);
        painter.drawEllipse(QPointF(x, y), r, r);
    }
    painter.restore();
}

void paintTree(QPainter &painter, QPointF foot, qreal scale)
{
    SeededRandom random(0x7EE);
    painter.save();
    painter.translate(foot);
    painter.scale(scale, scale);
    const QColor bark(0x4a, 0x36, 0x2a);
    QPainterPath trunk;
    trunk.moveTo(-18, 0);
    trunk.cubicTo(-8, -30, -12, -70, -6, -112);
    trunk.lineTo(8, -112);
    trunk.cubicTo(6, -70, 10, -30, 22, 0);
    trunk.closeSubpath();
    painter.fillPath(trunk, bark);
    // Boughs reaching into the crown.
    painter.setPen(QPen(bark, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -90), QPointF(-52, -140));
    painter.drawLine(QPointF(2, -100), QPointF(48, -150));
    painter.setPen(QPen(bark, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-30, -118), QPointF(-74, -128));
    painter.drawLine(QPointF(28, -128), QPointF(70, -132));
    painter.drawLine(QPointF(0, -110), QPointF(-6, -190));

    // The crown: dark masses first, then many small clumps of leaves, lighter where the low sun
    // on the right catches them.
    painter.setPen(Qt::NoPen);
    for (int mass = 0; mass < 14; ++mass) {
        const QPointF at(random.between(-80, 76), random.between(-205, -125));
        const qreal r = random.between(24, 36);
        painter.setBrush(QColor(0x34, 0x4c, 0x2a));
        painter.drawEllipse(at, r, r * 0.8);
    }
    for (int clump = 0; clump < 420; ++clump) {
        const qreal angle = random.between(0, 6.2832);
        const qreal reach = std::sqrt(random.unit());
        const QPointF at(std::cos(angle) * reach * 92, -165 + std::sin(angle) * reach * 56);
        const qreal light = qBound(0.0, 0.5 + (at.x() / 92) * 0.35 - (at.y() + 165) / 56 * 0.35, 1.0);
        const int jitter = random.below(24);
        painter.setBrush(QColor(0x3a + int(light * 0x50) + jitter / 2, 0x56 + int(light * 0x48) + jitter,
                                0x2c + int(light * 0x18)));
        const qreal r = random.between(5, 11);
        painter.drawEllipse(at, r, r * 0.75);
    }
    painter.restore();
}

// Grass growing in front of something standing in the meadow, to seat it there.
void paintTuft(QPainter &painter, QPointF base, qreal width, std::uint64_t seed)
{
    SeededRandom random(seed);
    painter.save();
    for (int blade = 0; blade < int(width * 1.5); ++blade) {
        const qreal x = base.x() + random.between(-width / 2, width / 2);
        const qreal y = base.y() + random.between(-2, 6);
        const qreal height = random.between(6, 14);
        const qreal lean = random.between(-0.5, 0.5) * height;
        QPainterPath path;
        path.moveTo(x, y);
        path.quadTo(x + lean * 0.3, y - height * 0.6, x + lean, y - height);
        const int shade = random.below(40);
        painter.setPen(QPen(QColor(0x48 + shade, 0x70 + shade, 0x28), 1.1));
        painter.drawPath(path);
    }
    painter.restore();
}

// Two travellers seen from behind, sitting in the grass and watching the sun go down; the one on
// the left leans on the other's shoulder. A staff is planted beside them, a sword lies in the grass.
void paintTravellers(QPainter &painter, QPointF seat)
{
    painter.save();
    painter.translate(seat);
    const QColor cloakBlue(0x34, 0x36, 0x5c);
    const QColor cloakRed(0x84, 0x38, 0x30);
    const QColor hair(0x6a, 0x42, 0x24);
    const QColor rimLight(0xff, 0xc8, 0x80, 170);

    // The shadow they cast towards the viewer.
    QRadialGradient shade(QPointF(20, 60), 90);
    shade.setColorAt(0, QColor(0x20, 0x30, 0x18, 120));
    shade.setColorAt(1, QColor(0x20, 0x30, 0x18, 0));
    painter.save();
    painter.scale(1, 0.25);
    painter.fillRect(QRectF(-80, 0, 200, 130), shade);
    painter.restore();

    painter.setPen(QPen(QColor(0x4a, 0x36, 0x22), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(80, 14), QPointF(96, -96));
    painter.setPen(Qt::NoPen);
    QRadialGradient crystal(QPointF(96.5, -100), 9);
    crystal.setColorAt(0, QColor(0xff, 0xff, 0xe0));
    crystal.setColorAt(0.4, QColor(0xff, 0xe8, 0xa0, 220));
    crystal.setColorAt(1, QColor(0xff, 0xe0, 0x90, 0));
    painter.setBrush(crystal);
    painter.drawEllipse(QPointF(96.5, -100), 9, 9);

    painter.setPen(QPen(QColor(0x9a, 0x9c, 0xa8), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-70, 12), QPointF(-30, 18));
    painter.setPen(QPen(QColor(0x6a, 0x4a, 0x2a), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-30, 18), QPointF(-20, 19.5));
    painter.drawLine(QPointF(-31, 12), QPointF(-29, 24));

    // The hooded one on the right.
    QPainterPath blue;
    blue.moveTo(12, 16);
    blue.cubicTo(10, -12, 22, -40, 32, -44);
    blue.lineTo(56, -44);
    blue.cubicTo(68, -38, 76, -12, 78, 16);
    blue.closeSubpath();
    QPainterPath hood;
    hood.moveTo(32, -42);
    hood.cubicTo(30, -62, 40, -72, 46, -74);
    hood.cubicTo(56, -72, 60, -60, 58, -42);
    hood.closeSubpath();
    const QPainterPath hooded = blue.united(hood);
    // A rim of sunlight on the side facing the sun, then the figure over all but that rim.
    painter.strokePath(hooded.translated(0.8, 0), QPen(rimLight, 1.4));
    painter.fillPath(hooded, cloakBlue);
    painter.setPen(QPen(cloakBlue.darker(140), 1.2));
    painter.drawLine(QPointF(44, -30), QPointF(40, 14));
    painter.drawLine(QPointF(60, -28), QPointF(66, 14));

    // The one on the left, head on the companion's shoulder.
    QPainterPath red;
    red.moveTo(-34, 16);
    red.cubicTo(-36, -10, -24, -34, -8, -38);
    red.lineTo(14, -38);
    red.cubicTo(26, -30, 32, -10, 32, 16);
    red.closeSubpath();
    painter.fillPath(red, cloakRed);
    painter.setPen(QPen(cloakRed.darker(140), 1.2));
    painter.drawLine(QPointF(-6, -26), QPointF(-14, 14));
    painter.drawLine(QPointF(12, -24), QPointF(16, 14));
    QPainterPath head;
    head.addEllipse(QPointF(14, -48), 10, 11);
    painter.setPen(QPen(hair, 4.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath braid;
    braid.moveTo(8, -42);
    braid.cubicTo(0, -30, 4, -18, -2, -6);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(braid);
    painter.strokePath(head.translated(0.8, 0), QPen(rimLight, 1.2));
    painter.fillPath(head, hair);
    painter.restore();
}

void paintFireflies(QPainter &painter)
{
    SeededRandom random(0xF1E5);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int fly = 0; fly < 30; ++fly) {
        const QPointF at(random.between(80, 640), random.between(Horizon + 30, 380));
        QRadialGradient light(at, 5);
        light.setColorAt(0, QColor(0xff, 0xf8, 0xa0, 220));
        light.setColorAt(1, QColor(0xff, 0xf0, 0x80, 0));
        painter.setBrush(light);
        painter.drawEllipse(at, 5, 5);
    }
    painter.restore();
}

// Fine diagonal lines over everything, as in an engraving.
void paintHatching(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0x8a, 0x70, 0x58, 30), 1));
    for (int x = -AboutSize.height(); x < AboutSize.width(); x += 4)
        painter.drawLine(x, AboutSize.height(), x + AboutSize.height(), 0);
    painter.restore();
}

} // namespace

QImage paintAboutBackground()
{
    QImage image(AboutSize, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintSky(painter);
        paintClouds(painter);
        paintLand(painter);
        paintGrass(painter);
        paintTree(painter, QPointF(190, Horizon + 120), 1.25);
        paintTuft(painter, QPointF(190, Horizon + 120), 60, 0x7F1);
        paintTravellers(painter, QPointF(420, Horizon + 92));
        paintTuft(painter, QPointF(425, Horizon + 106), 130, 0x7F2);
        paintFireflies(painter);
    }
    blur(image, 1);
    wash(image, image.rect(), Paper, 0.62);
    addGrain(image, image.rect(), 2, 0xAB0);
    QPainter painter(&image);
    paintHatching(painter);
    painter.end();
    return image;
}
