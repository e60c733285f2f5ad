#include "skin/controls/message/SeMessageLayout.h"

#include "skin/controls/hints/SeWrappedText.h"

#include "platform/gdi/MeasuringDc.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace brio {

namespace {

// Caption widths are kept per font description, so a box with another
// button font does not reuse widths measured in the first one.
using FontKey = std::tuple<std::string, LONG, LONG, BYTE, BYTE>;

FontKey fontKey(HFONT font)
{
    LOGFONT lf{};
    GetObject(font, sizeof lf, &lf);
    return {std::string(lf.lfFaceName), lf.lfHeight, lf.lfWeight, lf.lfItalic, lf.lfCharSet};
}

std::optional<TMsgDlgBtn> firstPresent(TMsgDlgButtons buttons, std::initializer_list<TMsgDlgBtn> order)
{
    for (TMsgDlgBtn b : order)
        if (buttons.Contains(b))
            return b;
    return std::nullopt;
}

} // namespace

SIZE messageDialogUnits(HFONT font)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const SIZE run = MeasuringDc(font).textExtent(kLetters);
    return SIZE{run.cx / 52, run.cy};
}

SIZE measureMessageText(HFONT font, const std::string& text, int maxWidth, bool rightToLeft)
{
    UINT format = DT_EXPANDTABS | DT_NOPREFIX;
    if (rightToLeft)
        format |= DT_RTLREADING;
    const SIZE size = wrappedTextSize(MeasuringDc(font).get(), text, maxWidth, format);
    return SIZE{std::min<LONG>(size.cx, maxWidth), size.cy};
}

int messageCaptionWidth(HFONT font, TMsgDlgBtn button)
{
    static std::map<FontKey, std::array<int, kMessageButtonCount>> measured;
    const FontKey key = fontKey(font);
    auto found = measured.find(key);
    if (found == measured.end()) {
        std::array<int, kMessageButtonCount> widths{};
        MeasuringDc dc(font);
        for (int b = 0; b < kMessageButtonCount; ++b) {
            const RECT r = dc.textRect(messageButtonInfo(TMsgDlgBtn(b)).caption, RECT{0, 0, 0, 0},
                                       DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
            widths[std::size_t(b)] = r.right - r.left;
        }
        found = measured.emplace(key, widths).first;
    }
    return found->second[std::size_t(button)];
}

MessageMetrics messageMetrics(SIZE units, int buttonHeightUnit, TMsgDlgButtons buttons,
                              const std::array<int, kMessageButtonCount>& captionWidths)
{
    const int x = units.cx;
    const int y = units.cy;
    MessageMetrics m;
    m.horzMargin = MulDiv(30, x, 4);
    m.vertMargin = MulDiv(15, y, 8);
    m.horzSpacing = MulDiv(10, x, 4);
    m.vertSpacing = MulDiv(10, y, 8);
    m.buttonWidth = MulDiv(50, x, 4);
    for (int b = 0; b < kMessageButtonCount; ++b)
        if (buttons.Contains(TMsgDlgBtn(b)))
            m.buttonWidth = std::max(m.buttonWidth, captionWidths[std::size_t(b)] + 8);
    m.buttonHeight = MulDiv(buttonHeightUnit, y, 8);
    m.buttonGap = MulDiv(4, x, 4);
    return m;
}

MessageLayout layoutMessage(const MessageLayoutRequest& request)
{
    const MessageMetrics& m = request.metrics;
    MessageLayout layout;

    int blockWidth = request.text.cx;
    int blockHeight = request.text.cy;
    if (request.icon) {
        blockWidth += m.horzSpacing + kMessageIconSize;
        blockHeight = std::max(blockHeight, kMessageIconSize);
    }

    int count = 0;
    for (int b = 0; b < kMessageButtonCount; ++b)
        count += request.buttons.Contains(TMsgDlgBtn(b)) ? 1 : 0;
    const int rowWidth = count > 0 ? count * m.buttonWidth + (count - 1) * m.buttonGap : 0;

    layout.client.cx = std::max(blockWidth, rowWidth) + 2 * m.horzMargin;
    layout.client.cy = blockHeight + m.buttonHeight + m.vertSpacing + 2 * m.vertMargin;

    auto mirrored = [&](RECT r) {
        if (!request.rightToLeft)
            return r;
        const int width = r.right - r.left;
        r.left = layout.client.cx - r.right;
        r.right = r.left + width;
        return r;
    };

    if (request.icon)
        layout.icon = mirrored(RECT{m.horzMargin, m.vertMargin, m.horzMargin + kMessageIconSize,
                                    m.vertMargin + kMessageIconSize});
    // The text ends where the block ends, after the icon.
    const int textLeft = blockWidth - request.text.cx + m.horzMargin;
    layout.text = mirrored(RECT{textLeft, m.vertMargin, textLeft + request.text.cx, m.vertMargin + request.text.cy});

    int x = (layout.client.cx - rowWidth) / 2;
    const int y = blockHeight + m.vertMargin + m.vertSpacing;
    for (int b = 0; b < kMessageButtonCount; ++b) {
        if (!request.buttons.Contains(TMsgDlgBtn(b)))
            continue;
        layout.buttons.push_back({TMsgDlgBtn(b), RECT{x, y, x + m.buttonWidth, y + m.buttonHeight}});
        x += m.buttonWidth + m.buttonGap;
    }
    return layout;
}

std::optional<TMsgDlgBtn> messageDefaultButton(TMsgDlgButtons buttons)
{
    return firstPresent(buttons, {mbOK, mbYes, mbRetry});
}

std::optional<TMsgDlgBtn> messageCancelButton(TMsgDlgButtons buttons)
{
    return firstPresent(buttons, {mbCancel, mbNo, mbOK});
}

} // namespace brio
