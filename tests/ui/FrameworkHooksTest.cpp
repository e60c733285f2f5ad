// What skinned controls reach into the framework for: painting a host's
// windowless children from outside, a form's own close handling, a tree
// view's background, and the message numbers the skin library keeps.

#include "tests/support/UiTestSupport.h"

#include "ui/control/ControlMessages.h"
#include "ui/graphics/Bitmap.h"
#include "ui/views/TreeView.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace {

using uitest::UiTest;

class FrameworkHooks : public UiTest {};

class TBlock : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override { Canvas()->FillRect(ClientRect()); }
};

TEST_F(FrameworkHooks, PaintControlsDrawsWindowlessChildrenFromTheOneGiven)
{
    TForm* form = makeForm();
    auto* red = new TBlock(form);
    red->SetColor(clRed);
    red->SetBounds(10, 10, 40, 40);
    red->SetParent(form);
    auto* blue = new TBlock(form);
    blue->SetColor(clBlue);
    blue->SetBounds(30, 30, 40, 40);
    blue->SetParent(form);
    auto* panel = new TCustomControl(form); // windowed: not painted here
    panel->SetBounds(100, 10, 40, 40);
    panel->SetParent(form);

    TBitmap picture(200, 100);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect(TRect{0, 0, 200, 100});
    form->PaintControls(picture.Canvas()->Handle(), nullptr);
    EXPECT_EQ(picture.Canvas()->Pixels(15, 15), clRed);
    EXPECT_EQ(picture.Canvas()->Pixels(40, 40), clBlue);
    EXPECT_EQ(picture.Canvas()->Pixels(110, 20), clWhite);

    picture.Canvas()->FillRect(TRect{0, 0, 200, 100});
    form->PaintControls(picture.Canvas()->Handle(), blue);
    EXPECT_EQ(picture.Canvas()->Pixels(15, 15), clWhite);
    EXPECT_EQ(picture.Canvas()->Pixels(40, 40), clBlue);
}

TEST_F(FrameworkHooks, RunCloseActionAsksTheFormWithoutClosingIt)
{
    TForm* form = makeForm();
    form->Show();
    int asked = 0;
    form->OnClose = [&](TObject* sender, TCloseAction& action) {
        EXPECT_EQ(sender, form);
        EXPECT_EQ(action, caMinimize);
        action = caFree;
        ++asked;
    };
    TCloseAction action = caMinimize;
    form->RunCloseAction(action);
    EXPECT_EQ(action, caFree);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form->Visible());
}

class TStripedTree : public TTreeView {
public:
    using TTreeView::TTreeView;
    int fills = 0;

protected:
    void FillBackground(TCanvas* canvas, const TRect& rect) override
    {
        ++fills;
        canvas->Brush()->SetColor(clFuchsia);
        canvas->Brush()->SetStyle(bsClear); // the tree must not rely on the brush left behind
        HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
        RECT r = rect;
        FillRect(canvas->Handle(), &r, brush);
        DeleteObject(brush);
    }
};

TEST_F(FrameworkHooks, TreeViewBackgroundComesFromTheOverride)
{
    TForm* form = makeForm();
    auto* tree = new TStripedTree(form);
    tree->SetBounds(0, 0, 200, 150);
    tree->SetParent(form);
    TTreeNode* first = tree->Items()->AddChild(nullptr, "Sounds");
    tree->Items()->AddChild(nullptr, "Voices");
    tree->SetSelected(first);
    form->Show();
    tree->SetFocus();
    pump();

    TBitmap picture(200, 150);
    tree->PaintTo(picture.Canvas()->Handle(), 0, 0);
    EXPECT_GT(tree->fills, 2) << "each row and the space below";
    const TRect client = tree->ClientRect();
    EXPECT_EQ(picture.Canvas()->Pixels(client.right - 3, client.bottom - 3), clFuchsia) << "below the rows";
    EXPECT_EQ(picture.Canvas()->Pixels(client.right - 3, 30), clFuchsia) << "beside a row";
    // The selection still gets its own solid highlight.
    const TRect row = tree->NodeRect(first);
    const TColor highlight = TColor(ColorToRGB(clHighlight));
    int highlighted = 0;
    for (int x = row.left; x < row.right; ++x)
        highlighted += picture.Canvas()->Pixels(x, row.top + 1) == highlight;
    EXPECT_GT(highlighted, 10);
}

TEST_F(FrameworkHooks, NoControlMessageTakesTheSkinLibrarysNumbers)
{
    // Read from the header, so that a CM_* added later is checked too.
    std::ifstream header(BRIO_SOURCE_DIR "/ui/control/ControlMessages.h");
    ASSERT_TRUE(header) << "cannot read ControlMessages.h";
    std::stringstream text;
    text << header.rdbuf();
    const std::string source = text.str();
    const std::regex definition(R"(constexpr UINT (CM_\w+) = CM_BASE \+ (\d+);)");
    int seen = 0;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), definition); it != std::sregex_iterator(); ++it) {
        const UINT value = CM_BASE + UINT(std::stoul((*it)[2].str()));
        EXPECT_FALSE(IsSkinReservedMessage(value)) << (*it)[1].str();
        ++seen;
    }
    EXPECT_GT(seen, 60);
    EXPECT_TRUE(IsSkinReservedMessage(0xB0DE));
    EXPECT_TRUE(IsSkinReservedMessage(0xB0DF));
    EXPECT_TRUE(IsSkinReservedMessage(0xB1C8));
}

} // namespace
