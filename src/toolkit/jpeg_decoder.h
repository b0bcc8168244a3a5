#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a JPEG stream from memory with libjpeg to 24-bit RGB at full size. Baseline and
// progressive streams, restart markers and the JFIF and Adobe markers are understood; other
// application segments are passed over. Empty, truncated or corrupt data, or a picture beyond the
// bounds below, gives a null image and a warning on standard error.
namespace JpegDecoder {

inline constexpr int maxSide = 8192;
inline constexpr int maxScans = 64;

QImage decode(QByteArrayView jpeg);

} // namespace JpegDecoder
