#include "skin/controls/message/SeMessageParts.h"

namespace brio {

void setMessageButtonKind(TSeMessageButton& control, TMsgDlgBtn button, bool)
{
    const MessageButtonInfo& info = messageButtonInfo(button);
    control.SetCaption(info.caption);
    control.SetModalResult(info.result);
}

void setMessageButtonTransparent(TSeMessageButton&) {}

void setMessageLabelStyle(TSeMessageLabel& label)
{
    label.SetAutoSize(false);
    label.SetWordWrap(true);
    label.SetTransparent(true);
    label.SetShowAccelChar(false);
}

} // namespace brio
