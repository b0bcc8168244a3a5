#pragma once

#include <QString>
#include <QUrl>

// The shell's "open" for addresses the program hands out. Only web addresses are ever opened: a
// bare host name is taken as http://, and anything that is not a web address (a local path, a file:
// or javascript: address, a program) is dropped silently, since handing arbitrary strings to the
// desktop's opener could start programs. The target never passes through a command shell. The
// outcome is not reported.
namespace ShellOpen {

// The web address a target stands for, or an invalid QUrl when it is not one.
QUrl webAddress(const QString &target);

void open(const QString &target);

} // namespace ShellOpen
