// The message box layout on its own: margins, the icon beside the text,
// one centred row of buttons, mirroring, and which buttons Enter and
// Escape press.

#include "skin/controls/message/SeMessageLayout.h"

#include "ui/graphics/Font.h"

#include "platform/gdi/MeasuringDc.h"

#include <gtest/gtest.h>

namespace {

using namespace brio;

bool overlaps(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const RECT& r, SIZE client)
{
    return r.left >= 0 && r.top >= 0 && r.right <= client.cx && r.bottom <= client.cy;
}

MessageLayoutRequest request(SIZE text, bool icon, TMsgDlgButtons buttons)
{
    std::array<int, kMessageButtonCount> widths{};
    widths.fill(30);
    MessageLayoutRequest r;
    r.metrics = messageMetrics(SIZE{6, 13}, 14, buttons, widths);
    r.text = text;
    r.icon = icon;
    r.buttons = buttons;
    return r;
}

TEST(MessageLayout, DialogUnitsRoundAsMultiplyDivide)
{
    std::array<int, kMessageButtonCount> widths{};
    const MessageMetrics m = messageMetrics(SIZE{6, 13}, 14, {mbOK}, widths);
    // 30*6/4 = 45, 15*13/8 = 24.4, 10*6/4 = 15, 10*13/8 = 16.25, 50*6/4 = 75, 14*13/8 = 22.75, 4*6/4 = 6.
    EXPECT_EQ(m.horzMargin, 45);
    EXPECT_EQ(m.vertMargin, 24);
    EXPECT_EQ(m.horzSpacing, 15);
    EXPECT_EQ(m.vertSpacing, 16);
    EXPECT_EQ(m.buttonWidth, 75);
    EXPECT_EQ(m.buttonHeight, 23);
    EXPECT_EQ(m.buttonGap, 6);
    EXPECT_EQ(messageMetrics(SIZE{6, 13}, 17, {mbOK}, widths).buttonHeight, 28);
}

TEST(MessageLayout, OnlyPresentCaptionsWidenTheButtons)
{
    std::array<int, kMessageButtonCount> widths{};
    widths[mbYesToAll] = 120;
    EXPECT_EQ(messageMetrics(SIZE{6, 13}, 14, {mbYes, mbNo}, widths).buttonWidth, 75);
    EXPECT_EQ(messageMetrics(SIZE{6, 13}, 14, {mbYes, mbYesToAll}, widths).buttonWidth, 128);
}

TEST(MessageLayout, PartsStayInsideAndApart)
{
    for (bool icon : {false, true}) {
        for (SIZE text : {SIZE{10, 13}, SIZE{300, 13}, SIZE{640, 91}}) {
            for (TMsgDlgButtons buttons : {TMsgDlgButtons{mbOK}, TMsgDlgButtons{mbYes, mbNo, mbCancel},
                                           TMsgDlgButtons{mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore,
                                                          mbAll, mbNoToAll, mbYesToAll, mbHelp}}) {
                SCOPED_TRACE(testing::Message() << "icon " << icon << " text " << text.cx << "x" << text.cy);
                const MessageLayoutRequest req = request(text, icon, buttons);
                const MessageLayout layout = layoutMessage(req);
                ASSERT_TRUE(inside(layout.text, layout.client));
                EXPECT_EQ(layout.text.right - layout.text.left, text.cx);
                EXPECT_EQ(layout.icon.has_value(), icon);
                if (layout.icon) {
                    EXPECT_TRUE(inside(*layout.icon, layout.client));
                    EXPECT_FALSE(overlaps(*layout.icon, layout.text));
                    EXPECT_EQ(layout.icon->left, req.metrics.horzMargin);
                }
                // One row, in the table's order, centred, below the text block.
                ASSERT_FALSE(layout.buttons.empty());
                const RECT first = layout.buttons.front().bounds;
                const RECT last = layout.buttons.back().bounds;
                EXPECT_LE(std::abs(first.left - (layout.client.cx - last.right)), 1);
                for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
                    const RECT& b = layout.buttons[i].bounds;
                    EXPECT_TRUE(inside(b, layout.client));
                    EXPECT_FALSE(overlaps(b, layout.text));
                    EXPECT_EQ(b.top, first.top);
                    if (i > 0) {
                        EXPECT_LT(layout.buttons[i - 1].button, layout.buttons[i].button);
                        EXPECT_EQ(b.left, layout.buttons[i - 1].bounds.right + req.metrics.buttonGap);
                    }
                }
                EXPECT_EQ(layout.client.cy - last.bottom, req.metrics.vertMargin);
            }
        }
    }
}

