#pragma once

#include <QImage>

class FontShelf;

// The menu window's skin: night sky and mountains in a steel frame, the gold title, three parchment
// panels for the links, the six words and the topics, and settings for the banner and credits.
QImage paintMenuBackground(const FontShelf &fonts);
