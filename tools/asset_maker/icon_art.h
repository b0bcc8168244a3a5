#pragma once

#include <QImage>

// The application icon at a given size: two orange figures facing each other under a speech
// bubble that holds "?!!".
QImage paintIcon(int size);
