#pragma once
// The colours of the themed parts, worked out from the current system
// colours so that the flat look follows whichever scheme is selected: light
// schemes lift controls towards white, dark ones only a little, so that a
// control stands off its face without glaring. Internal to the theme.

#include "platform/WinTypes.h"

namespace brio::theme {

struct ThemeColors {
    bool light = true; // the face is light
    COLORREF face, text, grayText, window, windowText, accent, accentText;
    COLORREF menu, menuText, menuBar;
    COLORREF caption, captionText, inactiveCaption, inactiveCaptionText, outline, activeBorder, inactiveBorder;
    // Derived tones.
    COLORREF control, controlHot, controlPressed;
    COLORREF border, borderHot, borderDisabled;
    COLORREF track, trackHot, trackPressed, thumb, thumbHot;
    COLORREF groupBackground, captionButtonHot, captionButtonPressed;
};

ThemeColors CurrentThemeColors();

// `amount` of the way from `from` to `to`, per channel (0..1).
COLORREF MixColor(COLORREF from, COLORREF to, double amount);
// Relative luminance (0 black .. 1 white) and the contrast ratio of two
// colours (1 .. 21), as accessibility guidelines define them.
double RelativeLuminance(COLORREF c);
double ContrastRatio(COLORREF a, COLORREF b);

} // namespace brio::theme
