#pragma once

#include <QString>

namespace Clipboard {
// Puts plain text on the system clipboard.
void setText(const QString &text);
} // namespace Clipboard
