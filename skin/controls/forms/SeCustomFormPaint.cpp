// Painting the frame and the client background, straight into the window
// or through a buffer chosen by Performance. The frame never touches the
// client area: it is excluded from clipping, and a buffer goes back in four
// strips around it, so child controls never flicker during frame updates.

#include "skin/controls/forms/SeCustomForm.h"

#include "skin/engine/SeBitmap.h"

#include "platform/RectMath.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Canvas.h"

namespace {

// One bitmap for every form of the process that asks for the shared
// buffer; it only grows. Never freed: forms may paint until exit.
TSeBitmap& sharedBuffer()
{
    static TSeBitmap* buffer = new TSeBitmap();
    return *buffer;
}

void ensureSize(TSeBitmap& bitmap, SIZE size, bool onlyGrow)
{
    if (onlyGrow) {
        if (bitmap.Width() >= size.cx && bitmap.Height() >= size.cy)
            return;
        bitmap.Allocate(std::max(bitmap.Width(), size.cx), std::max(bitmap.Height(), size.cy));
        return;
    }
    if (bitmap.Width() != size.cx || bitmap.Height() != size.cy)
        bitmap.Allocate(size.cx, size.cy);
}

// A canvas on a DC for the length of a paint; the DC is not the canvas's.
class BorrowedCanvas {
public:
    explicit BorrowedCanvas(HDC dc) { canvas_.SetHandle(dc); }
    ~BorrowedCanvas() { canvas_.SetHandle(nullptr); }
    BorrowedCanvas(const BorrowedCanvas&) = delete;
    BorrowedCanvas& operator=(const BorrowedCanvas&) = delete;
    TCanvas& canvas() { return canvas_; }

private:
    TCanvas canvas_;
};

class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() { RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace

TSeBitmap* TSeCustomForm::frameBuffer(std::unique_ptr<TSeBitmap>& temporary)
{
    switch (performance_) {
    case ksfpSharedBuffer:
        ensureSize(sharedBuffer(), windowSize_, true);
        return &sharedBuffer();
    case ksfpPersistentBuffer:
        if (!persistentBuffer_)
            persistentBuffer_ = std::make_unique<TSeBitmap>();
        ensureSize(*persistentBuffer_, windowSize_, false);
        return persistentBuffer_.get();
    case ksfpDoubleBuffer:
        break;
    case ksfpNoBuffer:
        if (!effectsNeedBuffer())
            return nullptr;
        break;
    }
    temporary = std::make_unique<TSeBitmap>();
    temporary->Allocate(windowSize_.cx, windowSize_.cy);
    return temporary.get();
}

void TSeCustomForm::PaintNonClient()
{
    HWND hwnd = windowHandle();
    if (!hwnd || !paintingAllowed_ || windowSize_.cx <= 0 || windowSize_.cy <= 0)
        return;
    RECT client = GetClientBounds();
    if (client == frameRect() && ShadowExtent() == 0)
        return;
    TSeBitmap* animation = animationImage();
    std::unique_ptr<TSeBitmap> temporary;
    TSeBitmap* buffer = animation ? animation : frameBuffer(temporary);
    if (!buffer) {
        HDC windowDc = GetWindowDC(hwnd);
        if (!windowDc)
            return;
        {
            SavedDc saved(windowDc);
            ExcludeClipRect(windowDc, client.left, client.top, client.right, client.bottom);
            BorrowedCanvas canvas(windowDc);
            paintingToWindow_ = true;
            try {
                PaintFrame(canvas.canvas());
            } catch (...) {
                paintingToWindow_ = false;
                throw;
            }
            paintingToWindow_ = false;
        }
        ReleaseDC(hwnd, windowDc);
        return;
    }
    HDC dc = buffer->DC();
    if (ShadowExtent() > 0)
        paintShadowInto(*buffer);
    {
        SavedDc saved(dc);
        IntersectClipRect(dc, 0, 0, frameSize_.cx, frameSize_.cy);
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        BorrowedCanvas canvas(dc);
        PaintFrame(canvas.canvas());
    }
    if (blending_->Enabled())
        blendFrameInto(*buffer, client);
    if (buffer == animation)
        return;
    // The window DC is taken per paint: the host may have made a new window.
    HDC windowDc = GetWindowDC(hwnd);
    if (!windowDc)
        return;
    copyFrameStrips(windowDc, dc, client);
    ReleaseDC(hwnd, windowDc);
}

void TSeCustomForm::copyFrameStrips(HDC target, HDC source, const RECT& client)
{
    int width = windowSize_.cx, height = windowSize_.cy;
    BitBlt(target, 0, 0, width, client.top, source, 0, 0, SRCCOPY);
    BitBlt(target, 0, client.top, client.left, Height(client), source, 0, client.top, SRCCOPY);
    BitBlt(target, client.right, client.top, width - client.right, Height(client), source, client.right, client.top,
           SRCCOPY);
    BitBlt(target, 0, client.bottom, width, height - client.bottom, source, 0, client.bottom, SRCCOPY);
}

void TSeCustomForm::paintClientInto(TCanvas& canvas)
{
    TCanvas* previous = paintCanvas_;
    paintCanvas_ = &canvas;
    try {
        if (OnPaint && !Loading())
            OnPaint(this);
        else
            PaintClient(canvas);
    } catch (...) {
        paintCanvas_ = previous;
        throw;
    }
    paintCanvas_ = previous;
}

void TSeCustomForm::PaintClient(TCanvas& canvas)
{
    TWinControl* window = host();
    if (!window)
        return;
    RECT client{0, 0, window->ClientWidth(), window->ClientHeight()};
    HBRUSH brush = CreateSolidBrush(ColorToRGB(window->Color()));
    FillRect(canvas.Handle(), &client, brush);
    DeleteObject(brush);
}

void TSeCustomForm::paintClientBackground(HDC dc, const RECT* only)
{
    if (!host() || !dc)
        return;
    RECT bounds = GetClientBounds();
    int width = host()->ClientWidth(), height = host()->ClientHeight();
    TSeBitmap* animation = animationImage();
    std::unique_ptr<TSeBitmap> temporary;
    TSeBitmap* buffer = animation;
    if (!buffer && (performance_ != ksfpNoBuffer || blending_->Enabled()))
        buffer = frameBuffer(temporary);
    if (!buffer) {
        SavedDc saved(dc);
        IntersectClipRect(dc, 0, 0, width, height);
        BorrowedCanvas canvas(dc);
        paintClientInto(canvas.canvas());
        return;
    }
    HDC bufferDc = buffer->DC();
    {
        SavedDc saved(bufferDc);
        OffsetViewportOrgEx(bufferDc, bounds.left, bounds.top, nullptr);
        IntersectClipRect(bufferDc, 0, 0, width, height);
        BorrowedCanvas canvas(bufferDc);
        paintClientInto(canvas.canvas());
    }
    if (buffer == animation)
        return;
    RECT area = only ? Offset(*only, bounds.left, bounds.top) : RECT{bounds.left, bounds.top, bounds.left + width,
                                                                     bounds.top + height};
    if (blending_->Enabled())
        blendClientInto(*buffer, area);
    BitBlt(dc, area.left - bounds.left, area.top - bounds.top, Width(area), Height(area), bufferDc, area.left,
           area.top, SRCCOPY);
}
