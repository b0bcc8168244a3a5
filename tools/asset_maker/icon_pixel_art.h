#pragma once

#include <QImage>

// The icon at the sizes where drawing by hand reads better than scaling the outline down: 16 and
// 24 pixels. Returns a null image for other sizes.
QImage handDrawnIcon(int size);
