// One form with every control of the framework in the states a person
// meets them in, and a second picture with a popup menu and its submenu
// open; both are written for a person to look at.

#include "GalleryImages.h"
#include "tests/support/UiTestSupport.h"

#include "ui/stdctrls/Bevel.h"
#include "ui/stdctrls/Button.h"
#include "ui/stdctrls/CheckBox.h"
#include "ui/stdctrls/ComboBox.h"
#include "ui/stdctrls/Edit.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Font.h"
#include "ui/graphics/Picture.h"
#include "ui/stdctrls/Image.h"
#include "ui/graphics/ImageList.h"
#include "ui/stdctrls/Label.h"
#include "ui/views/ListView.h"
#include "ui/menus/Menu.h"
#include "ui/stdctrls/Panel.h"
#include "ui/component/ShortCut.h"
#include "ui/views/TreeView.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

#include <filesystem>

namespace {

using uitest::AddGroupSoundGlyphs;
using uitest::AddKeyCapImages;
using uitest::kKeyNames;
using uitest::UiTest;

template <class T> T* Place(TWinControl* parent, int x, int y, int w = 0, int h = 0)
{
    auto* control = new T(parent);
    control->SetBounds(x, y, w ? w : control->Width(), h ? h : control->Height());
    control->SetParent(parent);
    return control;
}

// A windowed control with both native scroll bars over a checkered page.
class TScrolledPage : public TCustomControl {
public:
    explicit TScrolledPage(TComponent* owner) : TCustomControl(owner) {}

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style |= WS_HSCROLL | WS_VSCROLL;
        params.ExStyle |= WS_EX_CLIENTEDGE;
    }

    void Paint() override
    {
        TCanvas* canvas = Canvas();
        for (int y = 0; y < ClientHeight(); y += 16)
            for (int x = 0; x < ClientWidth(); x += 16) {
                canvas->Brush()->SetColor(((x + y) / 16) % 2 ? clWhite : RGB(220, 230, 245));
                canvas->FillRect(RECT{x, y, x + 16, y + 16});
            }
    }
};

void ShowScrollBars(TScrolledPage* page)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 399;
    info.nPage = 100;
    info.nPos = 120;
    SetScrollInfo(page->Handle(), SB_VERT, &info, TRUE);
    info.nMax = 299;
    info.nPage = 120;
    info.nPos = 40;
    SetScrollInfo(page->Handle(), SB_HORZ, &info, TRUE);
}

struct Gallery {
    TForm* form = nullptr;
    TEdit* selectedEdit = nullptr;
    TButton* focusedButton = nullptr;
    TListView* list = nullptr;
    TTreeView* tree = nullptr;
    TScrolledPage* page = nullptr;
    TImageList* glyphs = nullptr;
};

void AddTextControls(Gallery& g)
{
    TForm* form = g.form;
    auto* title = Place<TLabel>(form, 12, 8);
    title->Font()->SetHeight(-19);
    title->Font()->SetStyle({fsBold});
    title->SetCaption("Every control");
    Place<TBevel>(form, 12, 34, 290, 2)->SetShape(bsTopLine);

    auto* name = Place<TLabel>(form, 12, 48);
    name->SetCaption("&Name:");
    g.selectedEdit = Place<TEdit>(form, 84, 44, 218);
    g.selectedEdit->SetText("Selected text stays lit");
    g.selectedEdit->SetHideSelection(false);
    name->SetFocusControl(g.selectedEdit);
    auto* right = Place<TLabel>(form, 12, 76);
    right->SetAutoSize(false);
    right->SetBounds(12, 76, 66, 17);
    right->SetAlignment(taRightJustify);
    right->SetCaption("Right:");
    auto* off = Place<TEdit>(form, 84, 72, 218);
    off->SetText("Disabled edit");
    off->SetEnabled(false);

    auto* kind = Place<TLabel>(form, 12, 104);
    kind->SetCaption("Kind:");
    auto* combo = Place<TComboBox>(form, 84, 100, 218);
    for (const char* item : {"Effects", "Voices", "Music"})
        combo->Items()->Add(item);
    combo->SetItemIndex(1);

    auto* wrap = Place<TLabel>(form, 12, 130);
    wrap->SetWordWrap(true);
    wrap->SetWidth(290);
    wrap->SetCaption("A word-wrapped label: a long line of text breaks at the spaces to fit its width.");
    auto* dimmed = Place<TLabel>(form, 12, 164);
    dimmed->SetCaption("Disabled label");
    dimmed->SetEnabled(false);

    const std::pair<const char*, TCheckBoxState> boxes[] = {
        {"&Unchecked", cbUnchecked}, {"&Checked", cbChecked}, {"&Grayed", cbGrayed}, {"Disabled", cbChecked}};
    for (int i = 0; i < 4; ++i) {
        auto* box = Place<TCheckBox>(form, 12 + (i % 2) * 150, 186 + (i / 2) * 22, 140);
        box->SetCaption(boxes[i].first);
        box->SetAllowGrayed(true);
        box->SetState(boxes[i].second);
        box->SetEnabled(i != 3);
    }
}

