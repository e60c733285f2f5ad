#pragma once
// TSeSkinEdit: the edit box drawn from a skin object ("Edit"): the frame
// follows the box's state (disabled, pointer over, focused, normal), the
// skin gives the font, and the plain look shows while no skin is usable.

#include "skin/controls/edit/SeCustomEdit.h"
#include "skin/controls/edit/SeEditSkinned.h"

class TSeSkinEdit : public TSeEditSkinned<TSeCustomEdit> {
public:
    using TSeEditSkinned<TSeCustomEdit>::TSeEditSkinned;
};
