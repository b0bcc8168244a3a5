#include "hand_cursor_art.h"

#include <array>
#include <string_view>

namespace {

// Drawn pixel by pixel: at this size a painted outline would blur. '#' outline, 'o' fill.
constexpr std::array<std::string_view, 24> Hand{{
    ".....##",
    "....#oo#",
    "....#oo#",
    "....#oo#",
    "....#oo#",
    "....#oo###",
    "....#oo#oo###",
    "....#oo#oo#oo#",
    "....#oo#oo#oo###",
    "....#oo#oo#oo#oo#",
    ".##.#oo#oo#oo#oo#",
    "#oo##ooooooooooo#",
    "#ooo#ooooooooooo#",
    "#ooooooooooooooo#",
    "#ooooooooooooooo#",
    ".#oooooooooooooo#",
    ".#oooooooooooooo#",
    "..#ooooooooooooo#",
    "..#oooooooooooo#",
    "...#ooooooooooo#",
    "...#ooooooooooo#",
    "....#oooooooooo#",
    "....#oooooooooo#",
    "....############",
}};

} // namespace

QImage paintHandCursor()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < int(Hand.size()); ++y) {
        for (int x = 0; x < int(Hand[size_t(y)].size()); ++x) {
            const char c = Hand[size_t(y)][size_t(x)];
            if (c == '#')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (c == 'o')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return image;
}
