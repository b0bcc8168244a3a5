#include "font_shelf.h"

#include <QFileInfo>

#include <stdexcept>

namespace {

QString fileNameOf(Typeface typeface)
{
    switch (typeface) {
    case Typeface::Serif:
        return QStringLiteral("DejaVuSerif.ttf");
    case Typeface::SerifBold:
        return QStringLiteral("DejaVuSerif-Bold.ttf");
    case Typeface::SansBold:
        return QStringLiteral("DejaVuSans-Bold.ttf");
    }
    return {};
}

QList<QPointF> glyphAdvances(const QRawFont &font, const QList<quint32> &glyphs)
{
    // Design metrics keep the spacing independent of hinting.
    return font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
}

} // namespace

FontShelf::FontShelf(const QString &directory) : m_directory(directory)
{
    for (Typeface typeface : {Typeface::Serif, Typeface::SerifBold, Typeface::SansBold}) {
        if (!face(typeface, 12).isValid())
            throw std::runtime_error(QStringLiteral("cannot load font %1 from %2")
                                         .arg(fileNameOf(typeface), directory)
                                         .toStdString());
    }
}

QRawFont FontShelf::face(Typeface typeface, qreal pixelSize) const
{
    const QString path = QFileInfo(m_directory + QLatin1Char('/') + fileNameOf(typeface)).absoluteFilePath();
    return QRawFont(path, pixelSize, QFont::PreferNoHinting);
}

QPainterPath textOutline(const QRawFont &font, const QString &text, qreal tracking)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = glyphAdvances(font, glyphs);
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QPainterPath glyph = font.pathForGlyph(glyphs[i]);
        glyph.translate(pen);
        outline.addPath(glyph);
        pen += advances[i] + QPointF(tracking, 0);
    }
    return outline;
}

qreal textAdvance(const QRawFont &font, const QString &text, qreal tracking)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    qreal width = 0;
    for (const QPointF &advance : glyphAdvances(font, glyphs))
        width += advance.x() + tracking;
    return glyphs.isEmpty() ? 0 : width - tracking;
}
