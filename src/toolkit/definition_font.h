#pragma once

#include <QFont>

class QWidget;

// The window definitions ask for "MS Sans Serif" in points, laid out at 96 dots per inch. This maps
// such a font to what the host can draw at the same pixel height: the bitmap face of that name for
// regular 8-point text when it could be loaded, otherwise a scalable sans-serif face with Cyrillic
// glyphs: the one of close metrics that comes with it, or DejaVu Sans.
namespace DefinitionFont {

inline constexpr auto designFamily = "MS Sans Serif";
inline constexpr auto fallbackFamily = "DejaVu Sans";

// Makes the bitmap face known to the application if the host has it. Returns whether it did.
bool loadDesignFace();
bool designFaceLoaded();

// Character height in pixels of a point size at 96 dots per inch (8 pt is 11 px, 10 is 13, 12 is 16).
int pixelHeight(int pointSize);

QFont resolve(const QFont &designed);

// Resolves the font of the widget and of every descendant that sets a font of its own.
void applyToTree(QWidget *root);

} // namespace DefinitionFont
