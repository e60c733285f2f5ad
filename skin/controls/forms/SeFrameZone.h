#pragma once
// The parts of a skinned form's frame that the pointer can be over, and the
// event a form raises before an operation the user may cancel.

#include "ui/component/Component.h"

#include <cstdint>
#include <functional>

enum TSeFrameZone : std::uint8_t {
    fzNone, // the client area
    fzCaption,
    fzLeft,
    fzTop,
    fzRight,
    fzBottom,
    fzBorder,
    fzTopLeft,
    fzTopRight,
    fzBottomLeft,
    fzBottomRight,
    fzClose,
    fzHelp,
    fzMinimize,
    fzMaximize,
    fzRollup,
    fzTray,
    fzSysMenu,   // the caption icon
    fzSysButton, // a caption button of the skin
};

// The caption and the borders: a press there starts a drag.
constexpr bool IsDragZone(TSeFrameZone zone)
{
    return zone >= fzCaption && zone <= fzBottomRight;
}

// Asked before the operation; `allow` starts true, false cancels it.
using TSeFormActionEvent = std::function<void(TObject* sender, bool& allow)>;
