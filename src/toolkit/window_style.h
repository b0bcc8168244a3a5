#pragma once

#include <QPoint>
#include <QSize>
#include <QtGlobal>

// Style bits of a native top-level window. The values are those of the Win32 window styles, so a
// form's creation hook reads the same on every platform; on other hosts the layer realises them
// itself (see TForm::realise).
namespace WindowStyle {
constexpr quint32 Popup = 0x80000000u;
constexpr quint32 Border = 0x00800000u;
constexpr quint32 DialogFrame = 0x00400000u;
constexpr quint32 Caption = Border | DialogFrame;
constexpr quint32 SystemMenu = 0x00080000u;
constexpr quint32 ThickFrame = 0x00040000u;
constexpr quint32 MinimizeBox = 0x00020000u;
constexpr quint32 MaximizeBox = 0x00010000u;

// What the layer prepares for every form before its creation hook runs: an ordinary top-level
// window with title bar, system menu, sizing frame and both boxes.
constexpr quint32 OverlappedWindow = Caption | SystemMenu | ThickFrame | MinimizeBox | MaximizeBox;
} // namespace WindowStyle

// The creation parameters a form's CreateParams hook may change.
struct WindowParams
{
    quint32 style = WindowStyle::OverlappedWindow;
    quint32 exStyle = 0;
    QPoint position;  // outer top-left corner, screen coordinates
    QSize clientSize; // excludes frame and title bar
};

// How the host draws a window with given style bits.
struct WindowDecorations
{
    bool titleBar = false;
    bool border = false;
    bool sizingFrame = false;

    static WindowDecorations fromStyle(quint32 style)
    {
        return {(style & WindowStyle::Caption) == WindowStyle::Caption,
                (style & (WindowStyle::Border | WindowStyle::ThickFrame)) != 0,
                (style & WindowStyle::ThickFrame) != 0};
    }
    friend bool operator==(const WindowDecorations &, const WindowDecorations &) = default;
};
