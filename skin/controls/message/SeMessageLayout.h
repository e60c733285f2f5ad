#pragma once
// Where everything of a message box goes: sizes in dialog units of the
// button font, the message wrapped at half the screen, the icon, and the
// buttons centred in one row below. Pure arithmetic on measured sizes, so
// the message form and its tests share it.

#include "skin/controls/message/SeMessageTypes.h"

#include "platform/Gdi.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brio {

constexpr int kMessageIconSize = 32;

// The average letter width and the line height of a font.
SIZE messageDialogUnits(HFONT font);
// The wrapped size of the message, at most `maxWidth` wide: a single word
// wider than that is cut by the label rather than widen the box.
SIZE measureMessageText(HFONT font, const std::string& text, int maxWidth, bool rightToLeft);
// The width of a button caption without its '&', measured once per font
// and kept for the life of the process.
int messageCaptionWidth(HFONT font, TMsgDlgBtn button);

struct MessageMetrics {
    int horzMargin = 0;
    int vertMargin = 0;
    int horzSpacing = 0;
    int vertSpacing = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int buttonGap = 0;
};

// `buttonHeightUnit` is 17 with a visual theme, 14 without; the buttons are
// as wide as the widest caption of `buttons` plus 8, and at least 50 units.
MessageMetrics messageMetrics(SIZE units, int buttonHeightUnit, TMsgDlgButtons buttons,
                              const std::array<int, kMessageButtonCount>& captionWidths);

struct MessageLayoutRequest {
    MessageMetrics metrics;
    SIZE text{};
    bool icon = false;
    bool rightToLeft = false;
    TMsgDlgButtons buttons;
};

struct MessageButtonPlace {
    TMsgDlgBtn button;
    RECT bounds;
};

struct MessageLayout {
    SIZE client{};
    std::optional<RECT> icon;
    RECT text{};
    std::vector<MessageButtonPlace> buttons;
};

MessageLayout layoutMessage(const MessageLayoutRequest& request);

// Enter presses OK, else Yes, else Retry; Escape presses Cancel, else No,
// else OK. Only a button the box carries is chosen.
std::optional<TMsgDlgBtn> messageDefaultButton(TMsgDlgButtons buttons);
std::optional<TMsgDlgBtn> messageCancelButton(TMsgDlgButtons buttons);

} // namespace brio
