#pragma once

#include <QImage>

class FontShelf;

constexpr QSize BannerSize(468, 60);

// The portal's banner: its name in large orange letters on a dark strip, shown by both windows.
QImage paintBanner(const FontShelf &fonts);