void AddPanelsAndPictures(Gallery& g)
{
    TForm* form = g.form;
    auto* raised = Place<TPanel>(form, 12, 240, 140, 60);
    raised->SetCaption("Raised panel");
    auto* lowered = Place<TPanel>(form, 162, 240, 140, 60);
    lowered->SetBevelOuter(bvLowered);
    lowered->SetColor(clWindow);
    lowered->SetCaption("Lowered");
    auto* framed = Place<TPanel>(form, 12, 308, 140, 60);
    framed->SetBevelInner(bvLowered);
    framed->SetBorderWidth(2);
    framed->SetCaption("Caption, two bevels");

    Place<TBevel>(form, 162, 308, 64, 60)->SetShape(bsBox);
    TBitmap picture(40, 40);
    picture.Canvas()->Brush()->SetColor(clTeal);
    picture.Canvas()->FillRect(RECT{0, 0, 40, 40});
    picture.Canvas()->Brush()->SetColor(clYellow);
    picture.Canvas()->Ellipse(6, 6, 34, 34);
    auto* image = Place<TImage>(form, 168, 314, 52, 48);
    image->Picture()->SetBitmap(&picture);
    image->SetCenter(true);
    auto* raisedBox = Place<TBevel>(form, 238, 308, 64, 60);
    raisedBox->SetStyle(bsRaised);
    raisedBox->SetShape(bsFrame);

    Place<TBevel>(form, 12, 378, 290, 2)->SetShape(bsTopLine);
    auto* ok = Place<TButton>(form, 12, 390, 68);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    auto* cancel = Place<TButton>(form, 86, 390, 68);
    cancel->SetCaption("Cancel");
    auto* help = Place<TButton>(form, 160, 390, 68);
    help->SetCaption("&Help");
    help->SetEnabled(false);
    g.focusedButton = Place<TButton>(form, 234, 390, 68);
    g.focusedButton->SetCaption("&Focused");
}

