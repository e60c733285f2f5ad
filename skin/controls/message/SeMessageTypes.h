#pragma once
// The kinds of message and the buttons a message box can carry, with the
// caption, icon, name and result each one gives the box.

#include "skin/controls/buttons/SeButtonTypes.h"

#include "platform/Gdi.h"
#include "ui/component/Set.h"
#include "ui/component/Types.h"

#include <cstdint>

enum TMsgDlgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
// In the order the buttons stand in the box, left to right.
enum TMsgDlgBtn : std::uint8_t { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

namespace brio {

constexpr int kMessageButtonCount = int(mbHelp) + 1;

struct MessageTypeInfo {
    const char* caption; // null: the application title
    LPCSTR icon;         // null: no icon
};

struct MessageButtonInfo {
    const char* name;
    const char* caption;
    TBitBtnKind kind;
    TModalResult result;
};

const MessageTypeInfo& messageTypeInfo(TMsgDlgType type);
const MessageButtonInfo& messageButtonInfo(TMsgDlgBtn button);

} // namespace brio
