#include "menu_art.h"

#include "font_shelf.h"
#include "menu_layout.h"
#include "ornaments.h"
#include "paint_kit.h"
#include "seeded_random.h"

#include <QPainter>

#include <cmath>
#include <vector>

namespace {

using namespace MenuLayout;

// The three panels share one top and bottom and leave a margin around what the window shows on
// them; the centre one is centred on the words.
constexpr qreal PanelTop = 137;
constexpr qreal PanelBottom = 313;

constexpr QRectF panelBetween(qreal left, qreal right)
{
    return QRectF(QPointF(left, PanelTop), QPointF(right, PanelBottom));
}

constexpr QRectF LeftPanel =
    panelBetween(ForumLinks.left() - 16, ForumLinks.left() + ForumLinks.width() + 18);
constexpr QRectF CentrePanel = panelBetween(284, 400);
constexpr QRectF RightPanel =
    panelBetween(TopicColumn.left() - 20, TopicColumn.left() + TopicColumn.width() + 21);
constexpr QRectF CreditsPlaque = QRectF(Credits).adjusted(-14, -8, 14, 3);
constexpr qreal FrameThickness = 7;

void paintSky(QPainter &painter)
{
    const QRectF all(QPointF(0, 0), QSizeF(WindowSize));
    QLinearGradient sky(0, 0, 0, WindowSize.height());
    sky.setColorAt(0.0, QColor(0x0c, 0x17, 0x30));
    sky.setColorAt(0.32, QColor(0x1a, 0x2f, 0x5c));
    sky.setColorAt(0.62, QColor(0x24, 0x3c, 0x6e));
    sky.setColorAt(1.0, QColor(0x0b, 0x14, 0x2a));
    painter.fillRect(all, sky);

    // A pale glow where the moon hides behind the title.
    QRadialGradient glow(QPointF(345, 70), 320);
    glow.setColorAt(0.0, QColor(0x9c, 0xb8, 0xe8, 110));
    glow.setColorAt(0.45, QColor(0x5a, 0x7c, 0xc0, 40));
    glow.setColorAt(1.0, QColor(0x5a, 0x7c, 0xc0, 0));
    painter.save();
    painter.translate(0, 70);
    painter.scale(1, 0.42);
    painter.translate(0, -70);
    painter.fillRect(QRectF(0, -300, 690, 900), glow);
    painter.restore();
}

void paintStars(QPainter &painter)
{
    SeededRandom random(0x5747A25);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 170; ++i) {
        const QPointF at(random.between(10, 680), random.between(10, 330));
        const qreal size = 0.5 + random.unit() * random.unit() * 1.4;
        const int alpha = 70 + random.below(150);
        painter.setBrush(QColor(0xe8, 0xf0, 0xff, alpha));
        painter.drawEllipse(at, size, size);
        if (size > 1.5) {
            // The brightest stars twinkle with a small cross of light.
            painter.setPen(QPen(QColor(0xd8, 0xe6, 0xff, alpha / 2), 0.6));
            painter.drawLine(at - QPointF(size * 3, 0), at + QPointF(size * 3, 0));
            painter.drawLine(at - QPointF(0, size * 3), at + QPointF(0, size * 3));
            painter.setPen(Qt::NoPen);
        }
    }
    painter.restore();
}

// A mountain ridge by midpoint displacement, closed along the bottom of the window.
QPainterPath ridge(qreal baseY, qreal roughness, std::uint64_t seed)
{
    SeededRandom random(seed);
    std::vector<qreal> heights(129);
    heights.front() = baseY + random.between(-20, 20);
    heights.back() = baseY + random.between(-20, 20);
    for (size_t step = 64; step >= 1; step /= 2) {
        for (size_t i = step; i < heights.size(); i += 2 * step)
            heights[i] = (heights[i - step] + heights[i + step]) / 2
                         + random.between(-1, 1) * roughness * qreal(step) / 64;
    }
    QPainterPath path;
    const qreal stepX = qreal(WindowSize.width()) / (heights.size() - 1);
    path.moveTo(0, WindowSize.height());
    for (size_t i = 0; i < heights.size(); ++i)
        path.lineTo(qreal(i) * stepX, heights[i]);
    path.lineTo(WindowSize.width(), WindowSize.height());
    path.closeSubpath();
    return path;
}

