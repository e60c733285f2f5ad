#pragma once
// Keyboard shortcuts: a virtual-key code in the low byte plus modifier bits,
// and their text form ("Ctrl+S", "Alt+F4", "Shift+Del").

#include "ui/component/Types.h"

#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;

constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// Only ssShift, ssCtrl and ssAlt count.
TShortCut ShortCut(std::uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift);
// Modifiers in the order Shift, Ctrl, Alt, then the key's name; "" for no
// key or a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The reverse, ignoring letter case; 0 when the text names no key.
TShortCut TextToShortCut(const std::string& text);
