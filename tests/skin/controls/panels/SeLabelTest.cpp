// The label: auto-size round its measured caption, the accelerator, the
// disabled look, and what the skinned label takes from its skin.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "platform/gdi/MeasuringDc.h"
#include "skin/controls/panels/SeCustomPanel.h"
#include "skin/controls/panels/SeSkinLabel.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinSource.h"
#include "ui/graphics/Font.h"

namespace {

using controlstest::ControlsTest;
using controlstest::Shape;

class Label : public ControlsTest {
protected:
    SIZE textSize(const std::string& text, TFont* font)
    {
        const brio::MeasuringDc dc(font->Handle());
        return dc.textExtent(text);
    }
};

TEST_F(Label, RightAlignedAutoSizeKeepsItsRightEdgeThroughCaptionAndFontChanges)
{
    auto* label = add<TSeCustomLabel>(form, 200, 10, 65, 17);
    label->SetAlignment(taRightJustify);
    label->SetCaption("x");
    const int right = label->Left() + label->Width();
    label->SetCaption("a much longer caption");
    EXPECT_EQ(label->Width(), textSize("a much longer caption", label->Font()).cx);
    EXPECT_EQ(label->Left() + label->Width(), right);
    label->Font()->SetSize(label->Font()->Size() * 2);
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_EQ(label->Height(), textSize("a", label->Font()).cy);

    auto* left = add<TSeCustomLabel>(form, 20, 40, 65, 17);
    left->SetCaption("grows to the right");
    EXPECT_EQ(left->Left(), 20);
}

TEST_F(Label, EmptyCaptionIsMeasuredAsOneSpace)
{
    auto* label = add<TSeCustomLabel>(form, 10, 10, 65, 17);
    label->SetCaption("");
    const SIZE space = textSize(" ", label->Font());
    EXPECT_EQ(label->Width(), space.cx);
    EXPECT_EQ(label->Height(), space.cy);
    label->SetCaption("&");
    EXPECT_EQ(label->Width(), space.cx) << "a lone accelerator mark shows nothing";
    label->SetShowAccelChar(false);
    EXPECT_EQ(label->Width(), textSize("&", label->Font()).cx);
    label->SetWordWrap(true);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), space.cy);
}

TEST_F(Label, AcceleratorFocusesFocusControlOnlyWhenEnabledAndShown)
{
    auto* label = add<TSeCustomLabel>(form, 10, 10, 65, 17);
    label->SetCaption("&Volume");
    auto* first = add<TSeCustomPanel>(form, 10, 40, 50, 50);
    auto* target = add<TSeCustomPanel>(form, 70, 40, 50, 50);
    first->SetTabStop(true);
    target->SetTabStop(true);
    label->SetFocusControl(target);
    first->SetFocus();
    pump();
    pressWith(VK_MENU, 'V');
    EXPECT_TRUE(target->Focused());

    first->SetFocus();
    label->SetEnabled(false);
    pressWith(VK_MENU, 'V');
    EXPECT_TRUE(first->Focused());
    label->SetEnabled(true);
    label->SetShowAccelChar(false);
    pressWith(VK_MENU, 'V');
    EXPECT_TRUE(first->Focused());
    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr);
    label->SetShowAccelChar(true);
    pressWith(VK_MENU, 'V');
    EXPECT_TRUE(first->Focused());
}

TEST_F(Label, DisabledTextIsEmbossedAndTheParentShowsThrough)
{
    form->SetColor(TColor(0x204060));
    auto* label = add<TSeCustomLabel>(form, 10, 10, 65, 17);
    label->SetCaption("WWW");
    pump();
    int parent = 0, text = 0;
    for (COLORREF c : pixels(label)) {
        parent += c == COLORREF(0x204060);
        text += c == ColorToRGB(label->Font()->Color());
    }
    EXPECT_GT(parent, 0) << "transparent: the form's colour between the letters";
    EXPECT_GT(text, 0);
    label->SetEnabled(false);
    pump();
    int light = 0, shadow = 0;
    for (COLORREF c : pixels(label)) {
        light += c == ColorToRGB(clBtnHighlight);
        shadow += c == ColorToRGB(clBtnShadow);
    }
    EXPECT_GT(light, 0);
    EXPECT_GT(shadow, 0);
}

TEST_F(Label, SkinnedLabelTakesColourAndFontOnlyFromALabelObject)
{
    auto* label = add<TSeSkinLabel>(form, 10, 10, 65, 17);
    label->SetColor(TColor(0x112233));
    label->Font()->SetColor(TColor(0x0000FF));
    label->Font()->SetName("DejaVu Serif");
    TSeSkinEngine* withoutLabel = engineWith({Shape{"Panel", 10, 10}});
    label->SetSkinEngine(withoutLabel);
    EXPECT_FALSE(label->Skin() != nullptr);
    EXPECT_EQ(label->Color(), TColor(0x112233));
    EXPECT_EQ(label->Font()->Color(), TColor(0x0000FF));
    EXPECT_EQ(label->Font()->Name(), "DejaVu Serif");

    Shape skinLabel{"Label", 10, 10, TColor(0x445566)};
    TSeSkinEngine* withLabel = engineWith({skinLabel});
    auto* object = withLabel->Source()->GetObjectByName("Label");
    object->Font()->SetColor(TColor(0x00C0F0));
    object->Font()->SetName("DejaVu Sans");
    label->SetSkinEngine(withLabel);
    EXPECT_TRUE(label->Skin() != nullptr);
    EXPECT_EQ(label->Color(), TColor(0x445566));
    EXPECT_EQ(label->Font()->Color(), TColor(0x00C0F0));
    EXPECT_EQ(label->Font()->Name(), "DejaVu Sans");
}

} // namespace
