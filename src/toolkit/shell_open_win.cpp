#include "shell_open_host.h"

#include <windows.h>

#include <shellapi.h>

namespace ShellOpen {

void openWebAddress(const QUrl &url)
{
    const QByteArray address = url.toString(QUrl::FullyEncoded).toLatin1();
    ShellExecuteA(GetDesktopWindow(), "open", address.constData(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace ShellOpen
