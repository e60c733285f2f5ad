// Modifier keys and buttons as the controls' events report them.

#include "tests/support/UiTestSupport.h"

#include "ui/control/ShiftState.h"

namespace {

using uitest::UiTest;

// Key state follows the messages handled, so a focused form takes them.
class ShiftState : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        makeForm()->Show();
        // An earlier test may have left a modifier down.
        for (int key : {VK_MENU, VK_CONTROL, VK_SHIFT})
            backend().keyUp(key);
        pump();
    }
};

TEST_F(ShiftState, ButtonsAndModifiersFromMouseMessageFlags)
{
    EXPECT_EQ(KeysToShiftState(0), TShiftState{});
    EXPECT_EQ(KeysToShiftState(MK_SHIFT | MK_LBUTTON), (TShiftState{ssShift, ssLeft}));
    EXPECT_EQ(KeysToShiftState(MK_CONTROL | MK_RBUTTON | MK_MBUTTON), (TShiftState{ssCtrl, ssRight, ssMiddle}));
    backend().keyDown(VK_MENU);
    pump();
    EXPECT_EQ(KeysToShiftState(MK_LBUTTON), (TShiftState{ssAlt, ssLeft})) << "Alt has no flag: read from the keyboard";
    backend().keyUp(VK_MENU);
    pump();
}

TEST_F(ShiftState, ModifiersFromTheKeyboardAlone)
{
    EXPECT_EQ(KeyboardStateToShiftState(), TShiftState{});
    backend().keyDown(VK_SHIFT);
    backend().keyDown(VK_CONTROL);
    pump();
    EXPECT_EQ(KeyboardStateToShiftState(), (TShiftState{ssShift, ssCtrl}));
    backend().keyDown(VK_MENU);
    pump();
    EXPECT_EQ(KeyboardStateToShiftState(), (TShiftState{ssShift, ssCtrl, ssAlt}));
    for (int key : {VK_MENU, VK_CONTROL, VK_SHIFT})
        backend().keyUp(key);
    pump();
    EXPECT_EQ(KeyboardStateToShiftState(), TShiftState{});
}

} // namespace
