#pragma once
// The controls a message form is made of, and the few settings that depend
// on their class. The framework's plain controls stand here until the
// skinned ones take their place.

#include "skin/controls/message/SeMessageTypes.h"
#include "ui/stdctrls/ButtonControl.h"
#include "ui/stdctrls/CheckBox.h"
#include "ui/stdctrls/Edit.h"
#include "ui/stdctrls/Label.h"

using TSeMessageButton = TButtonControl;
using TSeMessageLabel = TLabel;
using TSeMessageCheckBox = TCheckBox;
using TSeMessageEdit = TEdit;

namespace brio {

// The stock kind of `button` (caption, result and glyph come with it), then
// the table's caption and result over it, and no glyph unless wanted.
void setMessageButtonKind(TSeMessageButton& control, TMsgDlgBtn button, bool showGlyph);
void setMessageButtonTransparent(TSeMessageButton& control);
// A word-wrapping, see-through label that shows '&' as it is.
void setMessageLabelStyle(TSeMessageLabel& label);

} // namespace brio
