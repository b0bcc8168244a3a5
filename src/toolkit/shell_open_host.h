#pragma once

#include <QUrl>

// The one call into the host's shell; shell_open_win.cpp on Windows, shell_open_desktop.cpp elsewhere.
namespace ShellOpen {
void openWebAddress(const QUrl &url);
}
