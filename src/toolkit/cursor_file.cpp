#include "cursor_file.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

namespace {

constexpr qsizetype directorySize = 6;
constexpr qsizetype entrySize = 16;
constexpr qsizetype infoHeaderSize = 40;
constexpr int maxSide = 256;

quint16 word16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 word32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

bool bitAt(const uchar *row, int x)
{
    return (row[x / 8] >> (7 - x % 8)) & 1;
}

QImage decodeTwoColourCursor(const QByteArray &data, QPoint *hotSpot)
{
    if (data.size() < directorySize + entrySize || word16(data, 0) != 0 || word16(data, 2) != 2
        || word16(data, 4) < 1)
        return {};
    const int width = uchar(data[directorySize]) ? uchar(data[directorySize]) : maxSide;
    const int height = uchar(data[directorySize + 1]) ? uchar(data[directorySize + 1]) : maxSide;
    *hotSpot = QPoint(word16(data, directorySize + 4), word16(data, directorySize + 6));
    const qsizetype offset = word32(data, directorySize + 12);
    if (offset < directorySize + entrySize || offset + infoHeaderSize > data.size())
        return {};
    if (word32(data, offset) != infoHeaderSize || word16(data, offset + 14) != 1
        || qint32(word32(data, offset + 8)) != 2 * height)
        return {};
    const qsizetype stride = ((width + 31) / 32) * 4;
    const qsizetype palette = offset + infoHeaderSize;
    const qsizetype imageMask = palette + 2 * 4;
    const qsizetype transparencyMask = imageMask + stride * height;
    if (transparencyMask + stride * height > data.size())
        return {};

    auto colour = [&](int index) {
        const qsizetype at = palette + index * 4;
        return qRgb(uchar(data[at + 2]), uchar(data[at + 1]), uchar(data[at]));
    };
    QImage image(width, height, QImage::Format_ARGB32);
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up.
        const uchar *imageRow = bytes + imageMask + (height - 1 - y) * stride;
        const uchar *maskRow = bytes + transparencyMask + (height - 1 - y) * stride;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = bitAt(maskRow, x) ? qRgba(0, 0, 0, 0) : colour(bitAt(imageRow, x));
    }
    return image;
}

} // namespace

QCursor loadCursorFile(const QString &resourcePath)
{
    QFile file(resourcePath);
    QPoint hotSpot;
    const QImage image = file.open(QIODevice::ReadOnly) ? decodeTwoColourCursor(file.readAll(), &hotSpot) : QImage();
    if (image.isNull()) {
        qWarning("Cursor %s cannot be read", qPrintable(resourcePath));
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}
