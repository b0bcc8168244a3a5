#include "shell_open_host.h"

#include <QDesktopServices>

namespace ShellOpen {

void openWebAddress(const QUrl &url)
{
    // The desktop's default handler for the address: the user's browser.
    QDesktopServices::openUrl(url);
}

} // namespace ShellOpen