// A keep with two towers and battlements, standing on the far ridge.
QPainterPath castle(QPointF foot)
{
    QPainterPath shape;
    auto tower = [&shape, foot](qreal left, qreal width, qreal height, qreal roofHeight) {
        shape.addRect(QRectF(foot.x() + left, foot.y() - height, width, height));
        QPainterPath roof;
        roof.moveTo(foot.x() + left - 2, foot.y() - height);
        roof.lineTo(foot.x() + left + width / 2, foot.y() - height - roofHeight);
        roof.lineTo(foot.x() + left + width + 2, foot.y() - height);
        roof.closeSubpath();
        shape.addPath(roof);
    };
    shape.addRect(QRectF(foot.x() - 22, foot.y() - 26, 44, 30));
    for (int i = 0; i < 6; ++i) // battlements along the wall
        shape.addRect(QRectF(foot.x() - 22 + i * 8, foot.y() - 30, 4, 5));
    tower(-30, 10, 42, 14);
    tower(20, 10, 48, 16);
    tower(-6, 12, 58, 20);
    shape.setFillRule(Qt::WindingFill);
    return shape.simplified();
}

void paintLandscape(QPainter &painter)
{
    painter.save();
    const QPainterPath far = ridge(352, 55, 0xFA5);
    QLinearGradient farShade(0, 300, 0, 450);
    farShade.setColorAt(0, QColor(0x2c, 0x44, 0x78));
    farShade.setColorAt(1, QColor(0x16, 0x24, 0x44));
    painter.fillPath(far, farShade);
    painter.fillPath(castle(QPointF(636, 352)), QColor(0x1a, 0x29, 0x4c));
    // Lit windows of the keep.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xd0, 0x70, 210));
    painter.drawRect(QRectF(635, 314, 2, 4));
    painter.drawRect(QRectF(615, 336, 2, 3));
    painter.drawRect(QRectF(645, 322, 2, 3));

    QLinearGradient mist(0, 360, 0, 420);
    mist.setColorAt(0, QColor(0x8a, 0xa8, 0xd8, 0));
    mist.setColorAt(0.5, QColor(0x8a, 0xa8, 0xd8, 60));
    mist.setColorAt(1, QColor(0x8a, 0xa8, 0xd8, 0));
    painter.fillRect(QRectF(0, 360, 690, 60), mist);

    const QPainterPath near = ridge(408, 40, 0x9EA2);
    QLinearGradient nearShade(0, 370, 0, 450);
    nearShade.setColorAt(0, QColor(0x16, 0x24, 0x46));
    nearShade.setColorAt(1, QColor(0x08, 0x0e, 0x1e));
    painter.fillPath(near, nearShade);
    painter.restore();
}

void paintVignette(QPainter &painter)
{
    QRadialGradient vignette(QPointF(345, 225), 430);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 120));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(WindowSize)), vignette);
}

