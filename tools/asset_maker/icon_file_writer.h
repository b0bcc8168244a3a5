#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

// One picture of an icon file and the depth it is stored at: 4, 8 (with a palette) or 32 bits.
struct IconPicture
{
    QImage image;
    int bitsPerPixel = 32;
};

// An icon file: every picture an uncompressed bitmap with its transparency mask. The palettes of
// the smaller depths always hold the anchor colours.
QByteArray iconFile(const QList<IconPicture> &pictures, const QList<QRgb> &anchors);

// A cursor file with one two-colour picture: opaque pixels become black or white, whichever is
// nearer, and the rest transparent.
QByteArray cursorFile(const QImage &image, QPoint hotSpot);
