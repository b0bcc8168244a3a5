#include "palette_reduction.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {

using Channels = std::array<int, 3>;

Channels channelsOf(QRgb colour)
{
    return {qRed(colour), qGreen(colour), qBlue(colour)};
}

struct Box
{
    std::vector<Channels> colours;

    int widestChannel(int *extent) const
    {
        int best = 0;
        *extent = -1;
        for (int channel = 0; channel < 3; ++channel) {
            const auto [low, high] = std::minmax_element(
                colours.begin(), colours.end(),
                [channel](const Channels &a, const Channels &b) { return a[channel] < b[channel]; });
            const int span = (*high)[channel] - (*low)[channel];
            if (span > *extent) {
                *extent = span;
                best = channel;
            }
        }
        return best;
    }

    QRgb average() const
    {
        std::array<long long, 3> sum{};
        for (const Channels &c : colours)
            for (int channel = 0; channel < 3; ++channel)
                sum[size_t(channel)] += c[size_t(channel)];
        const long long n = qMax<long long>(1, (long long)colours.size());
        return qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n));
    }
};

QList<QRgb> medianCut(std::vector<Channels> colours, int wanted)
{
    std::vector<Box> boxes;
    if (!colours.empty())
        boxes.push_back({std::move(colours)});
    while (int(boxes.size()) < wanted) {
        // Split the box whose widest channel spans most, weighted by how many pixels it holds.
        int chosen = -1;
        long long bestScore = 0;
        int chosenChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            int extent = 0;
            const int channel = boxes[size_t(i)].widestChannel(&extent);
            const long long score = (long long)extent * (long long)boxes[size_t(i)].colours.size();
            if (extent > 0 && score > bestScore) {
                bestScore = score;
                chosen = i;
                chosenChannel = channel;
            }
        }
        if (chosen < 0)
            break;
        std::vector<Channels> &all = boxes[size_t(chosen)].colours;
        std::stable_sort(all.begin(), all.end(), [chosenChannel](const Channels &a, const Channels &b) {
            return a[size_t(chosenChannel)] < b[size_t(chosenChannel)];
        });
        const auto middle = all.begin() + std::ptrdiff_t(all.size() / 2);
        Box upper{std::vector<Channels>(middle, all.end())};
        all.erase(middle, all.end());
        boxes.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const Box &box : boxes)
        palette.append(box.average());
    return palette;
}

int nearest(const QList<QRgb> &palette, QRgb colour, int first)
{
    int best = first;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = first; i < palette.size(); ++i) {
        // Weighted towards green, as the eye is.
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

IndexedPicture reduceToPalette(const QImage &image, int bits, const QList<QRgb> &anchors)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture picture;
    picture.width = argb.width();
    picture.height = argb.height();

    std::vector<Channels> opaque;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) >= 128)
                opaque.push_back(channelsOf(row[x]));
        }
    }
    picture.palette = {qRgb(0, 0, 0)};
    picture.palette += anchors.first(qMin(anchors.size(), qsizetype(1 << bits) - 1));
    picture.palette += medianCut(std::move(opaque), int((1 << bits) - picture.palette.size()));
    while (picture.palette.size() < (1 << bits))
        picture.palette.append(qRgb(0, 0, 0));

    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const bool clear = qAlpha(row[x]) < 128;
            picture.transparent.append(clear);
            picture.indexes.append(quint8(clear ? 0 : nearest(picture.palette, row[x], 1)));
        }
    }
    return picture;
}
