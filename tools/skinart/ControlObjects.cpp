// Object trees of buttons, check boxes, scroll bars, track and progress
// bars, menus.

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

namespace {

// Links by look from a strip whose columns run normal, hot, pressed,
// focused, disabled.
void lookLinks(TSeButtonObject* object, const char* bitmap, RECT first)
{
    Link(object->Bitmap(), bitmap, first);
    Link(object->BitmapHot(), bitmap, Next(first, atlas::Hot));
    Link(object->BitmapPressed(), bitmap, Next(first, atlas::Pressed));
    Link(object->BitmapFocused(), bitmap, Next(first, atlas::Focused));
    Link(object->BitmapDisabled(), bitmap, Next(first, atlas::Disabled));
}

// Columns normal, hot, pressed and disabled (no focused look).
void fourLinks(TSeButtonObject* object, const char* bitmap, RECT first)
{
    Link(object->Bitmap(), bitmap, first);
    Link(object->BitmapHot(), bitmap, Next(first, 1));
    Link(object->BitmapPressed(), bitmap, Next(first, 2));
    Link(object->BitmapDisabled(), bitmap, Next(first, 3));
}

TSeButtonObject* face(TSeSkinObject* parent, const char* name, RECT first)
{
    auto* object = Add<TSeButtonObject>(parent, name, saClient, RECT{});
    lookLinks(object, atlas::buttons::Name, first);
    const int m = atlas::buttons::FaceMargin;
    Margins(object, m, m, m, m);
    object->SetTileStyle(tsStretch);
    object->SetBorderTileStyle(tsStretch);
    NoFill(object);
    return object;
}

TSeTextObject* text(TSeSkinObject* parent, TSeAlign align, RECT bounds, TSeTextAlign textAlign)
{
    auto* object = Add<TSeTextObject>(parent, "Text", align, bounds);
    NoFill(object);
    object->SetTextAlign(textAlign);
    SetFont(object->Font(), palette::Text);
    SetFont(object->FontHot(), palette::TextBright);
    SetFont(object->FontPressed(), palette::TextBright);
    SetFont(object->FontFocused(), palette::TextBright);
    SetFont(object->FontDisabled(), palette::TextDisabled);
    return object;
}

TSeButtonObject* box(TSeSkinObject* parent, const char* name, atlas::checks::Row row, int top)
{
    const int s = atlas::checks::Size;
    auto* object = Add<TSeButtonObject>(parent, name, saNone, RECT{0, top, s, top + s});
    lookLinks(object, atlas::checks::Name, atlas::checks::Box(row, 0));
    NoFill(object);
    return object;
}

TSeButtonObject* arrowButton(TSeSkinObject* parent, const char* name, atlas::scroll::Direction d, RECT bounds)
{
    auto* object = Add<TSeButtonObject>(parent, name, saNone, bounds);
    fourLinks(object, atlas::scroll::Name, atlas::scroll::ArrowCell(d, 0));
    object->SetTileStyle(tsCenter);
    NoFill(object);
    return object;
}

TSeButtonObject* thumb(TSeSkinObject* parent, const char* name, RECT bounds)
{
    auto* object = Add<TSeButtonObject>(parent, name, saNone, bounds);
    lookLinks(object, atlas::track::Name, atlas::track::Thumb);
    object->SetTileStyle(tsCenter);
    NoFill(object);
    return object;
}

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

} // namespace

