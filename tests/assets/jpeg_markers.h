#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The marker structure of a JPEG file, read without decoding any picture data, so that a suite
// can check how a file was encoded and not only what it shows.
struct JpegMarkers
{
    struct Component
    {
        int id = 0;
        int horizontalSampling = 0;
        int verticalSampling = 0;
    };

    struct Scan
    {
        QList<int> componentIds;
        int spectralStart = 0;
        int spectralEnd = 0;
        int approximationHigh = 0;
        int approximationLow = 0;
    };

    struct Segment
    {
        int marker = 0;     // 0xE0 to 0xEF for application segments
        QByteArray payload; // without the length field
    };

    int frameMarker = 0; // 0xC0 baseline, 0xC2 progressive, ...
    int precision = 0;
    int width = 0;
    int height = 0;
    QList<Component> components;
    QList<Scan> scans;
    QList<Segment> applicationSegments;
    int restartInterval = 0;
    int restartMarkers = 0; // RST markers met inside the entropy-coded data
    bool endMarker = false;
    QString problem; // empty when the structure could be walked from SOI to EOI

    // The payloads of the application segments with this marker whose payload begins so.
    QList<QByteArray> segments(int marker, const QByteArray &identifier) const;
};

JpegMarkers readJpegMarkers(const QByteArray &jpeg);
