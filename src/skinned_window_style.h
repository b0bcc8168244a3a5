#pragma once

#include "window_style.h"

// The menu and the about window are skinned: a pop-up with a sizing frame but no title bar, so
// they show neither title, icon nor caption buttons. Only the style bits change.
inline void applySkinnedWindowStyle(WindowParams &params)
{
    params.style |= WindowStyle::Popup;
    params.style &= ~WindowStyle::DialogFrame;
}