void paintTitle(QPainter &painter, const FontShelf &fonts)
{
    const QRawFont face = fonts.face(Typeface::SerifBold, 50);
    const QString title = QStringLiteral("Tobrelin");
    const qreal tracking = 2;
    const qreal width = textAdvance(face, title, tracking);
    const QPointF origin(345 - width / 2, 84);
    const QPainterPath letters = textOutline(face, title, tracking).translated(origin);
    const QRectF box = letters.boundingRect();

    paintGlow(painter, letters, QColor(0xff, 0xc8, 0x60, 70), 14, 4);
    paintShadow(painter, letters, QPointF(2, 3), QColor(0, 0, 0, 210), 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(letters,
                       QPen(QColor(0x2b, 0x18, 0x04), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(letters, goldGradient(box));
    // A thin highlight along the top of the letters catches the light.
    painter.setClipPath(letters);
    painter.strokePath(letters.translated(0, 1.2), QPen(QColor(255, 255, 240, 90), 1));
    painter.restore();

    const qreal ruleY = 66;
    const QColor gold(0xd6, 0xaa, 0x52);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintTaperedRule(painter, QPointF(118, ruleY), QPointF(box.left() - 16, ruleY), 2.2, gold);
    paintTaperedRule(painter, QPointF(box.right() + 16, ruleY), QPointF(572, ruleY), 2.2, gold);
    for (qreal x : {box.left() - 10, box.right() + 10}) {
        painter.fillPath(rhombus(QPointF(x, ruleY), 4, 5), gold);
        painter.fillPath(rhombus(QPointF(x, ruleY), 1.6, 2.2), QColor(0x2a, 0x4a, 0x90));
    }
    for (qreal x : {112.0, 578.0})
        painter.fillPath(rhombus(QPointF(x, ruleY), 3, 3.5), gold);

    const QRawFont small = fonts.face(Typeface::Serif, 11.5);
    const QString motto = QStringLiteral("THE SERVER KEEPER\u2019S HANDBOOK");
    const qreal mottoWidth = textAdvance(small, motto, 2.4);
    const QPainterPath mottoPath = textOutline(small, motto, 2.4).translated(345 - mottoWidth / 2, 112);
    paintShadow(painter, mottoPath, QPointF(1, 1), QColor(0, 0, 0, 200), 1);
    painter.fillPath(mottoPath, QColor(0xb8, 0xc8, 0xe4));
    painter.restore();
}

QPainterPath panelShape(const QRectF &panel)
{
    QPainterPath shape;
    shape.addRoundedRect(panel, 7, 7);
    return shape;
}

void paintPanel(QPainter &painter, const QRectF &panel)
{
    const QPainterPath shape = panelShape(panel);
    paintShadow(painter, shape, QPointF(3, 4), QColor(0, 0, 0, 150), 6);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient parchment(panel.topLeft(), panel.bottomLeft());
    parchment.setColorAt(0, QColor(0xf8, 0xf2, 0xe2, 238));
    parchment.setColorAt(1, QColor(0xee, 0xe4, 0xca, 238));
    painter.fillPath(shape, parchment);
    // Edges a shade darker, as old paper is.
    const qreal longest = qMax(panel.width(), panel.height());
    QRadialGradient aged(panel.center(), longest * 0.55);
    aged.setColorAt(0.6, QColor(0x8a, 0x6a, 0x30, 0));
    aged.setColorAt(1.0, QColor(0x8a, 0x6a, 0x30, 40));
    painter.setClipPath(shape);
    painter.save();
    painter.translate(panel.center());
    painter.scale(panel.width() / longest, panel.height() / longest);
    painter.translate(-panel.center());
    painter.fillRect(QRectF(panel.center() - QPointF(longest, longest), QSizeF(2 * longest, 2 * longest)),
                     aged);
    painter.restore();
    painter.setClipping(false);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x3c, 0x2c, 0x10), 1));
    painter.drawPath(panelShape(panel.adjusted(0.5, 0.5, -0.5, -0.5)));
    painter.setPen(QPen(QColor(0xb8, 0x90, 0x40), 1));
    painter.drawPath(panelShape(panel.adjusted(1.5, 1.5, -1.5, -1.5)));
    painter.setPen(QPen(QColor(0xb8, 0x90, 0x40, 150), 0.8));
    const QRectF inner = panel.adjusted(4.5, 4.5, -4.5, -4.5);
    painter.drawRoundedRect(inner, 4, 4);

    // A gem set in the top edge.
    const QPointF crest(panel.center().x(), panel.top() + 0.5);
    painter.fillPath(rhombus(crest, 8, 6), QColor(0x3c, 0x2c, 0x10));
    painter.fillPath(rhombus(crest, 7, 5),
                     QBrush(goldGradient(QRectF(crest.x() - 7, crest.y() - 5, 14, 10))));
    painter.fillPath(rhombus(crest, 3, 2.4), QColor(0x2a, 0x4c, 0x98));
    painter.restore();
}

void paintWordPlates(QPainter &painter, const FontShelf &fonts)
{
    const QRawFont face = fonts.face(Typeface::SerifBold, 10.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const WordButton &button : Words) {
        // The Exit label overlaps the lowest button: its plate stops above the label.
        QRect area = button.place;
        area.setBottom(qMin(area.bottom(), ExitLabel.top() - 1));
        const QRectF plate = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient face3d(plate.topLeft(), plate.bottomLeft());
        face3d.setColorAt(0, QColor(0xfb, 0xf3, 0xdc));
        face3d.setColorAt(1, QColor(0xe2, 0xd0, 0xa4));
        painter.fillRect(plate, face3d);
        painter.setPen(QPen(QColor(0xff, 0xfc, 0xf2), 1));
        painter.drawLine(plate.topLeft(), plate.topRight());
        painter.setPen(QPen(QColor(0xa0, 0x80, 0x44), 1));
        painter.drawLine(plate.bottomLeft(), plate.bottomRight());

        const QString word = QString::fromLatin1(button.word);
        const qreal width = textAdvance(face, word, 1.2);
        const qreal capHeight = face.capHeight();
        const QPointF origin(std::round(area.x() + (area.width() - width) / 2),
                             std::round(area.y() + (area.height() + capHeight) / 2));
        const QPainterPath letters = textOutline(face, word, 1.2).translated(origin);
        painter.fillPath(letters.translated(0, 1), QColor(255, 255, 255, 170));
        painter.fillPath(letters, QColor(0x24, 0x30, 0x58));
    }
    painter.restore();
}

