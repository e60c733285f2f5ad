// Object trees of frames and containers: edits, lists, panels, groups,
// tabs, grids, headers, status bars, tool bars, hints and labels.

#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeSkinObjects.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinObjectBuilder.h"
#include "tools/skinart/SkinPalette.h"
#include "ui/graphics/Font.h"

#include <tuple>

namespace skinart {

using namespace build;
using atlas::Next;
namespace p = atlas::panels;

namespace {

TSeBitmapObject* piece(TSeSkinObject* parent, const char* name, TSeAlign align, RECT bounds, const char* bitmap,
                       RECT cell, int margin, TscTileStyle style = tsTile)
{
    auto* object = Add<TSeBitmapObject>(parent, name, align, bounds);
    Link(object->Bitmap(), bitmap, cell);
    Margins(object, margin, margin, margin, margin);
    object->SetTileStyle(style);
    object->SetBorderTileStyle(style);
    NoFill(object);
    return object;
}

// A text field's frame: normal, hot, focused, disabled, with its four edges
// and its inside named for controls that place things on them.
TSeButtonObject* fieldFrame(TSeSkinObject* parent, int width, int height)
{
    auto* frame = Add<TSeButtonObject>(parent, "Frame", saClient, RECT{0, 0, width, height});
    Link(frame->Bitmap(), p::Name, p::EditFrame);
    Link(frame->BitmapHot(), p::Name, Next(p::EditFrame, 1));
    Link(frame->BitmapFocused(), p::Name, Next(p::EditFrame, 2));
    Link(frame->BitmapDisabled(), p::Name, Next(p::EditFrame, 3));
    Margins(frame, 4, 4, 4, 4);
    SetColour(frame, palette::Sunken);
    const std::tuple<const char*, TSeAlign, TSeKind> parts[] = {
        {"Top", saTop, skTop}, {"Left", saLeft, skLeft}, {"Right", saRight, skRight},
        {"Bottom", saBottom, skBottom}, {"Client", saClient, skClient}};
    for (auto [name, align, kind] : parts) {
        auto* part = Add<TSeSkinObject>(frame, name, align, RECT{0, 0, 3, 3});
        part->SetKind(kind);
        NoFill(part);
    }
    return frame;
}

TSeTextObject* text(TSeSkinObject* parent, TSeAlign align, RECT bounds)
{
    auto* object = Add<TSeTextObject>(parent, "Text", align, bounds);
    NoFill(object);
    SetFont(object->Font(), palette::Text);
    SetFont(object->FontHot(), palette::Text);
    SetFont(object->FontPressed(), palette::Text);
    SetFont(object->FontFocused(), palette::TextBright);
    SetFont(object->FontDisabled(), palette::TextDisabled);
    object->SetTextMarginLeft(4);
    return object;
}

TSeButtonObject* checkBox(TSeSkinObject* parent, const char* name, atlas::checks::Row row)
{
    const int s = atlas::checks::Size;
    auto* object = Add<TSeButtonObject>(parent, name, saNone, RECT{4, 4, 4 + s, 4 + s});
    const RECT first = atlas::checks::Box(row, 0);
    Link(object->Bitmap(), atlas::checks::Name, first);
    Link(object->BitmapHot(), atlas::checks::Name, Next(first, atlas::Hot));
    Link(object->BitmapPressed(), atlas::checks::Name, Next(first, atlas::Pressed));
    Link(object->BitmapFocused(), atlas::checks::Name, Next(first, atlas::Focused));
    Link(object->BitmapDisabled(), atlas::checks::Name, Next(first, atlas::Disabled));
    NoFill(object);
    return object;
}

TSeButtonObject* glyphButton(TSeSkinObject* parent, const char* name, RECT bounds, const char* bitmap, RECT first)
{
    auto* object = Add<TSeButtonObject>(parent, name, saNone, bounds);
    Link(object->Bitmap(), bitmap, first);
    Link(object->BitmapHot(), bitmap, Next(first, 1));
    Link(object->BitmapPressed(), bitmap, Next(first, 2));
    object->SetTileStyle(tsCenter);
    NoFill(object);
    return object;
}

} // namespace

ObjectPtr BuildEditObject()
{
    auto root = Root("Edit", 121, 21);
    fieldFrame(root.get(), 121, 21);
    text(root.get(), saClient, RECT{});
    LayOut(root.get());
    return root;
}

ObjectPtr BuildListBoxObject()
{
    auto root = Root("ListBox", 150, 120);
    SetColour(root.get(), palette::Sunken);
    fieldFrame(root.get(), 150, 120);
    checkBox(root.get(), "Unchecked", atlas::checks::Unchecked);
    checkBox(root.get(), "Checked", atlas::checks::Checked);
    checkBox(root.get(), "Mixed", atlas::checks::Mixed);
    auto* item = Add<TSeButtonObject>(root.get(), "Item", saNone, RECT{3, 3, 147, 21});
    Link(item->Bitmap(), atlas::menu::Name, atlas::menu::Row); // clear: the list shows through
    Link(item->BitmapHot(), p::Name, p::ListHot);
    Link(item->BitmapFocused(), p::Name, p::ListSelected);
    Link(item->BitmapPressed(), p::Name, p::ListSelected);
    Margins(item, 4, 4, 4, 4);
    NoFill(item);
    SetFont(item->Font(), palette::Text);
    item->SetTextMarginLeft(6);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildComboBoxObject()
{
    auto root = Root("ComboBox", 121, 21);
    fieldFrame(root.get(), 121, 21);
    text(root.get(), saNone, RECT{0, 0, 104, 21});
    auto* button = Add<TSeButtonObject>(root.get(), "Button", saNone, RECT{102, 2, 119, 19});
    Link(button->Bitmap(), atlas::buttons::Name, atlas::buttons::Arrow);
    Link(button->BitmapHot(), atlas::buttons::Name, Next(atlas::buttons::Arrow, 1));
    Link(button->BitmapPressed(), atlas::buttons::Name, Next(atlas::buttons::Arrow, 2));
    Link(button->BitmapDisabled(), atlas::buttons::Name, Next(atlas::buttons::Arrow, 3));
    button->SetTileStyle(tsCenter);
    NoFill(button);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildGroupBoxObject()
{
    auto root = Root("GroupBox", 185, 105);
    piece(root.get(), "Frame", saNone, RECT{0, 8, 185, 105}, p::Name, p::GroupFrame, p::FrameMargin);
    auto* caption = Add<TSeSkinObject>(root.get(), "Caption", saNone, RECT{8, 0, 120, 17});
    NoFill(caption);
    SetFont(caption->Font(), palette::Accent, true);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildPanelObject()
{
    auto root = Root("Panel", 185, 105);
    piece(root.get(), "Frame", saClient, RECT{}, p::Name, p::PanelFrame, p::FrameMargin);
    auto* caption = piece(root.get(), "Caption", saNone, RECT{0, 0, 185, 22}, p::Name, p::PanelCaption, 5);
    caption->SetMarginBottom(2);
    caption->SetTileStyle(tsStretch);
    SetFont(caption->Font(), palette::Text, true);
    caption->SetTextMarginLeft(8);
    glyphButton(root.get(), "ButtonRollup", RECT{164, 3, 180, 19}, p::Name, p::PanelButtonCell(p::RollUp, 0));
    glyphButton(root.get(), "ButtonRolldown", RECT{164, 3, 180, 19}, p::Name, p::PanelButtonCell(p::RollDown, 0));
    glyphButton(root.get(), "ButtonHide", RECT{164, 3, 180, 19}, p::Name, p::PanelButtonCell(p::Hide, 0));
    LayOut(root.get());
    return root;
}

ObjectPtr BuildTabsObject()
{
    auto root = Root("Tabs", 200, 120);
    auto* tab = Add<TSeButtonObject>(root.get(), "Tab", saNone, RECT{2, 0, 72, 22});
    Link(tab->Bitmap(), p::Name, p::Tab);
    Link(tab->BitmapHot(), p::Name, Next(p::Tab, 1));
    Link(tab->BitmapFocused(), p::Name, Next(p::Tab, 2));
    Link(tab->BitmapPressed(), p::Name, Next(p::Tab, 2));
    Link(tab->BitmapDisabled(), p::Name, Next(p::Tab, 3));
    Margins(tab, 5, 5, 5, 0);
    NoFill(tab);
    SetFont(tab->Font(), palette::Text);
    tab->SetTextAlign(TSeTextAlign::taCenter);
    piece(root.get(), "Frame", saNone, RECT{0, 22, 200, 120}, p::Name, p::PanelFrame, p::FrameMargin);
    text(root.get(), saNone, RECT{2, 0, 72, 22})->SetTextAlign(TSeTextAlign::taCenter);
    const char* scroll = atlas::scroll::Name;
    glyphButton(root.get(), "LeftButton", RECT{164, 3, 180, 19}, scroll,
                atlas::scroll::ArrowCell(atlas::scroll::Left, 0));
    glyphButton(root.get(), "RightButton", RECT{182, 3, 198, 19}, scroll,
                atlas::scroll::ArrowCell(atlas::scroll::Right, 0));
    LayOut(root.get());
    return root;
}

ObjectPtr BuildGridObject()
{
    auto root = Root("Grid", 200, 120);
    piece(root.get(), "Fixed", saNone, RECT{0, 0, 64, 20}, p::Name, p::GridFixed, 0, tsStretch);
    auto* cell = piece(root.get(), "Cell", saNone, RECT{0, 20, 64, 40}, p::Name, p::GridCell, 0, tsStretch);
    SetFont(cell->Font(), palette::Text);
    piece(root.get(), "Frame", saClient, RECT{}, p::Name, p::EditFrame, 4);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildHeaderObject()
{
    auto root = Root("Header", 200, 18);
    auto* section = Add<TSeButtonObject>(root.get(), "Section", saNone, RECT{0, 0, 80, 18});
    Link(section->Bitmap(), p::Name, p::Section);
    Link(section->BitmapHot(), p::Name, Next(p::Section, 1));
    Link(section->BitmapPressed(), p::Name, Next(p::Section, 2));
    Margins(section, 3, 3, 3, 3);
    section->SetTileStyle(tsStretch);
    section->SetBorderTileStyle(tsStretch);
    NoFill(section);
    SetFont(section->Font(), palette::TextMuted);
    section->SetTextMarginLeft(6);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildStatusBarObject()
{
    auto root = Root("StatusBar", 300, 22);
    piece(root.get(), "Frame", saClient, RECT{}, p::Name, p::StatusFrame, 0, tsStretch);
    auto* panel = piece(root.get(), "Panel", saNone, RECT{0, 0, 100, 22}, p::Name, p::StatusDivider, 0, tsStretch);
    // Only the divider at the right end is drawn; the bar shows through.
    Margins(panel, 0, 4, p::StatusDivider.right - p::StatusDivider.left, 4);
    SetFont(panel->Font(), palette::TextMuted);
    panel->SetTextMarginLeft(6);
    piece(root.get(), "Gripper", saNone, RECT{286, 8, 298, 20}, p::Name, p::Gripper, 0);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildScrollBoxObject()
{
    auto root = Root("ScrollBox", 185, 105);
    piece(root.get(), "Frame", saClient, RECT{}, p::Name, p::EditFrame, 4);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildSplitterObject()
{
    auto root = Root("Splitter", 6, 100);
    SetColour(root.get(), Rgb(0x35373C));
    return root;
}

ObjectPtr BuildToolbarObject()
{
    auto root = Root("Toolbar", 300, 26);
    piece(root.get(), "Frame", saClient, RECT{}, atlas::menu::Name, atlas::menu::BarFrame, 0, tsStretch);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildControlBarObject()
{
    auto root = Root("ControlBar", 300, 60);
    auto* back = Add<TSeSkinObject>(root.get(), "Back", saClient, RECT{});
    SetColour(back, palette::Menu);
    piece(root.get(), "Frame", saNone, RECT{2, 2, 150, 28}, p::Name, p::PanelFrame, p::FrameMargin);
    piece(root.get(), "Grabber", saNone, RECT{4, 4, 12, 26}, p::Name, p::StatusDivider, 0, tsStretch);
    LayOut(root.get());
    return root;
}

std::vector<ObjectPtr> BuildSkinObjects()
{
    std::vector<ObjectPtr> objects;
    objects.push_back(BuildFormObject());
    objects.push_back(BuildPopupMenuObject());
    objects.push_back(BuildCheckBoxObject());
    objects.push_back(BuildRadioButtonObject());
    objects.push_back(BuildScrollBarObject());
    objects.push_back(BuildButtonObject());
    objects.push_back(BuildSpeedButtonObject());
    objects.push_back(BuildGroupBoxObject());
    objects.push_back(BuildProgressBarObject());
    objects.push_back(BuildTrackBarObject());
    objects.push_back(BuildListBoxObject());
    objects.push_back(BuildEditObject());
    objects.push_back(BuildComboBoxObject());
    objects.push_back(BuildSpinButtonObject());
    objects.push_back(BuildPanelObject());
    objects.push_back(BuildTabsObject());
    objects.push_back(BuildGridObject());
    objects.push_back(BuildHeaderObject());
    objects.push_back(BuildStatusBarObject());
    objects.push_back(BuildScrollBoxObject());
    objects.push_back(BuildSplitterObject());
    objects.push_back(BuildMenuBarObject());
    objects.push_back(BuildToolbarObject());
    objects.push_back(BuildControlBarObject());
    objects.push_back(BuildToolbarObject());
    return objects;
}

} // namespace skinart
