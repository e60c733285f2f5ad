// The frame of popup menu windows.

#include "skin/controls/menus/SePopupForm.h"

#include "skin/controls/menus/SeMenuSkin.h"
#include "skin/controls/menus/SePopupWindow.h"

#include "skin/engine/SeSkinObject.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

TSePopupForm::TSePopupForm(TSePopupWindow* window) : TComponent(window), window_(window) {}

RECT TSePopupForm::ClientInsets() const
{
    return brio::menuFrameInsets(look_);
}

SIZE TSePopupForm::EffectsSize() const
{
    // The shadow band is drawn by the skinned form's effects; until a
    // popup frame has them, no room is kept for it.
    return SIZE{0, 0};
}

void TSePopupForm::PaintFrame(TCanvas& canvas, const RECT& whole)
{
    brio::drawMenuFrame(canvas, whole, look_);
}

void TSePopupForm::UpdateRegion(HWND window, SIZE size)
{
    if (!look_.skinned() || !look_.skin->Frame())
        return;
    TSeSkinObject* frame = look_.skin->Frame();
    frame->ArrangeIn(RECT{0, 0, size.cx, size.cy});
    HRGN region = frame->CreateRegion();
    if (!region)
        return;
    const RECT insets = ClientInsets();
    HRGN rows = CreateRectRgn(insets.left, insets.top, size.cx - insets.right, size.cy - insets.bottom);
    CombineRgn(region, region, rows, RGN_OR);
    DeleteObject(rows);
    // The window owns the region from here on.
    SetWindowRgn(window, region, FALSE);
}
