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
        {"Yes", "&Yes", bkYes, mrYes},
        {"No", "&No", bkNo, mrNo},
        {"OK", "OK", bkOK, mrOk},
        {"Cancel", "Cancel", bkCancel, mrCancel},
        {"Abort", "&Abort", bkAbort, mrAbort},
        {"Retry", "&Retry", bkRetry, mrRetry},
        {"Ignore", "&Ignore", bkIgnore, mrIgnore},
        {"All", "&All", bkAll, mrAll},
        {"NoToAll", "N&o to All", bkNo, mrNoToAll},
        {"YesToAll", "Yes to &All", bkYes, mrYesToAll},
        {"Help", "&Help", bkHelp, mrNone},
    };
    return kButtons[button <= mbHelp ? button : mbOK];
}

} // namespace brio
