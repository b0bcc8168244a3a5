#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// An image with a palette of at most 2^bits colours and a one-bit mask, as icon files store them.
struct IndexedPicture
{
    QList<QRgb> palette;   // index 0 is black: what transparent pixels carry
    QList<quint8> indexes; // row by row from the top
    QList<bool> transparent;
    int width = 0;
    int height = 0;
};

// Reduces an image with alpha to a palette: the anchor colours first (so that small accents are
// not averaged away), the rest by median cut. No dithering, so that small pictures keep crisp
// edges. Pixels with alpha below one half become transparent.
IndexedPicture reduceToPalette(const QImage &image, int bits, const QList<QRgb> &anchors);