ObjectPtr BuildButtonObject()
{
    auto root = Root("Button", 75, 25);
    face(root.get(), "Face", atlas::buttons::Face);
    text(root.get(), saClient, RECT{}, TSeTextAlign::taCenter);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildSpeedButtonObject()
{
    auto root = Root("SpeedButton", 75, 25);
    face(root.get(), "Face", atlas::buttons::Face);
    text(root.get(), saClient, RECT{}, TSeTextAlign::taCenter);
    face(root.get(), "FlatFace", atlas::buttons::FlatFace);
    for (const char* name : {"Chevron", "FlatChevron"}) {
        auto* chevron = Add<TSeButtonObject>(root.get(), name, saNone, RECT{59, 4, 75, 20});
        fourLinks(chevron, atlas::buttons::Name, atlas::buttons::Arrow);
        NoFill(chevron);
    }
    LayOut(root.get());
    return root;
}

ObjectPtr BuildSpinButtonObject()
{
    auto root = Root("SpinButton", 17, 21);
    face(root.get(), "Face", atlas::buttons::Face);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildCheckBoxObject()
{
    auto root = Root("CheckBox", 98, 20);
    box(root.get(), "Unchecked", atlas::checks::Unchecked, 2);
    box(root.get(), "Checked", atlas::checks::Checked, 2);
    box(root.get(), "Mixed", atlas::checks::Mixed, 2);
    text(root.get(), saNone, RECT{20, 0, 98, 20}, TSeTextAlign::taLeft);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildRadioButtonObject()
{
    auto root = Root("RadioButton", 98, 20);
    box(root.get(), "Unchecked", atlas::checks::RadioOff, 2);
    box(root.get(), "Checked", atlas::checks::RadioOn, 2);
    text(root.get(), saNone, RECT{20, 0, 98, 20}, TSeTextAlign::taLeft);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildScrollBarObject()
{
    namespace s = atlas::scroll;
    // Stored as the corner of a scrolled area: the horizontal bar along the
    // bottom, the vertical one along the right.
    auto root = Root("ScrollBar", 216, 216);
    NoFill(root.get());
    const int n = s::Size, end = 200;
    piece(root.get(), "HorzFrame", saNone, RECT{0, end, end, end + n}, s::Name, s::HorzTrack, 0, tsStretch);
    arrowButton(root.get(), "LeftButton", s::Left, RECT{0, end, n, end + n});
    arrowButton(root.get(), "RightButton", s::Right, RECT{end - n, end, end, end + n});
    auto* horz = Add<TSeButtonObject>(root.get(), "HorzSlider", saNone, RECT{n, end, n + 60, end + n});
    fourLinks(horz, s::Name, s::HorzSlider);
    Margins(horz, s::SliderMargin, 0, s::SliderMargin, 0);
    NoFill(horz);
    arrowButton(root.get(), "TopButton", s::Up, RECT{end, 0, end + n, n});
    piece(root.get(), "VertFrame", saNone, RECT{end, 0, end + n, end}, s::Name, s::VertTrack, 0, tsStretch);
    arrowButton(root.get(), "BottomButton", s::Down, RECT{end, end - n, end + n, end});
    auto* vert = Add<TSeButtonObject>(root.get(), "VertSlider", saNone, RECT{end, n, end + n, n + 60});
    fourLinks(vert, s::Name, s::VertSlider);
    Margins(vert, 0, s::SliderMargin, 0, s::SliderMargin);
    NoFill(vert);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildProgressBarObject()
{
    namespace t = atlas::track;
    auto root = Root("ProgressBar", 150, 18);
    NoFill(root.get());
    piece(root.get(), "Frame", saClient, RECT{}, t::Name, t::ProgressFrame, t::ProgressMargin);
    piece(root.get(), "BarHorz", saNone, RECT{4, 4, 100, 14}, t::Name, t::ProgressHorz, 3, tsStretch);
    piece(root.get(), "BarVert", saNone, RECT{4, 4, 14, 14}, t::Name, t::ProgressVert, 3, tsStretch);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildTrackBarObject()
{
    namespace t = atlas::track;
    auto root = Root("TrackBar", 150, 24);
    NoFill(root.get());
    // Margin: where the track starts; offset: where the thumb row starts.
    auto* frame = Add<TSeSkinObject>(root.get(), "Frame", saNone, RECT{0, 0, 150, 24});
    NoFill(frame);
    Margins(frame, 8, 4, 8, 4);
    const int m = t::ChannelMargin;
    piece(root.get(), "Track", saNone, RECT{8, 9, 142, 15}, t::Name, t::HorzChannel, m);
    piece(root.get(), "TrackVert", saNone, RECT{9, 8, 15, 142}, t::Name, t::VertChannel, m);
    piece(root.get(), "Highlight", saNone, RECT{8, 9, 60, 15}, t::Name, t::HorzHighlight, m);
    piece(root.get(), "HighlightVert", saNone, RECT{9, 8, 15, 60}, t::Name, t::VertHighlight, m);
    for (const char* name : {"ThumbHorz", "ThumbHorzTop", "ThumbHorzBottom"})
        thumb(root.get(), name, RECT{52, 4, 68, 20});
    for (const char* name : {"ThumbVert", "ThumbVertLeft", "ThumbVertRight"})
        thumb(root.get(), name, RECT{4, 52, 20, 68});
    LayOut(root.get());
    return root;
}

ObjectPtr BuildPopupMenuObject()
{
    namespace m = atlas::menu;
    auto root = Root("PopupMenu", 160, 80);
    SetColour(root.get(), palette::Menu);
    auto* item = Add<TSeButtonObject>(root.get(), "Item", saNone, RECT{4, 4, 156, 26});
    item->SetKind(skPopupMenuItem);
    Link(item->Bitmap(), m::Name, m::Row);
    Link(item->BitmapHot(), m::Name, Next(m::Row, 1));
    Link(item->BitmapFocused(), m::Name, Next(m::Row, 2));
    Link(item->BitmapPressed(), m::Name, Next(m::Row, 2));
    Margins(item, 4, 4, 4, 4);
    NoFill(item);
    SetFont(item->Font(), palette::Text);
    item->SetTextMarginLeft(28);
    item->SetTextMarginRight(8);
    // A hairline across the row, inset from both sides.
    auto* separator = Add<TSeSkinObject>(root.get(), "Separator", saNone, RECT{4, 26, 156, 35});
    NoFill(separator);
    SetFont(separator->Font(), palette::Border);
    for (auto [name, align, size] : {std::tuple{"SpaceLeft", saMostLeft, 8}, std::tuple{"SpaceRight", saMostRight, 8},
                                     std::tuple{"SpaceTop", saTop, 4}}) {
        auto* space = Add<TSeSkinObject>(separator, name, align, RECT{0, 0, size, size});
        NoFill(space);
    }
    auto* line = Add<TSeSkinObject>(separator, "Line", saTop, RECT{0, 0, 1, 1});
    SetColour(line, palette::Border);
    auto* frame = piece(root.get(), "Frame", saClient, RECT{}, m::Name, m::PopupFrame, m::PopupMargin);
    frame->SetKind(skPopupMenu);
    LayOut(root.get());
    return root;
}

ObjectPtr BuildMenuBarObject()
{
    namespace m = atlas::menu;
    auto root = Root("MenuBar", 300, 24);
    SetColour(root.get(), palette::Menu);
    piece(root.get(), "Frame", saClient, RECT{}, m::Name, m::BarFrame, 0, tsStretch)->SetKind(skMenuBar);
    auto* item = Add<TSeButtonObject>(root.get(), "Item", saNone, RECT{2, 2, 62, 22});
    item->SetKind(skMenuBarItem);
    Link(item->Bitmap(), m::Name, m::BarItem);
    Link(item->BitmapHot(), m::Name, Next(m::BarItem, 1));
    Link(item->BitmapFocused(), m::Name, Next(m::BarItem, 2));
    Link(item->BitmapPressed(), m::Name, Next(m::BarItem, 2));
    Margins(item, 4, 4, 4, 4);
    NoFill(item);
    item->SetTextAlign(TSeTextAlign::taCenter);
    item->SetTextMarginLeft(8);
    item->SetTextMarginRight(8);
    SetFont(item->Font(), palette::Text);
    const std::pair<const char*, m::BarButton> buttons[] = {{"Restore", m::Restore}, {"Min", m::Minimize},
                                                            {"Close", m::Close}};
    int x = 300 - 3 * 18;
    for (auto [name, kind] : buttons) {
        auto* button = Add<TSeButtonObject>(root.get(), name, saNone, RECT{x, 4, x + 16, 20});
        Link(button->Bitmap(), m::Name, m::BarButtonCell(kind, 0));
        Link(button->BitmapHot(), m::Name, m::BarButtonCell(kind, 1));
        Link(button->BitmapPressed(), m::Name, m::BarButtonCell(kind, 2));
        NoFill(button);
        x += 18;
    }
    piece(root.get(), "ToolbarFrame", saNone, RECT{0, 0, 300, 24}, m::Name, m::BarFrame, 0, tsStretch);
    auto* tool = face(root.get(), "ToolbarItem", atlas::buttons::FlatFace);
    tool->SetAlign(saNone);
    tool->ArrangeIn(RECT{64, 1, 86, 23});
    SetFont(tool->Font(), palette::Text);
    LayOut(root.get());
    return root;
}

} // namespace skinart