void AddListAndTree(Gallery& g)
{
    TForm* form = g.form;
    auto* keyImages = new TImageList(form);
    AddKeyCapImages(keyImages, 16);
    g.glyphs = new TImageList(form);
    AddGroupSoundGlyphs(g.glyphs, true);

    g.list = Place<TListView>(form, 318, 12, 420, 230);
    g.list->SetCheckboxes(true);
    g.list->SetRowSelect(true);
    g.list->SetHideSelection(false);
    g.list->SetSmallImages(keyImages);
    const std::pair<const char*, int> columns[] = {{"(Loop flag) Key", 90}, {"Volume(%)", 64}, {"Sounds", 350}};
    for (auto [caption, width] : columns) {
        TListColumn* column = g.list->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    g.list->Items()->BeginUpdate();
    for (int i = 0; i < 20; ++i) {
        TListItem* item = g.list->Items()->Add();
        item->SetCaption(std::string("Key ") + kKeyNames[i]);
        item->SetImageIndex(i);
        item->SubItems()->Add(std::to_string(100 - 5 * i));
        item->SubItems()->Add(i % 3 == 0 ? "/home/user/sounds/effect" + std::to_string(i) + ".wav" : "");
        item->SetChecked(i % 4 == 1);
    }
    g.list->Items()->EndUpdate();
    g.list->SetItemIndex(2);

    g.tree = Place<TTreeView>(form, 318, 252, 200, 166);
    g.tree->SetImages(g.glyphs);
    g.tree->SetIndent(19);
    g.tree->SetHideSelection(false);
    const std::pair<const char*, std::vector<const char*>> groups[] = {
        {"Effects", {"Applause", "Drum roll", "Laugh", "Whistle", "Buzzer"}},
        {"Voices", {"Hello", "Goodbye"}},
        {"Music", {"Intro", "Outro", "Jingle"}},
        {"Empty", {}},
    };
    std::vector<TTreeNode*> groupNodes;
    for (const auto& [name, sounds] : groups) {
        TTreeNode* group =
            g.tree->Items()->Add(nullptr, std::string(name) + "(" + std::to_string(sounds.size()) + ")");
        group->SetImageIndex(0);
        group->SetSelectedIndex(0);
        groupNodes.push_back(group);
        for (const char* sound : sounds) {
            TTreeNode* node = g.tree->Items()->AddChild(group, sound);
            node->SetImageIndex(1);
            node->SetSelectedIndex(1);
        }
    }
    groupNodes[0]->Expand(false);
    groupNodes[2]->Expand(false);
    g.tree->SetSelected(groupNodes[0]->Item(1));

    g.page = Place<TScrolledPage>(form, 528, 252, 210, 166);
}

Gallery BuildGallery(TForm* form)
{
    Gallery g;
    g.form = form;
    form->SetCaption("Component gallery");
    form->SetClientWidth(750);
    form->SetClientHeight(430);
    form->SetColor(clBtnFace);
    AddTextControls(g);
    AddPanelsAndPictures(g);
    AddListAndTree(g);
    return g;
}

std::string OutputPath(const char* name)
{
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    return std::string(BRIO_TEST_OUTPUT_DIR) + "/" + name;
}

class ComponentGallery : public UiTest {};

TEST_F(ComponentGallery, WritesAPictureOfEveryControl)
{
    Gallery g = BuildGallery(makeForm("Gallery"));
    g.form->Show();
    pump();
    ShowScrollBars(g.page);
    g.focusedButton->SetFocus();
    // Set after the focus has passed through the edit, which selects all
    // on entry; without the focus it keeps this part lit.
    g.selectedEdit->SetSelStart(0);
    g.selectedEdit->SetSelLength(13);
    pump();

    std::string path = OutputPath("component-gallery.png");
    backend().writeWindowPng(g.form->Handle(), path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_LT(g.list->VisibleRowCount(), 20);
    EXPECT_GT(g.tree->RowCount(), 8);
}

TEST_F(ComponentGallery, WritesAPictureOfAPopupMenuWithItsSubmenuOpen)
{
    Gallery g = BuildGallery(makeForm("Gallery"));
    auto* menu = new TPopupMenu(g.form);
    menu->SetImages(g.glyphs);
    auto add = [&](TMenuItem* parent, const char* caption, TShortCut keys = scNone, int image = -1) {
        auto* item = new TMenuItem(g.form);
        item->SetCaption(caption);
        item->SetShortCut(keys);
        item->SetImageIndex(image);
        parent->Add(item);
        return item;
    };
    add(menu->Items(), "&Play", ShortCut(VK_RETURN, {}), 2);
    add(menu->Items(), "Play &Loop", ShortCut('L', {ssCtrl}))->SetChecked(true);
    add(menu->Items(), "-");
    TMenuItem* moveTo = add(menu->Items(), "&Move to", scNone, 0);
    for (const char* group : {"Effects", "Voices", "Music"})
        add(moveTo, group, scNone, 0);
    moveTo->Items(1)->SetChecked(true);
    add(moveTo, "-");
    add(moveTo, "&New group...", ShortCut('N', {ssCtrl}));
    add(menu->Items(), "&Rename", ShortCut(VK_F2, {}));
    add(menu->Items(), "&Disabled")->SetEnabled(false);
    add(menu->Items(), "-");
    add(menu->Items(), "&Remove", ShortCut(VK_DELETE, {}));

    g.form->Show();
    pump();
    ShowScrollBars(g.page);
    g.list->SetFocus();
    pump();

    TPoint at = g.list->ClientToScreen(TPoint{60, 80});
    std::string path = OutputPath("component-gallery-menu.png");
    // Down three times lands on "Move to", Right opens its submenu, Down
    // lights its first row; then the screen is taken and Escape twice
    // closes both levels.
    script({[&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RIGHT); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().writeScreenPng(path); },
            [&] { backend().pressKey(VK_ESCAPE); },
            [&] { backend().pressKey(VK_ESCAPE); }});
    menu->Popup(at.x, at.y);
    EXPECT_TRUE(scriptDone());
    EXPECT_TRUE(std::filesystem::exists(path));
}

} // namespace
