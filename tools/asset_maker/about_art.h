#pragma once

#include <QImage>

constexpr QSize AboutSize(690, 455);

// The about window's background: two travellers resting in a meadow under an evening sky, washed
// out almost to paper and finely hatched, so that black text reads anywhere on it.
QImage paintAboutBackground();
