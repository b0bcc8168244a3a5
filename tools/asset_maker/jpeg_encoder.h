#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// An application segment (APP0..APP15) written right after the JFIF and Adobe markers.
struct JpegSegment
{
    int appNumber = 0;
    QByteArray payload; // at most 65533 bytes
};

enum class JpegLayout {
    Baseline,
    BaselineWithRestarts, // a restart marker after every row of blocks
    SpectralProgressive,  // seven scans, spectral selection only
};

struct JpegRecipe
{
    JpegLayout layout = JpegLayout::Baseline;
    int quality = 92;
    QList<JpegSegment> segments;
};

// Encodes as three full-resolution YCbCr components with JFIF and Adobe markers.
// Throws std::runtime_error with the library's message when encoding fails.
QByteArray encodeJpeg(const QImage &image, const JpegRecipe &recipe);
