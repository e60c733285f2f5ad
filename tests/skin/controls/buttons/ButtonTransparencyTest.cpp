// A skinned button whose face is drawn masked shows its parent's picture
// round the face: on a skinned form (asked through its paint-into-a-context
// message) and on a skinned container that paints its skin as its
// background. Checked pixel by pixel against the parent painted alone.

#include "tests/skin/controls/base/ShippedSkinEngine.h"
#include "tests/support/DibSurface.h"
#include "tests/support/UiTestSupport.h"

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/forms/SeSkinForm.h"
#include "skin/engine/SeSkinObject.h"

#include <memory>

namespace {

using brio::test::DibSurface;
using uitest::UiTest;

// A container that paints a skin object as its background, as skinned
// panels and group boxes do.
class SkinnedContainer : public TSeCustomControl {
public:
    SkinnedContainer(TComponent* owner, TSeSkinEngine* engine, const std::string& object)
        : TSeCustomControl(owner), binding_(*this, object)
    {
        controlStyle_.Include(csAcceptsControls);
        binding_.SetEngine(engine);
    }
    bool Skinned() const { return binding_.Skinned(); }

protected:
    void PaintBackground(TCanvas& canvas) override
    {
        TSeSkinObject* object = binding_.Object();
        if (!object) {
            TSeCustomControl::PaintBackground(canvas);
            return;
        }
        // Masked corners show the container's colour, not whatever was
        // under the surface.
        TSeCustomControl::PaintBackground(canvas);
        object->ArrangeIn(ClientRect());
        object->Draw(canvas);
    }

private:
    TSeSkinBinding binding_;
};

class ButtonTransparency : public UiTest {
protected:
    TSeSkinEngine* engine = nullptr;

    void SetUp() override
    {
        UiTest::SetUp();
        engine = skintest::MakeShippedSkinEngine(Application);
    }

    // Pixels where the see-through button differs from the same button on
    // a plain fill are the parent's; each must equal the parent's own.
    // Returns how many such pixels there were.
    static int checkSeeThrough(TSeSkinButton* button, TWinControl* parent)
    {
        const RECT at = button->BoundsRect();
        button->SetVisible(false);
        DibSurface alone(parent->ClientWidth(), parent->ClientHeight());
        parent->PaintTo(alone.dc, 0, 0);
        button->SetVisible(true);

        DibSurface shown(parent->ClientWidth(), parent->ClientHeight());
        parent->PaintTo(shown.dc, 0, 0);
        button->SetTransparent(false);
        button->SetColor(TColor(RGB(1, 2, 3)));
        DibSurface filled(parent->ClientWidth(), parent->ClientHeight());
        parent->PaintTo(filled.dc, 0, 0);
        button->SetTransparent(true);

        int seeThrough = 0;
        int wrong = 0;
        for (int y = at.top; y < at.bottom; ++y)
            for (int x = at.left; x < at.right; ++x) {
                if (shown.at(x, y) == filled.at(x, y))
                    continue;
                ++seeThrough;
                wrong += shown.at(x, y) != alone.at(x, y);
            }
        EXPECT_EQ(wrong, 0);
        return seeThrough;
    }
};

TEST_F(ButtonTransparency, MaskedButtonOnASkinnedFormShowsTheFormsPicture)
{
    if (!engine)
        GTEST_SKIP() << "this build has no shipped skin";
    TForm* host = makeForm();
    host->BeginLoading();
    auto* skin = new TSeSkinForm(host);
    skin->SetSkinEngine(engine);
    host->EndLoading();
    auto* button = new TSeSkinButton(host);
    button->SetCaption("Options");
    button->SetBounds(17, 23, 75, 25);
    button->SetParent(host);
    button->SetSkinEngine(engine);
    host->Show();
    pump();
    ASSERT_TRUE(button->Skinned());
    ASSERT_TRUE(button->Transparent());
    for (TSePerformance mode : {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer}) {
        button->SetPerformance(mode);
        EXPECT_GT(checkSeeThrough(button, host), 0) << "mode " << int(mode);
    }
}

TEST_F(ButtonTransparency, MaskedButtonOnASkinnedContainerShowsItsPixels)
{
    if (!engine)
        GTEST_SKIP() << "this build has no shipped skin";
    TForm* form = makeForm();
    auto* box = new SkinnedContainer(form, engine, "GroupBox");
    box->SetBounds(10, 10, 220, 120);
    box->SetParent(form);
    auto* button = new TSeSkinButton(form);
    button->SetCaption("OK");
    button->SetBounds(31, 40, 75, 25);
    button->SetParent(box);
    button->SetSkinEngine(engine);
    form->Show();
    pump();
    ASSERT_TRUE(box->Skinned());
    for (TSePerformance mode : {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer}) {
        button->SetPerformance(mode);
        EXPECT_GT(checkSeeThrough(button, box), 0) << "mode " << int(mode);
    }
}

} // namespace