TEST(MessageLayout, TextStartsAtTheMarginWithoutAnIconAndAfterItWithOne)
{
    const MessageLayoutRequest plain = request(SIZE{300, 13}, false, {mbOK});
    EXPECT_EQ(layoutMessage(plain).text.left, plain.metrics.horzMargin);
    const MessageLayoutRequest withIcon = request(SIZE{300, 13}, true, {mbOK});
    const MessageLayout layout = layoutMessage(withIcon);
    EXPECT_EQ(layout.text.left, withIcon.metrics.horzMargin + kMessageIconSize + withIcon.metrics.horzSpacing);
    // A short text still leaves room for the whole icon above the buttons.
    const MessageLayout shortText = layoutMessage(request(SIZE{40, 13}, true, {mbOK}));
    EXPECT_GE(shortText.buttons.front().bounds.top, shortText.icon->bottom);
}

TEST(MessageLayout, RightToLeftMirrorsIconAndText)
{
    MessageLayoutRequest req = request(SIZE{200, 26}, true, {mbYes, mbNo});
    const MessageLayout ltr = layoutMessage(req);
    req.rightToLeft = true;
    const MessageLayout rtl = layoutMessage(req);
    ASSERT_EQ(rtl.client.cx, ltr.client.cx);
    EXPECT_EQ(rtl.text.left, ltr.client.cx - ltr.text.right);
    EXPECT_EQ(rtl.icon->right, ltr.client.cx - ltr.icon->left);
    EXPECT_FALSE(overlaps(*rtl.icon, rtl.text));
}

TEST(MessageLayout, DefaultAndCancelAreOnlyButtonsThatArePresent)
{
    struct Case {
        TMsgDlgButtons buttons;
        std::optional<TMsgDlgBtn> enter;
        std::optional<TMsgDlgBtn> escape;
    };
    const Case cases[] = {
        {{mbOK}, mbOK, mbOK},
        {{mbYes, mbNo}, mbYes, mbNo},
        {{mbYes, mbNo, mbCancel}, mbYes, mbCancel},
        {{mbOK, mbCancel}, mbOK, mbCancel},
        {{mbAbort, mbRetry, mbIgnore}, mbRetry, std::nullopt},
        {{mbRetry, mbCancel}, mbRetry, mbCancel},
        {{mbAbort, mbIgnore}, std::nullopt, std::nullopt},
        {{mbYesToAll, mbNoToAll}, std::nullopt, std::nullopt},
        {{}, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buttons.Bits());
        EXPECT_EQ(messageDefaultButton(c.buttons), c.enter);
        EXPECT_EQ(messageCancelButton(c.buttons), c.escape);
    }
}

TEST(MessageLayout, TextWiderThanTheLimitWrapsThere)
{
    TFont font;
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "word" + std::to_string(i) + " ";
    const SIZE oneLine = measureMessageText(font.Handle(), "word0", 10000, false);
    const SIZE wrapped = measureMessageText(font.Handle(), text, 300, false);
    EXPECT_LE(wrapped.cx, 300);
    EXPECT_GT(wrapped.cx, 250);
    EXPECT_GE(wrapped.cy, 3 * oneLine.cy);
    // A short text keeps its own width rather than the width it may take.
    const MeasuringDc dc(font.Handle());
    EXPECT_EQ(measureMessageText(font.Handle(), "Saved.", 640, false).cx, dc.textExtent("Saved.").cx);
    EXPECT_EQ(measureMessageText(font.Handle(), "Saved.\nReally.", 640, false).cy, 2 * oneLine.cy);
    // One word longer than the limit does not widen the box past it.
    const SIZE longWord = measureMessageText(font.Handle(), std::string(200, 'W'), 300, false);
    EXPECT_EQ(longWord.cx, 300);
}

TEST(MessageLayout, CaptionWidthsIgnoreTheAcceleratorAndFollowTheFont)
{
    TFont font;
    const int yes = messageCaptionWidth(font.Handle(), mbYes);
    EXPECT_EQ(yes, MeasuringDc(font.Handle()).textExtent("Yes").cx);
    EXPECT_EQ(messageCaptionWidth(font.Handle(), mbYes), yes);
    EXPECT_LT(yes, messageCaptionWidth(font.Handle(), mbYesToAll));
    TFont large;
    large.SetHeight(-24);
    EXPECT_GT(messageCaptionWidth(large.Handle(), mbYes), yes);
}

} // namespace
