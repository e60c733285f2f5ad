#include "skin/controls/message/SeMessageParts.h"

namespace brio {

void setMessageButtonKind(TSeMessageButton& control, TMsgDlgBtn button, bool showGlyph)
{
    const MessageButtonInfo& info = messageButtonInfo(button);
    control.SetKind(info.kind);
    control.SetCaption(info.caption);
    control.SetModalResult(info.result);
    if (!showGlyph)
        control.SetGlyph(nullptr);
}

void setMessageButtonTransparent(TSeMessageButton& control)
{
    control.SetTransparent(true);
}

void setMessageLabelStyle(TSeMessageLabel& label)
{
    label.SetAutoSize(false);
    label.SetWordWrap(true);
    label.SetTransparent(true);
    label.SetShowAccelChar(false);
}

} // namespace brio
