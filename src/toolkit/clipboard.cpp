#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Clipboard {

void setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

} // namespace Clipboard
