#pragma once

#include <QByteArray>

// A compact ICC version 2 display profile for sRGB: matrix and tone curves, nothing else.
QByteArray srgbProfile();
