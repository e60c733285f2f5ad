#pragma once
// Kinds of mouse message, as the nested tracking loops of the frame (move,
// size, caption buttons, scroll bars) tell them apart.

#include "platform/WinUserMessages.h"

namespace brio {

inline bool isMouseMoveMessage(UINT msg)
{
    return msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE;
}

inline bool isLeftReleaseMessage(UINT msg)
{
    return msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP;
}

// Any client or non-client mouse message.
inline bool isMouseMessage(UINT msg)
{
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

} // namespace brio
