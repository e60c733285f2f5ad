// The captioned panel: its client area, rolling up and down (also animated
// and with the parent following), the caption button, the stored normal
// height, and the skinned panel's caption height.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "platform/UxTheme.h"
#include "skin/controls/panels/SeSkinPanel.h"
#include "skin/engine/SeSkinEngine.h"
#include "ui/component/Stream.h"

namespace {

using controlstest::ControlsTest;
using controlstest::Shape;
using uitest::EventLog;

// Holds what DefineProperties offers, as a form writer or reader would.
struct CapturingFiler : TFiler {
    std::string name;
    std::function<void(TStream&)> read, write;
    void DefineBinaryProperty(const std::string& n, std::function<void(TStream&)> r, std::function<void(TStream&)> w,
                              bool) override
    {
        name = n;
        read = std::move(r);
        write = std::move(w);
    }
};

class Panel : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        panel = add<TSeCustomPanel>(form, 10, 10, 200, 150);
        pump();
    }
    void TearDown() override
    {
        EnableTheming(TRUE);
        ControlsTest::TearDown();
    }
    void clickAt(TControl* c, int x, int y)
    {
        const TPoint p = c->ClientToScreen(TPoint{x, y});
        backend().click(p.x, p.y);
        pump();
    }
    TPoint buttonCentre() const
    {
        const RECT b = panel->GetButtonRect();
        return TPoint{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }

    TSeCustomPanel* panel = nullptr;
};

TEST_F(Panel, ChildrenFillTheAreaInsideBorderBevelAndCaptionInBothPlainLooks)
{
    auto* child = add<TSeCustomPanel>(panel, 0, 0, 10, 10);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), (RECT{4, 24, 196, 146}));
    EnableTheming(FALSE);
    panel->Realign();
    EXPECT_EQ(panel->GetCaptionRect(), (RECT{1, 1, 199, 21})) << "classic: the caption sits inside the bevel";
    EXPECT_EQ(child->BoundsRect(), (RECT{4, 24, 196, 146}));
    panel->SetShowCaption(false);
    EXPECT_EQ(child->BoundsRect(), (RECT{4, 4, 196, 146}));
    EXPECT_TRUE(IsEmpty(panel->GetButtonRect())) << "no caption bar, no button";
}

TEST_F(Panel, RollsUpToItsCaptionBarAndBackAndIgnoresItsCurrentValue)
{
    EventLog log;
    panel->OnBeforeRoll = log.notify("before");
    panel->OnRollup = log.notify("rollup");
    panel->SetRolled(true);
    EXPECT_EQ(panel->Height(), 22);
    EXPECT_EQ(panel->NormalHeight(), 150);
    panel->SetRolled(true);
    EXPECT_EQ(panel->NormalHeight(), 150) << "a second roll up must not forget the normal height";
    panel->SetBounds(10, 10, 240, 300);
    EXPECT_EQ(panel->Height(), 22) << "a rolled panel keeps its height";
    EXPECT_EQ(panel->Width(), 240);
    panel->SetRolled(false);
    EXPECT_EQ(panel->Height(), 150);
    panel->SetRolled(false);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"before", "rollup", "before", "rollup"}));
}

TEST_F(Panel, AnimatedRollPassesEveryMultipleOfFourAndTheParentFollows)
{
    auto* holder = add<TSeCustomPanel>(form, 220, 10, 60, 90);
    holder->SetShowCaption(false);
    auto* inner = add<TSeCustomPanel>(holder, 0, 0, 60, 90);
    inner->SetAnimateRoll(true);
    inner->SetParentRoll(true);
    std::vector<int> heights;
    inner->OnResize = [&](TObject*) { heights.push_back(inner->Height()); };
    inner->SetRolled(true);
    std::vector<int> up;
    for (int h = 88; h >= 24; h -= 4)
        up.push_back(h);
    up.push_back(22);
    EXPECT_EQ(heights, up);
    EXPECT_EQ(holder->Height(), 22);
    heights.clear();
    inner->SetRolled(false);
    std::vector<int> down;
    for (int h = 24; h <= 88; h += 4)
        down.push_back(h);
    down.push_back(90);
    EXPECT_EQ(heights, down);
    EXPECT_EQ(holder->Height(), 90);
}

