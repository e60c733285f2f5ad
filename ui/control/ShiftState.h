#pragma once
// The modifier keys and mouse buttons as the controls' events report them.

#include "ui/component/Types.h"

#include "platform/WinTypes.h"

// From the MK_* flags a mouse message carries; Alt, which has no flag, is
// read from the keyboard.
TShiftState KeysToShiftState(WPARAM keys);
// Shift, Ctrl and Alt as the keyboard holds them now.
TShiftState KeyboardStateToShiftState();
