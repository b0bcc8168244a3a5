#pragma once

#include <QCursor>
#include <QString>

// Reads a two-colour cursor file (.cur: a directory with the hot spot, then a bitmap with an
// image mask and a transparency mask) from the program's resources. A file that cannot be read
// gives the system's pointing hand and a warning.
QCursor loadCursorFile(const QString &resourcePath);
