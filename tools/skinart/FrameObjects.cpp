// The window frame "Form", for the main window and the dialogs alike: the
// skin holds no "ToolWindow", so a tool window falls back to it.

#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeSkinObjects.h"
#include "skin/engine/SeSystemButtons.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinObjectBuilder.h"
#include "tools/skinart/SkinPalette.h"

namespace skinart {

using namespace build;
namespace frame = atlas::frame;
namespace caption = atlas::caption;

namespace {

struct FrameGeometry {
    const char* name;
    int width, height;
    RECT captionCell;
    int captionHeight;
    int titleHeight;  // font height
    RECT buttons;     // the button container, in the stored size
};

void activeLinks(TSeFormBitmapSkinObject* object, RECT activeCell)
{
    Link(object->Bitmap(), frame::Name, activeCell);
    Link(object->InactiveBitmap(), frame::Name, frame::Inactive(activeCell));
}

TSeSystemButton* captionButton(TSeSkinObject* container, const char* name, TSeAction action, caption::Glyph glyph,
                               int height)
{
    const bool isClose = action == sbaClose;
    const int width = isClose ? 23 : 21;
    auto* button = Add<TSeSystemButton>(container, name, saRight, RECT{0, 0, width, height});
    button->SetAction(action);
    const RECT back = isClose ? caption::Back23 : caption::Back21;
    Link(button->Bitmap(), caption::Name, back);
    Link(button->ActiveBitmap(), caption::Name, back);
    Link(button->BitmapHot(), caption::Name, atlas::Next(back, 1));
    Link(button->BitmapPressed(), caption::Name, atlas::Next(back, 2));
    // The hover backgrounds are rounded; nine parts keep the corners at any height.
    Margins(button, 4, 4, 4, 4);
    NoFill(button);

    auto* face = Add<TSeButtonObject>(button, "Glyph", saCenter, RECT{0, 0, caption::GlyphSize, caption::GlyphSize});
    Link(face->Bitmap(), caption::Name, caption::GlyphCell(glyph, 0));
    Link(face->BitmapHot(), caption::Name, caption::GlyphCell(glyph, 1));
    Link(face->BitmapPressed(), caption::Name, caption::GlyphCell(glyph, 2));
    Link(face->BitmapDisabled(), caption::Name, caption::GlyphCell(glyph, 3));
    NoFill(face);
    return button;
}

std::unique_ptr<TSeSkinObject> buildFrame(const FrameGeometry& g)
{
    auto form = Root(g.name, g.width, g.height);
    form->SetKind(skForm);

    auto* bar = Add<TSeActiveBitmap>(form.get(), "Caption", saTop, RECT{0, 0, g.width, g.captionHeight});
    bar->SetKind(skCaption);
    Link(bar->Bitmap(), frame::Name, frame::Inactive(g.captionCell));
    Link(bar->ActiveBitmap(), frame::Name, g.captionCell);
    // The ends carry the rounded corners; the middle column repeats.
    Margins(bar, 10, 0, 10, 0);
    NoFill(bar);
    for (auto [name, align] : {std::pair{"CaptionLeft", saLeft}, std::pair{"CaptionRight", saRight}}) {
        auto* end = Add<TSeSkinObject>(bar, name, align, RECT{0, 0, 10, g.captionHeight});
        end->SetKind(skCaption);
        NoFill(end);
    }
    auto* title = Add<TSeActiveObject>(bar, "Title", saClient, RECT{});
    title->SetKind(skTitle);
    NoFill(title);
    title->SetActiveColor(clNone);
    SetFont(title->Font(), palette::TextDisabled, true, g.titleHeight);
    SetFont(title->ActiveFont(), palette::Text, true, g.titleHeight);
    // Room for the window icon on the left and the caption buttons on the right.
    title->SetTextMarginLeft(g.captionHeight + 2);
    title->SetTextMarginRight(g.width - g.buttons.left - 10 + 4);
    title->SetTextMarginTop(2);

    // A bitmap object (with a clear picture) lays its buttons out again at
    // every paint, so buttons hidden by the window state leave no gaps.
    auto* buttons = Add<TSeBitmapObject>(bar, "ButtonContainer", saTopRight, g.buttons);
    Link(buttons->Bitmap(), caption::Name, caption::Back21);
    NoFill(buttons);
    const int h = g.buttons.bottom - g.buttons.top;
    captionButton(buttons, "CloseButton", sbaClose, caption::Close, h);
    captionButton(buttons, "RestoreButton", sbaRestore, caption::Restore, h);
    captionButton(buttons, "MaxButton", sbaMaximize, caption::Maximize, h);
    captionButton(buttons, "MinButton", sbaMinimize, caption::Minimize, h);
    captionButton(buttons, "RollDownButton", sbaRollDown, caption::RollDown, h);
    captionButton(buttons, "RollUpButton", sbaRollUp, caption::RollUp, h);
    captionButton(buttons, "TrayButton", sbaTray, caption::Tray, h);
    captionButton(buttons, "HelpButton", sbaHelp, caption::Help, h);

    auto* left = Add<TSeFormBitmapSkinObject>(form.get(), "Left", saLeft, RECT{0, 0, 5, 10});
    left->SetKind(skLeft);
    activeLinks(left, frame::Left);
    auto* right = Add<TSeFormBitmapSkinObject>(form.get(), "Right", saRight, RECT{0, 0, 5, 10});
    right->SetKind(skRight);
    activeLinks(right, frame::Right);

    auto* bottom = Add<TSeSkinObject>(form.get(), "Bottom", saBottom, RECT{0, 0, g.width, 5});
    bottom->SetKind(skBottom);
    NoFill(bottom);
    auto* bottomLeft = Add<TSeFormBitmapSkinObject>(bottom, "BottomLeft", saLeft, RECT{0, 0, 10, 5});
    bottomLeft->SetKind(skBottomLeft);
    activeLinks(bottomLeft, frame::BottomLeft);
    auto* bottomRight = Add<TSeFormBitmapSkinObject>(bottom, "BottomRight", saRight, RECT{0, 0, 10, 5});
    bottomRight->SetKind(skBottomRight);
    activeLinks(bottomRight, frame::BottomRight);
    auto* bottomCenter = Add<TSeFormBitmapSkinObject>(bottom, "BottomCenter", saClient, RECT{});
    bottomCenter->SetKind(skBottom);
    activeLinks(bottomCenter, frame::BottomCenter);

    auto* client = Add<TSeSkinObject>(form.get(), "Client", saClient, RECT{});
    client->SetKind(skClient);
    SetColour(client, palette::Surface);
    SetFont(client->Font(), palette::Text);

    // Draws the window's icon, small, at the caption's left.
    const int iconTop = (g.captionHeight - 16) / 2 + 1;
    auto* sysMenu = Add<TSeSystemButton>(form.get(), "SysMenu", saNone, RECT{8, iconTop, 24, iconTop + 16});
    sysMenu->SetAction(sbaSysMenu);
    Link(sysMenu->Bitmap(), caption::Name, RECT{0, 0, 16, 16});
    NoFill(sysMenu);

    LayOut(form.get());
    return form;
}

} // namespace

std::unique_ptr<TSeSkinObject> BuildFormObject()
{
    return buildFrame({"Form", 375, 247, frame::FormCaption, frame::FormCaptionHeight, -12, RECT{241, 4, 369, 25}});
}

} // namespace skinart
