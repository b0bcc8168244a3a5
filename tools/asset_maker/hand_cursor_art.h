#pragma once

#include <QImage>
#include <QPoint>

// The pointing hand: black outline, white fill, transparent elsewhere, 32 by 32 pixels.
QImage paintHandCursor();

// The tip of the index finger.
constexpr QPoint HandHotSpot(5, 0);
