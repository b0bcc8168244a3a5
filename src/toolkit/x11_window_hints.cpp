#include "x11_window_hints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdint>

namespace {

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    auto cookie = xcb_intern_atom(connection, false, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t result = reply->atom;
    free(reply);
    return result;
}

} // namespace

namespace X11WindowHints {

void setBorderOnly(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    constexpr uint32_t hintsDecorations = 1u << 1;
    constexpr uint32_t decorBorder = 1u << 1;
    // flags, functions, decorations, input mode, status
    const std::array<uint32_t, 5> hints{hintsDecorations, 0, decorBorder, 0, 0};
    const xcb_atom_t motifHints = atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                        motifHints, motifHints, 32, hints.size(), hints.data());
    xcb_flush(connection);
}

void setSkipTaskbar(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window->winId()), state,
                        XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    xcb_flush(connection);
}

} // namespace X11WindowHints
