// One picture of the list view and the tree view as the key panel uses
// them, for a person to look at.

#include "UiTestSupport.h"

#include "ui/GraphicsBitmap.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "ui/TreeView.h"

#include <filesystem>

namespace {

using uitest::UiTest;

const char* const kKeyNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                 "A", "S", "D", "F", "G", "H", "J", "K", "L", ";"};

// Twenty 24 x 24 key labels in orange.
void AddKeyImages(TImageList* images)
{
    TBitmap strip(24 * 20, 24);
    TCanvas* canvas = strip.Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(RECT{0, 0, 24 * 20, 24});
    canvas->Font()->SetStyle({fsBold});
    canvas->Font()->SetColor(RGB(240, 130, 20));
    for (int i = 0; i < 20; ++i) {
        canvas->Pen()->SetColor(RGB(240, 130, 20));
        canvas->Brush()->SetColor(RGB(255, 240, 220));
        canvas->RoundRect(24 * i + 2, 2, 24 * i + 22, 22, 6, 6);
        canvas->Brush()->SetStyle(bsClear);
        RECT cell{24 * i, 0, 24 * i + 24, 24};
        canvas->TextRect(cell, kKeyNames[i], {tfCenter, tfVerticalCenter, tfSingleLine});
        canvas->Brush()->SetStyle(bsSolid);
    }
    images->AddMasked(&strip, clFuchsia);
}

// A folder-like group glyph and a note-like sound glyph, 16 x 16.
void AddTreeImages(TImageList* images)
{
    TBitmap strip(32, 16);
    TCanvas* canvas = strip.Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(RECT{0, 0, 32, 16});
    canvas->Pen()->SetColor(RGB(128, 96, 0));
    canvas->Brush()->SetColor(RGB(255, 210, 80));
    canvas->Rectangle(1, 3, 15, 14);
    canvas->Pen()->SetColor(clNavy);
    canvas->Brush()->SetColor(clNavy);
    canvas->Ellipse(18, 9, 24, 14);
    canvas->MoveTo(23, 11);
    canvas->LineTo(23, 2);
    canvas->LineTo(29, 4);
    images->AddMasked(&strip, clFuchsia);
}

class ListTreeGallery : public UiTest {};

TEST_F(ListTreeGallery, WritesAPicture)
{
    TForm* form = makeForm("Gallery");
    form->SetColor(clBtnFace);
    form->SetClientWidth(640);
    form->SetClientHeight(330);

    auto* keyImages = new TImageList(form);
    keyImages->SetSize(24, 24);
    AddKeyImages(keyImages);
    auto* treeImages = new TImageList(form);
    AddTreeImages(treeImages);

    auto* list = new TListView(form);
    list->SetParent(form);
    list->SetBounds(200, 10, 430, 310);
    list->SetCheckboxes(true);
    list->SetRowSelect(true);
    list->SetHideSelection(false);
    list->SetSmallImages(keyImages);
    const std::pair<const char*, int> columns[] = {{"(Loop flag) Key", 120}, {"Volume(%)", 64}, {"Sounds", 350}};
    for (auto [caption, width] : columns) {
        TListColumn* column = list->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    list->Items()->BeginUpdate();
    for (int i = 0; i < 20; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(std::string("Key ") + kKeyNames[i]);
        item->SetImageIndex(i);
        item->SubItems()->Add(std::to_string(100 - 5 * i));
        item->SubItems()->Add(i % 3 == 0 ? "/home/user/sounds/effect" + std::to_string(i) + ".wav" : "");
        item->SetChecked(i % 4 == 1);
    }
    list->Items()->EndUpdate();
    list->SetItemIndex(2);

    auto* tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(10, 10, 180, 310);
    tree->SetImages(treeImages);
    tree->SetIndent(19);
    tree->SetRowSelect(true);
    tree->SetHideSelection(false);
    const std::pair<const char*, std::vector<const char*>> groups[] = {
        {"Effects", {"Applause", "Drum roll", "Laugh"}},
        {"Voices", {"Hello", "Goodbye"}},
        {"Music", {"Intro", "Outro", "Jingle", "Fanfare"}},
        {"Empty", {}},
    };
    std::vector<TTreeNode*> groupNodes;
    for (const auto& [name, sounds] : groups) {
        TTreeNode* group = tree->Items()->Add(nullptr, std::string(name) + "(" + std::to_string(sounds.size()) + ")");
        group->SetImageIndex(0);
        group->SetSelectedIndex(0);
        groupNodes.push_back(group);
        for (const char* sound : sounds) {
            TTreeNode* node = tree->Items()->AddChild(group, sound);
            node->SetImageIndex(1);
            node->SetSelectedIndex(1);
        }
    }
    groupNodes[0]->Expand(false);
    groupNodes[2]->Expand(false);
    tree->SetSelected(groupNodes[0]->Item(1));

    form->Show();
    list->SetFocus();
    pump();

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(form->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/listtree-gallery.png");
    EXPECT_EQ(list->VisibleRowCount() < 20, true);
    EXPECT_EQ(tree->RowCount(), 4 + 3 + 4);
}

} // namespace
