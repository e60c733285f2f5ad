// One picture of the list view and the tree view as the key panel uses
// them, for a person to look at.

#include "GalleryImages.h"
#include "tests/support/UiTestSupport.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"
#include "ui/views/ListView.h"
#include "ui/views/TreeView.h"

#include <filesystem>

namespace {

using uitest::AddGroupSoundGlyphs;
using uitest::AddKeyCapImages;
using uitest::kKeyNames;
using uitest::UiTest;

class ListTreeGallery : public UiTest {};

TEST_F(ListTreeGallery, WritesAPicture)
{
    TForm* form = makeForm("Gallery");
    form->SetColor(clBtnFace);
    form->SetClientWidth(640);
    form->SetClientHeight(330);

    auto* keyImages = new TImageList(form);
    keyImages->SetSize(24, 24);
    AddKeyCapImages(keyImages, 24);
    auto* treeImages = new TImageList(form);
    AddGroupSoundGlyphs(treeImages, false);

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
