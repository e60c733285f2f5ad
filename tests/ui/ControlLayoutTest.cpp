// Docking order, anchors and size constraints.

#include "tests/support/UiTestSupport.h"

namespace {

using uitest::UiTest;

class ControlLayout : public UiTest {};

TWinControl* MakePanel(TComponent* owner, TWinControl* parent, TRect bounds, TAlign align = alNone)
{
    auto* panel = new TCustomControl(owner);
    panel->SetBounds(bounds.left, bounds.top, ::Width(bounds), ::Height(bounds));
    panel->SetAlign(align);
    panel->SetParent(parent);
    return panel;
}

void ExpectBounds(const TControl* c, int left, int top, int width, int height, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(c->Left(), left);
    EXPECT_EQ(c->Top(), top);
    EXPECT_EQ(c->Width(), width);
    EXPECT_EQ(c->Height(), height);
}

TEST_F(ControlLayout, AlignedControlsClaimEdgesInDockingOrder)
{
    TForm* form = makeForm();
    // Created in an order that differs from the docking order on purpose.
    TWinControl* client = MakePanel(form, form, Bounds(0, 0, 10, 10), alClient);
    TWinControl* right = MakePanel(form, form, Bounds(0, 0, 30, 10), alRight);
    TWinControl* left = MakePanel(form, form, Bounds(0, 0, 40, 10), alLeft);
    TWinControl* bottom = MakePanel(form, form, Bounds(0, 0, 10, 25), alBottom);
    TWinControl* top = MakePanel(form, form, Bounds(0, 0, 10, 20), alTop);

    ExpectBounds(top, 0, 0, 300, 20, "top spans the width");
    ExpectBounds(bottom, 0, 175, 300, 25, "bottom spans the width");
    ExpectBounds(left, 0, 20, 40, 155, "left fills between top and bottom");
    ExpectBounds(right, 270, 20, 30, 155, "right fills between top and bottom");
    ExpectBounds(client, 40, 20, 230, 155, "client takes the rest");

    form->SetClientWidth(400);
    form->SetClientHeight(300);
    ExpectBounds(client, 40, 20, 330, 255, "client follows the form");
    ExpectBounds(right, 370, 20, 30, 255, "right stays at the edge");

    bottom->SetVisible(false);
    ExpectBounds(client, 40, 20, 330, 280, "a hidden control gives its room back");
}

TEST_F(ControlLayout, ControlsOfOneAlignmentKeepTheirOrder)
{
    TForm* form = makeForm();
    TWinControl* second = MakePanel(form, form, Bounds(0, 50, 10, 10), alTop);
    TWinControl* first = MakePanel(form, form, Bounds(0, 0, 10, 15), alTop);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(second->Top(), 15);

    TWinControl* lower = MakePanel(form, form, Bounds(0, 190, 10, 10), alBottom);
    TWinControl* upper = MakePanel(form, form, Bounds(0, 100, 10, 20), alBottom);
    EXPECT_EQ(lower->Top(), 190);
    EXPECT_EQ(upper->Top(), 170);

    // Resizing one re-flows its neighbours.
    first->SetHeight(30);
    EXPECT_EQ(second->Top(), 30);
}

TEST_F(ControlLayout, AnchorsKeepDistancesWhenTheParentResizes)
{
    TForm* form = makeForm();
    TWinControl* corner = MakePanel(form, form, Bounds(220, 160, 70, 30));
    corner->SetAnchors({akRight, akBottom});
    TWinControl* stretch = MakePanel(form, form, Bounds(10, 10, 280, 20));
    stretch->SetAnchors({akLeft, akTop, akRight});
    TWinControl* tall = MakePanel(form, form, Bounds(10, 40, 50, 150));
    tall->SetAnchors({akLeft, akTop, akBottom});
    TWinControl* fixed = MakePanel(form, form, Bounds(100, 50, 20, 20));

    form->SetClientWidth(500);
    form->SetClientHeight(260);
    ExpectBounds(corner, 420, 220, 70, 30, "right-bottom keeps both distances");
    ExpectBounds(stretch, 10, 10, 480, 20, "left-right stretches");
    ExpectBounds(tall, 10, 40, 50, 210, "top-bottom stretches");
    ExpectBounds(fixed, 100, 50, 20, 20, "default anchors stay put");

    // Shrinking below the anchored size never yields a negative size.
    form->SetClientWidth(5);
    EXPECT_EQ(stretch->Width(), 0);
}

TEST_F(ControlLayout, AnchorsComputedAfterLoadingUseTheFinalLayout)
{
    auto* form = new TForm(Application);
    form->BeginLoading();
    TWinControl* button = MakePanel(form, form, Bounds(230, 170, 60, 20));
    button->SetAnchors({akRight, akBottom});
    form->SetBounds(0, 0, 320, 240);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    form->EndLoading();
    form->SetClientWidth(350);
    EXPECT_EQ(button->Left(), 280);
    EXPECT_EQ(button->Top(), 170);
}

TEST_F(ControlLayout, ConstraintsClampEverySize)
{
    TForm* form = makeForm();
    TWinControl* panel = MakePanel(form, form, Bounds(0, 0, 50, 50));
    panel->Constraints()->MinWidth = 40;
    panel->Constraints()->MaxHeight = 60;
    panel->SetBounds(0, 0, 10, 100);
    EXPECT_EQ(panel->Width(), 40);
    EXPECT_EQ(panel->Height(), 60);
    panel->SetAlign(alClient);
    EXPECT_EQ(panel->Height(), 60);
}

TEST_F(ControlLayout, WindowFollowsBoundsAndParent)
{
    TForm* form = makeForm();
    form->Show();
    TWinControl* outer = MakePanel(form, form, Bounds(10, 10, 200, 150));
    TWinControl* inner = MakePanel(form, outer, Bounds(5, 6, 50, 40));
    ASSERT_TRUE(inner->HandleAllocated());
    EXPECT_EQ(GetParent(inner->Handle()), outer->Handle());
    RECT r{};
    GetWindowRect(inner->Handle(), &r);
    TPoint origin = outer->ClientToScreen(TPoint{5, 6});
    EXPECT_EQ(r.left, origin.x);
    EXPECT_EQ(r.top, origin.y);

    inner->SetParent(form);
    EXPECT_EQ(GetParent(inner->Handle()), form->Handle());
    inner->SetParent(nullptr);
    EXPECT_FALSE(inner->HandleAllocated());
    EXPECT_THROW(outer->SetParent(outer), EInvalidOperation);
}

} // namespace
