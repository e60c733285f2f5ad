#pragma once
// Letter case for the edit box's CharCase: whole code points, so letters
// beyond ASCII convert too and surrogate pairs stay whole.

#include "skin/controls/edit/SeEditTypes.h"

#include <string>

namespace brio {

std::u16string ApplyCharCase(std::u16string text, TEditCharCase charCase);

} // namespace brio
