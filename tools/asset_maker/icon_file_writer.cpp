#include "icon_file_writer.h"

#include "byte_writer.h"
#include "palette_reduction.h"

#include <stdexcept>

namespace {

constexpr quint16 IconType = 1;
constexpr quint16 CursorType = 2;

int rowStride(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// Colour bits (bottom row first) for the paletted depths.
void putIndexedRows(ByteWriter &out, const IndexedPicture &picture, int bitsPerPixel)
{
    const int stride = rowStride(picture.width, bitsPerPixel);
    for (int y = picture.height - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < picture.width; ++x) {
            const int index = picture.indexes[y * picture.width + x];
            const int bitOffset = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bitOffset % 8;
            row[bitOffset / 8] = char(quint8(row[bitOffset / 8]) | quint8(index << shift));
        }
        out.bytes(row);
    }
}

void putMaskRows(ByteWriter &out, const QList<bool> &transparent, int width, int height)
{
    const int stride = rowStride(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            if (transparent[y * width + x])
                row[x / 8] = char(quint8(row[x / 8]) | quint8(0x80 >> (x % 8)));
        }
        out.bytes(row);
    }
}

void putInfoHeader(ByteWriter &out, int width, int height, int bitsPerPixel, int paletteSize)
{
    const int imageBytes = (rowStride(width, bitsPerPixel) + rowStride(width, 1)) * height;
    out.u32(40);
    out.u32(quint32(width));
    out.u32(quint32(height * 2)); // colour bits and mask stacked
    out.u16(1);
    out.u16(quint32(bitsPerPixel));
    out.u32(0); // uncompressed
    out.u32(quint32(imageBytes));
    out.u32(0);
    out.u32(0);
    out.u32(quint32(paletteSize));
    out.u32(0);
}

void putPalette(ByteWriter &out, const QList<QRgb> &palette)
{
    for (QRgb colour : palette) {
        out.u8(quint32(qBlue(colour)));
        out.u8(quint32(qGreen(colour)));
        out.u8(quint32(qRed(colour)));
        out.u8(0);
    }
}

QByteArray indexedBitmap(const IndexedPicture &picture, int bitsPerPixel)
{
    ByteWriter out(ByteWriter::Order::LittleEndian);
    putInfoHeader(out, picture.width, picture.height, bitsPerPixel, int(picture.palette.size()));
    putPalette(out, picture.palette);
    putIndexedRows(out, picture, bitsPerPixel);
    putMaskRows(out, picture.transparent, picture.width, picture.height);
    return out.data();
}

QByteArray trueColourBitmap(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    ByteWriter out(ByteWriter::Order::LittleEndian);
    putInfoHeader(out, argb.width(), argb.height(), 32, 0);
    QList<bool> transparent;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            transparent.append(qAlpha(row[x]) < 128);
    }
    for (int y = argb.height() - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = qAlpha(row[x]) == 0 ? 0 : row[x];
            out.u8(quint32(qBlue(pixel)));
            out.u8(quint32(qGreen(pixel)));
            out.u8(quint32(qRed(pixel)));
            out.u8(quint32(qAlpha(pixel)));
        }
    }
    putMaskRows(out, transparent, argb.width(), argb.height());
    return out.data();
}

struct DirectoryEntry
{
    int width;
    int height;
    int colourCount;
    quint16 field1; // planes for icons, hot spot column for cursors
    quint16 field2; // bit depth for icons, hot spot row for cursors
    QByteArray bitmap;
};

QByteArray resourceFile(quint16 type, const QList<DirectoryEntry> &entries)
{
    ByteWriter out(ByteWriter::Order::LittleEndian);
    out.u16(0);
    out.u16(type);
    out.u16(quint32(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    for (const DirectoryEntry &entry : entries) {
        if (entry.width < 1 || entry.width > 256 || entry.height < 1 || entry.height > 256)
            throw std::runtime_error("icon pictures must be 1 to 256 pixels wide and high");
        out.u8(quint32(entry.width % 256));
        out.u8(quint32(entry.height % 256));
        out.u8(quint32(entry.colourCount));
        out.u8(0);
        out.u16(entry.field1);
        out.u16(entry.field2);
        out.u32(quint32(entry.bitmap.size()));
        out.u32(offset);
        offset += quint32(entry.bitmap.size());
    }
    for (const DirectoryEntry &entry : entries)
        out.bytes(entry.bitmap);
    return out.data();
}

} // namespace

QByteArray iconFile(const QList<IconPicture> &pictures, const QList<QRgb> &anchors)
{
    QList<DirectoryEntry> entries;
    for (const IconPicture &picture : pictures) {
        const int bits = picture.bitsPerPixel;
        QByteArray bitmap;
        if (bits == 4 || bits == 8)
            bitmap = indexedBitmap(reduceToPalette(picture.image, bits, anchors), bits);
        else if (bits == 32)
            bitmap = trueColourBitmap(picture.image);
        else
            throw std::runtime_error("icon pictures are stored at 4, 8 or 32 bits per pixel");
        entries.append(
            {picture.image.width(), picture.image.height(), bits == 4 ? 16 : 0, 1, quint16(bits), bitmap});
    }
    return resourceFile(IconType, entries);
}

QByteArray cursorFile(const QImage &image, QPoint hotSpot)
{
    if (!QRect(QPoint(0, 0), image.size()).contains(hotSpot))
        throw std::runtime_error("a cursor's hot spot must lie on its picture");
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture picture;
    picture.width = argb.width();
    picture.height = argb.height();
    picture.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            const bool clear = qAlpha(pixel) < 128;
            picture.transparent.append(clear);
            picture.indexes.append(!clear && qGray(pixel) >= 128 ? 1 : 0);
        }
    }
    return resourceFile(CursorType, {{picture.width, picture.height, 2, quint16(hotSpot.x()),
                                      quint16(hotSpot.y()), indexedBitmap(picture, 1)}});
}
