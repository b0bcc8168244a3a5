#include "icon_pixel_art.h"

#include "icon_inks.h"

#include <QHash>

#include <array>
#include <string_view>

namespace {

// k outline, w bubble, b question mark, r exclamation marks, y o d light, middle and shaded orange.
constexpr std::array<std::string_view, 16> Icon16{{
    "..kkkkkkkkkkkk..",
    ".kwwwwwwwwwwwwk.",
    ".kwwwbbwwrwrwwk.",
    ".kwwbwwbwrwrwwk.",
    ".kwwwwbwwrwrwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwwwwbwwrwrwwk.",
    ".kwwwwwwwwwwwwk.",
    "..kkkkkwwkkkkk..",
    "..kkk..kk..kkk..",
    ".kyyyk....kyyyk.",
    ".kyoko....okoyk.",
    "..kook....kook..",
    ".kkkkk....kkkkk.",
    "kyoooookkoooooyk",
    "kddddddkkddddddk",
}};

constexpr std::array<std::string_view, 24> Icon24{{
    "...kkkkkkkkkkkkkkkkkk...",
    "..kwwwwwwwwwwwwwwwwwwk..",
    ".kwwwwwwwwwwwwwwwwwwwwk.",
    ".kwwwwwbbbwwwrrwwrrwwwk.",
    ".kwwwwbbwbbwwrrwwrrwwwk.",
    ".kwwwwwwwbbwwrrwwrrwwwk.",
    ".kwwwwwwbbwwwrrwwrrwwwk.",
    ".kwwwwwwbbwwwrrwwrrwwwk.",
    ".kwwwwwwwwwwwwwwwwwwwwk.",
    ".kwwwwwwbbwwwrrwwrrwwwk.",
    "..kwwwwwwwwwwwwwwwwwwk..",
    "...kkkkkkkkwwkkkkkkkk...",
    "...kkkk....kk....kkkk...",
    "..kyyyyk........kyyyyk..",
    ".kyyoooyk......kyoooyyk.",
    ".kyoooko........okoooyk.",
    ".kyoooook......koooooyk.",
    "..kooook........kooook..",
    "...kkkk..........kkkk...",
    "..kkooook......kooookk..",
    ".kyoooooook..koooooooyk.",
    "kyoooooooookkoooooooooyk",
    "kooooooooooddooooooooook",
    "kdddddddddd..ddddddddddk",
}};

template<size_t Rows>
QImage fromRows(const std::array<std::string_view, Rows> &rows)
{
    static const QHash<char, QRgb> inks = {
        {'k', IconInk::Outline},     {'w', IconInk::Bubble}, {'b', IconInk::Question},
        {'r', IconInk::Exclamation}, {'y', IconInk::LightOrange}, {'o', IconInk::Orange},
        {'d', IconInk::DeepOrange},
    };
    const int side = int(Rows);
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (size_t y = 0; y < Rows; ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const auto ink = inks.constFind(rows[y][x]);
            if (ink != inks.constEnd())
                image.setPixel(int(x), int(y), *ink);
        }
    }
    return image;
}

} // namespace

QImage handDrawnIcon(int size)
{
    if (size == 16)
        return fromRows(Icon16);
    if (size == 24)
        return fromRows(Icon24);
    return {};
}
