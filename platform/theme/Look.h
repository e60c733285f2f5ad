#pragma once
// "The look": one place a control asks for a part (a push button, a scroll
// arrow, a panel head) in a state. When themes are active the part comes
// from the visual styles; otherwise from the classic painters (DrawEdge,
// DrawFrameControl, the dithered scroll track). Controls never choose
// between the two themselves.

#include "platform/Gdi.h"

#include <cstdint>
#include <string_view>

namespace brio {

enum class LookPart : std::uint8_t {
    PushButton, CheckBox, RadioButton, GroupBox,
    ScrollArrowUp, ScrollArrowDown, ScrollArrowLeft, ScrollArrowRight,
    ScrollThumbHorz, ScrollThumbVert, ScrollTrackHorz, ScrollTrackVert,
    EditFrame,
    TrackChannel, TrackChannelVert,
    TrackThumb, TrackThumbDown, TrackThumbUp, TrackThumbVert, TrackThumbLeft, TrackThumbRight,
    PanelBody, PanelHead, PanelClose, PanelCollapse, PanelExpand,
    MenuPopup, MenuItem, MenuSeparator, MenuCheck, MenuBullet, MenuSubmenu,
    CaptionClose, CaptionMinimize, CaptionMaximize, CaptionRestore, CaptionHelp,
};
inline constexpr int kLookPartCount = int(LookPart::CaptionHelp) + 1;

struct LookState {
    bool hot = false;
    bool pressed = false;
    bool disabled = false;
    bool focused = false;
    bool checked = false;
    bool mixed = false;     // check boxes: the third state
    bool defaulted = false; // push buttons: the default button
};

// Whether parts come themed (themes active for the program).
bool LookThemed();
void DrawLookPart(HDC dc, LookPart part, const LookState& state, const RECT& r);
// The colour the part's text takes in that state, and the text drawn in it
// (DT_* format, the DC's font, transparent background).
COLORREF LookTextColor(LookPart part, const LookState& state);
void DrawLookText(HDC dc, LookPart part, const LookState& state, std::string_view text, const RECT& r, UINT format);
std::string_view LookPartName(LookPart part);

} // namespace brio
