#include "platform/WinUserMessages.h"
#include "ui/component/ShortCut.h"

#include <gtest/gtest.h>

TEST(ShortCut, TextForKeysAndModifiers)
{
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, {ssAlt})), "Alt+F4");
    EXPECT_EQ(ShortCutToText(ShortCut('S', {ssCtrl})), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, {ssShift})), "Shift+Del");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F1, {})), "F1");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_RETURN, {ssCtrl})), "Ctrl+Enter");
    EXPECT_EQ(ShortCutToText(ShortCut('Z', {ssAlt, ssCtrl, ssShift})), "Shift+Ctrl+Alt+Z");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_OEM_1, {ssCtrl})), "Ctrl+;");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_ADD, {})), "Num +");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, {ssLeft, ssDouble})), "F4") << "only keyboard modifiers count";
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl | 0xE8), "") << "a key without a name";
}

TEST(ShortCut, TextRoundTripsForEveryNamedKey)
{
    int named = 0;
    for (int key = 1; key <= 0xFF; ++key)
        for (TShortCut mods : {TShortCut(0), scShift, scCtrl, scAlt, TShortCut(scCtrl | scShift)}) {
            TShortCut shortCut = TShortCut(key | mods);
            std::string text = ShortCutToText(shortCut);
            if (text.empty())
                continue;
            ++named;
            EXPECT_EQ(TextToShortCut(text), shortCut) << text;
        }
    EXPECT_GT(named, 5 * 90);
}

TEST(ShortCut, ParsingIgnoresCaseAndRefusesUnknownNames)
{
    EXPECT_EQ(TextToShortCut("ctrl+s"), ShortCut('S', {ssCtrl}));
    EXPECT_EQ(TextToShortCut("ALT+f4"), ShortCut(VK_F4, {ssAlt}));
    EXPECT_EQ(TextToShortCut("Alt+Shift+Home"), ShortCut(VK_HOME, {ssAlt, ssShift}));
    EXPECT_EQ(TextToShortCut("Num +"), ShortCut(VK_ADD, {}));
    EXPECT_EQ(TextToShortCut(""), scNone);
    EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(TextToShortCut("Ctrl+Banana"), scNone);
    EXPECT_EQ(TextToShortCut("Hyper+S"), scNone);

    std::uint16_t key = 0;
    TShiftState shift;
    ShortCutToKey(ShortCut(VK_F4, {ssAlt, ssShift}), key, shift);
    EXPECT_EQ(key, VK_F4);
    EXPECT_EQ(shift, (TShiftState{ssAlt, ssShift}));
}