// An open book above the words: the handbook of the title.
void paintBookEmblem(QPainter &painter, QPointF centre)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    QPainterPath pages;
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(0, -7);
        page.quadTo(side * 10, -12, side * 22, -9);
        page.lineTo(side * 22, 9);
        page.quadTo(side * 10, 6, 0, 11);
        page.closeSubpath();
        pages.addPath(page);
    }
    paintShadow(painter, pages, QPointF(1, 2), QColor(0x3c, 0x2c, 0x10, 120), 2);
    QLinearGradient cover(0, -12, 0, 12);
    cover.setColorAt(0, QColor(0x2a, 0x48, 0x90));
    cover.setColorAt(1, QColor(0x14, 0x24, 0x50));
    QPainterPath binding;
    binding.addRoundedRect(QRectF(-24, -8, 48, 21), 3, 3);
    painter.fillPath(binding, cover);
    painter.fillPath(pages, QColor(0xff, 0xfb, 0xee));
    painter.setPen(QPen(QColor(0x6a, 0x50, 0x20), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(pages);
    painter.setPen(QPen(QColor(0xb0, 0x98, 0x68), 0.8));
    for (int side : {-1, 1}) {
        for (int line = 0; line < 4; ++line) {
            const qreal y = -4 + line * 3.6;
            painter.drawLine(QPointF(side * 4, y), QPointF(side * 18, y - 1));
        }
    }
    painter.setPen(QPen(QColor(0xc8, 0x98, 0x38), 1.2));
    painter.drawLine(QPointF(0, -7), QPointF(0, 11));
    painter.fillPath(rhombus(QPointF(0, 15), 3, 2.5), QColor(0xc8, 0x98, 0x38));
    painter.restore();
}

void paintBannerSetting(QPainter &painter)
{
    const QRectF frame = QRectF(Banner).adjusted(-4, -4, 4, 4);
    paintShadow(painter, panelShape(frame), QPointF(3, 4), QColor(0, 0, 0, 160), 6);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintSteelFrame(painter, frame, 4);
    painter.fillRect(Banner, QColor(0x0a, 0x0d, 0x16));
    painter.restore();
}

void paintCreditsPlaque(QPainter &painter)
{
    const QRectF plaque = CreditsPlaque;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Folded ribbon ends behind the plaque.
    for (int side : {-1, 1}) {
        const qreal edge = side < 0 ? plaque.left() : plaque.right();
        QPainterPath tail;
        tail.moveTo(edge - side * 6, plaque.top() + 4);
        tail.lineTo(edge + side * 18, plaque.top() + 4);
        tail.lineTo(edge + side * 11, plaque.center().y() + 2);
        tail.lineTo(edge + side * 18, plaque.bottom() + 0);
        tail.lineTo(edge - side * 6, plaque.bottom() + 0);
        tail.closeSubpath();
        paintShadow(painter, tail, QPointF(2, 2), QColor(0, 0, 0, 140), 3);
        painter.fillPath(tail, QColor(0xb8, 0xa4, 0x78));
        painter.setPen(QPen(QColor(0x4a, 0x38, 0x18), 1));
        painter.drawPath(tail);
    }
    paintPanel(painter, plaque);
    painter.restore();
}

void paintWindowFrame(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintSteelFrame(painter, QRectF(QPointF(0, 0), QSizeF(WindowSize)), FrameThickness);
    const qreal inset = 10;
    for (QPointF corner : {QPointF(inset, inset), QPointF(WindowSize.width() - inset, inset),
                           QPointF(inset, WindowSize.height() - inset),
                           QPointF(WindowSize.width() - inset, WindowSize.height() - inset)})
        paintCornerStud(painter, corner, 16);
    painter.restore();
}

} // namespace

QImage paintMenuBackground(const FontShelf &fonts)
{
    QImage image(WindowSize, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintSky(painter);
        paintStars(painter);
        paintLandscape(painter);
    }
    addGrain(image, image.rect(), 3, 0x6A41);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintVignette(painter);
    paintTitle(painter, fonts);
    for (const QRectF &panel : {LeftPanel, CentrePanel, RightPanel})
        paintPanel(painter, panel);
    paintWordPlates(painter, fonts);
    paintBookEmblem(painter, QPointF(CentrePanel.center().x(), 160));
    paintBannerSetting(painter);
    paintCreditsPlaque(painter);
    paintWindowFrame(painter);
    painter.end();
    return image;
}
