#pragma once
// The controls a message form is made of, in their plain classes (the
// skinned message component makes the skinned ones), and how the form sets
// them up.

#include "skin/controls/buttons/SeCustomButton.h"
#include "skin/controls/buttons/SeCustomCheckBox.h"
#include "skin/controls/edit/SeCustomEdit.h"
#include "skin/controls/message/SeMessageTypes.h"
#include "skin/controls/panels/SeCustomLabel.h"

using TSeMessageButton = TSeCustomButton;
using TSeMessageLabel = TSeCustomLabel;
using TSeMessageCheckBox = TSeCustomCheckBox;
using TSeMessageEdit = TSeCustomEdit;

namespace brio {

// The stock kind of `button` (caption, result and glyph come with it), then
// the table's caption and result over it, and no glyph unless wanted.
void setMessageButtonKind(TSeMessageButton& control, TMsgDlgBtn button, bool showGlyph);
void setMessageButtonTransparent(TSeMessageButton& control);
// A word-wrapping, see-through label that shows '&' as it is.
void setMessageLabelStyle(TSeMessageLabel& label);

} // namespace brio
