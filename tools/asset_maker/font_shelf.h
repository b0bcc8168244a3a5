#pragma once

#include <QPainterPath>
#include <QRawFont>
#include <QString>

// The typefaces the artwork uses, read from their files rather than chosen by the system's font
// matching, so that every machine with the same files draws the same letters.
enum class Typeface { Serif, SerifBold, SansBold };

class FontShelf
{
public:
    // Throws std::runtime_error when a face is missing from the directory.
    explicit FontShelf(const QString &directory);

    QRawFont face(Typeface typeface, qreal pixelSize) const;

private:
    QString m_directory;
};

// The outline of a line of text with its baseline starting at the origin; tracking adds space
// between letters.
QPainterPath textOutline(const QRawFont &font, const QString &text, qreal tracking = 0);

// The advance width of the same line.
qreal textAdvance(const QRawFont &font, const QString &text, qreal tracking = 0);
