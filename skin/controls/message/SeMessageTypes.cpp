#include "skin/controls/message/SeMessageTypes.h"

#include "platform/Gdi.h"

namespace brio {

const MessageTypeInfo& messageTypeInfo(TMsgDlgType type)
{
    static const MessageTypeInfo kTypes[] = {
        {"Warning", IDI_EXCLAMATION},
        {"Error", IDI_HAND},
        {"Information", IDI_ASTERISK},
        {"Confirm", IDI_QUESTION},
        {nullptr, nullptr},
    };
    return kTypes[type <= mtCustom ? type : mtCustom];
}

const MessageButtonInfo& messageButtonInfo(TMsgDlgBtn button)
{
    static const MessageButtonInfo kButtons[kMessageButtonCount] = {
        {"Yes", "&Yes", mrYes},
        {"No", "&No", mrNo},
        {"OK", "OK", mrOk},
        {"Cancel", "Cancel", mrCancel},
        {"Abort", "&Abort", mrAbort},
        {"Retry", "&Retry", mrRetry},
        {"Ignore", "&Ignore", mrIgnore},
        {"All", "&All", mrAll},
        {"NoToAll", "N&o to All", mrNoToAll},
        {"YesToAll", "Yes to &All", mrYesToAll},
        {"Help", "&Help", mrNone},
    };
    return kButtons[button <= mbHelp ? button : mbOK];
}

} // namespace brio
