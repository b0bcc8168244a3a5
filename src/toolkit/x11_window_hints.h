#pragma once

class QWidget;

// Window-manager hints that Qt has no call for. They are written on the native window after it
// exists and before it is mapped; on other platforms these do nothing.
namespace X11WindowHints {
// A frame without a title bar: only the border decoration. (Asking for resize handles as well
// brings the title bar back in common window managers.)
void setBorderOnly(QWidget *window);
// Keeps the window off the task bar, so the program has one entry. The state is dropped by the
// window manager when the window is withdrawn, so it is written before every show.
void setSkipTaskbar(QWidget *window);
} // namespace X11WindowHints
