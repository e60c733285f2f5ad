// The frame of popup menu windows.

#include "skin/controls/menus/SePopupForm.h"

#include "skin/controls/menus/SeMenuSkin.h"
#include "skin/controls/menus/SePopupWindow.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeSkinObject.h"
#include "ui/graphics/Canvas.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/RectMath.h"

#include <algorithm>

TSePopupForm::TSePopupForm(TSePopupWindow* window) : TSeCustomForm(window), window_(window)
{
    // A menu never minimizes the application nor shows caption buttons.
    SetMinimizeApplication(false);
    SetBorderStyle(kbsNone);
    SetBorderIcons({});
}

void TSePopupForm::AfterLoad()
{
    // The window was made at its final size just before the frame attached:
    // one new measure of the frame and the region are all it needs (no
    // notification icon, no resize round trip).
    if (!Attached() || !window_->HandleAllocated())
        return;
    SetWindowPos(window_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateRegion();
    if (StayOnTop())
        SetStayOnTop(true);
}

RECT TSePopupForm::ClientInsets() const
{
    return brio::menuFrameInsets(look_);
}

RECT TSePopupForm::GetClientBounds()
{
    const RECT frame = frameRect();
    const RECT insets = ClientInsets();
    RECT client{frame.left + insets.left, frame.top + insets.top, frame.right - insets.right,
                frame.bottom - insets.bottom};
    client.right = std::max(client.left, client.right);
    client.bottom = std::max(client.top, client.bottom);
    return client;
}

SIZE TSePopupForm::GetMinTrackSize()
{
    return kMinTrackSize;
}

HRGN TSePopupForm::CreateRegion()
{
    const RECT frame = frameRect();
    if (!look_.skinned() || !look_.skin->Frame())
        return CreateRectRgn(frame.left, frame.top, frame.right, frame.bottom);
    // The skin frame's outline (rounded or cut corners), the rows' area
    // always included.
    HRGN region = look_.skin->FrameRegion(SIZE{Width(frame), Height(frame)});
    const RECT client = GetClientBounds();
    HRGN rows = CreateRectRgn(client.left, client.top, client.right, client.bottom);
    if (!region)
        return rows;
    CombineRgn(region, region, rows, RGN_OR);
    DeleteObject(rows);
    return region;
}

void TSePopupForm::PaintFrame(TCanvas& canvas)
{
    brio::drawMenuFrame(canvas, frameRect(), look_);
}

void TSePopupForm::PaintClient(TCanvas& canvas)
{
    HDC dc = canvas.Handle();
    RECT clip{};
    GetClipBox(dc, &clip);
    // Rows of the skin are partly see-through: the frame's middle shows
    // behind them. Measured rows bring it along; only a scrolled level has
    // room around them (its scroll areas).
    if (look_.skinned() && window_->View()->IsScrolled()) {
        const RECT client = GetClientBounds();
        const RECT frame = frameRect();
        if (TSeBitmap* picture = look_.skin->FramePicture(SIZE{Width(frame), Height(frame)})) {
            BitBlt(dc, clip.left, clip.top, Width(clip), Height(clip), picture->DC(), clip.left + client.left,
                   clip.top + client.top, SRCCOPY);
        } else {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(look_.skin->Root()->Color());
            canvas.FillRect(clip);
        }
    }
    window_->View()->Paint(canvas, clip);
}