TEST_F(Panel, NormalHeightRoundTripsAsFourLittleEndianBytes)
{
    panel->SetRolled(true);
    CapturingFiler filer;
    panel->DefineProperties(filer);
    ASSERT_EQ(filer.name, "NormalHeight");
    TMemoryStream stored;
    filer.write(stored);
    ASSERT_EQ(stored.Size(), 4);
    EXPECT_EQ(std::vector<unsigned char>(stored.Memory(), stored.Memory() + 4),
              (std::vector<unsigned char>{150, 0, 0, 0}));

    auto* loaded = add<TSeCustomPanel>(form, 0, 0, 100, 22);
    CapturingFiler reader;
    loaded->DefineProperties(reader);
    stored.SetPosition(0);
    reader.read(stored);
    EXPECT_EQ(loaded->NormalHeight(), 150);

    TMemoryStream negative;
    const unsigned char bytes[4] = {0xFE, 0xFF, 0xFF, 0xFF};
    negative.WriteBuffer(bytes, 4);
    negative.SetPosition(0);
    reader.read(negative);
    EXPECT_EQ(loaded->NormalHeight(), -2);

    TMemoryStream truncated;
    truncated.WriteBuffer(bytes, 3);
    truncated.SetPosition(0);
    EXPECT_THROW(reader.read(truncated), EStreamError);
    EXPECT_EQ(loaded->NormalHeight(), -2) << "a short value leaves the old one";
}

TEST_F(Panel, CaptionButtonRollsHidesOrIsAbsent)
{
    EventLog log;
    panel->OnButtonClick = log.notify("button");
    panel->OnHide = log.notify("hide");
    const TPoint button = buttonCentre();
    EXPECT_EQ(panel->GetButtonRect(), (RECT{182, 2, 198, 18}));

    // Pressed, dragged off and released outside: nothing.
    TPoint p = panel->ClientToScreen(button);
    backend().mouseMove(p.x, p.y);
    backend().mouseDown();
    pump();
    EXPECT_TRUE(panel->ButtonPressed());
    backend().mouseMove(p.x - 60, p.y);
    pump();
    EXPECT_FALSE(panel->ButtonPressed()) << "the pressed look follows the pointer";
    backend().mouseUp();
    pump();
    EXPECT_FALSE(panel->Rolled());

    clickAt(panel, button.x, button.y);
    EXPECT_TRUE(panel->Rolled());
    clickAt(panel, button.x, button.y);
    EXPECT_FALSE(panel->Rolled());

    panel->SetShowButton(false);
    clickAt(panel, button.x, button.y);
    EXPECT_FALSE(panel->Rolled()) << "without a button the caption bar does nothing";

    panel->SetShowButton(true);
    panel->SetButtonKind(pbkHide);
    clickAt(panel, button.x, button.y);
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"button", "button", "hide", "button"}));
}

TEST_F(Panel, SkinnedCaptionHeightComesFromTheSkinAndThePlainOneComesBack)
{
    auto* skinned = add<TSeSkinPanel>(form, 10, 10, 200, 150);
    TSeSkinEngine* engine = engineWith({Shape{"Panel", 185, 105, clNone, {}, {
        Shape{"Frame", 185, 105, TColor(0x303030)},
        Shape{"Caption", 185, 26, TColor(0x505050)},
    }}});
    skinned->SetSkinEngine(engine);
    ASSERT_TRUE(skinned->Skin() != nullptr);
    EXPECT_EQ(skinned->CaptionHeight(), 26);
    EXPECT_EQ(skinned->RememberedCaptionHeight(), 20) << "the plain height is kept before the skin's replaces it";
    skinned->SetRolled(true);
    EXPECT_EQ(skinned->Height(), 28) << "the roll target follows the skin's caption";
    skinned->SetRolled(false);

    skinned->Perform(SEM_SKINCHANGING, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_EQ(skinned->CaptionHeight(), 20);
    skinned->Perform(SEM_SKINCHANGED, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_EQ(skinned->CaptionHeight(), 26);
    delete engine;
    EXPECT_FALSE(skinned->Skin() != nullptr);
    EXPECT_EQ(skinned->CaptionHeight(), 20);
    pump();
}

} // namespace
