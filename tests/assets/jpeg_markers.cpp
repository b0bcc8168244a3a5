#include "jpeg_markers.h"

namespace {

int byteAt(const QByteArray &data, qsizetype at)
{
    return uchar(data[at]);
}

int word(const QByteArray &data, qsizetype at)
{
    return byteAt(data, at) << 8 | byteAt(data, at + 1);
}

bool isFrameMarker(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

void readFrame(const QByteArray &body, JpegMarkers &markers)
{
    markers.precision = byteAt(body, 0);
    markers.height = word(body, 1);
    markers.width = word(body, 3);
    const int count = byteAt(body, 5);
    for (int i = 0; i < count && 6 + 3 * i + 2 < body.size(); ++i) {
        const int sampling = byteAt(body, 6 + 3 * i + 1);
        markers.components.append({byteAt(body, 6 + 3 * i), sampling >> 4, sampling & 0x0F});
    }
}

void readScanHeader(const QByteArray &body, JpegMarkers &markers)
{
    JpegMarkers::Scan scan;
    const int count = byteAt(body, 0);
    for (int i = 0; i < count; ++i)
        scan.componentIds.append(byteAt(body, 1 + 2 * i));
    const qsizetype tail = 1 + 2 * count;
    scan.spectralStart = byteAt(body, tail);
    scan.spectralEnd = byteAt(body, tail + 1);
    scan.approximationHigh = byteAt(body, tail + 2) >> 4;
    scan.approximationLow = byteAt(body, tail + 2) & 0x0F;
    markers.scans.append(scan);
}

// Steps over entropy-coded data to the next real marker, counting restart markers on the way.
qsizetype skipEntropyData(const QByteArray &jpeg, qsizetype at, JpegMarkers &markers)
{
    while (at + 1 < jpeg.size()) {
        if (byteAt(jpeg, at) == 0xFF) {
            const int next = byteAt(jpeg, at + 1);
            if (next >= 0xD0 && next <= 0xD7) {
                ++markers.restartMarkers;
                at += 2;
                continue;
            }
            if (next != 0x00 && next != 0xFF)
                return at;
        }
        ++at;
    }
    return jpeg.size();
}

} // namespace

QList<QByteArray> JpegMarkers::segments(int marker, const QByteArray &identifier) const
{
    QList<QByteArray> found;
    for (const Segment &segment : applicationSegments) {
        if (segment.marker == marker && segment.payload.startsWith(identifier))
            found.append(segment.payload);
    }
    return found;
}

JpegMarkers readJpegMarkers(const QByteArray &jpeg)
{
    JpegMarkers markers;
    if (jpeg.size() < 4 || byteAt(jpeg, 0) != 0xFF || byteAt(jpeg, 1) != 0xD8) {
        markers.problem = QStringLiteral("no start-of-image marker");
        return markers;
    }
    qsizetype at = 2;
    while (at + 1 < jpeg.size()) {
        if (byteAt(jpeg, at) != 0xFF) {
            markers.problem = QStringLiteral("garbage at offset %1").arg(at);
            return markers;
        }
        const int marker = byteAt(jpeg, at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD9) {
            markers.endMarker = true;
            if (at + 2 != jpeg.size())
                markers.problem = QStringLiteral("data after the end-of-image marker");
            return markers;
        }
        if (at + 4 > jpeg.size()) {
            break;
        }
        const int length = word(jpeg, at + 2);
        if (length < 2 || at + 2 + length > jpeg.size()) {
            markers.problem =
                QStringLiteral("segment %1 at offset %2 runs past the end").arg(marker, 0, 16).arg(at);
            return markers;
        }
        const QByteArray body = jpeg.mid(at + 4, length - 2);
        at += 2 + length;
        if (isFrameMarker(marker)) {
            markers.frameMarker = marker;
            readFrame(body, markers);
        } else if (marker == 0xDD) {
            markers.restartInterval = word(body, 0);
        } else if (marker >= 0xE0 && marker <= 0xEF) {
            markers.applicationSegments.append({marker, body});
        } else if (marker == 0xDA) {
            readScanHeader(body, markers);
            at = skipEntropyData(jpeg, at, markers);
        }
    }
    markers.problem = QStringLiteral("no end-of-image marker");
    return markers;
}
