#include "ui/graphics/Canvas.h"

#include "platform/Gdi.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Graphic.h"

namespace {

HGDIOBJ stockPen() { return GetStockObject(BLACK_PEN); }
HGDIOBJ stockBrush() { return GetStockObject(HOLLOW_BRUSH); }
HGDIOBJ stockFont() { return GetStockObject(SYSTEM_FONT); }

} // namespace

unsigned TextFormatToDrawTextFlags(TTextFormat format)
{
    struct Flag {
        TTextFormats item;
        unsigned flag;
    };
    static constexpr Flag flags[] = {
        {tfBottom, DT_BOTTOM},
        {tfCalcRect, DT_CALCRECT},
        {tfCenter, DT_CENTER},
        {tfEditControl, DT_EDITCONTROL},
        {tfEndEllipsis, DT_END_ELLIPSIS},
        {tfPathEllipsis, DT_PATH_ELLIPSIS},
        {tfExpandTabs, DT_EXPANDTABS},
        {tfExternalLeading, DT_EXTERNALLEADING},
        {tfLeft, DT_LEFT},
        {tfModifyString, DT_MODIFYSTRING},
        {tfNoClip, DT_NOCLIP},
        {tfNoPrefix, DT_NOPREFIX},
        {tfRight, DT_RIGHT},
        {tfRtlReading, DT_RTLREADING},
        {tfSingleLine, DT_SINGLELINE},
        {tfTop, DT_TOP},
        {tfVerticalCenter, DT_VCENTER},
        {tfWordBreak, DT_WORDBREAK},
        {tfHidePrefix, DT_HIDEPREFIX},
        {tfPrefixOnly, DT_PREFIXONLY},
        {tfTabStop, DT_TABSTOP},
        {tfWordEllipsis, DT_WORD_ELLIPSIS},
    };
    unsigned result = 0;
    for (const Flag& f : flags)
        if (format.Contains(f.item))
            result |= f.flag;
    // The caller's string is const: ellipses are drawn, never written back.
    return result & ~DT_MODIFYSTRING;
}

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()),
      copyMode_(SRCCOPY)
{
    font_->OnChange = [this](TObject*) { fontChanged(); };
    brush_->OnChange = [this](TObject*) { brushChanged(); };
    pen_->OnChange = [this](TObject*) { penChanged(); };
}

TCanvas::~TCanvas()
{
    DeselectHandles();
}

HDC TCanvas::Handle()
{
    RequiredState({csHandleValid});
    return handle_;
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == handle_)
        return;
    DeselectHandles();
    handle_ = dc;
    state_ = dc ? TCanvasState{csHandleValid} : TCanvasState{};
}

void TCanvas::RequiredState(TCanvasState required)
{
    TCanvasState needed = required - state_;
    if (needed.Empty())
        return;
    if (needed.Contains(csHandleValid)) {
        CreateHandle();
        if (!handle_)
            throw EInvalidOperation("Canvas does not allow drawing");
        state_.Include(csHandleValid);
    }
    if (needed.Contains(csFontValid))
        selectFont();
    if (needed.Contains(csPenValid))
        selectPen();
    if (needed.Contains(csBrushValid))
        selectBrush();
}

void TCanvas::selectFont()
{
    SelectObject(handle_, font_->Handle());
    SetTextColor(handle_, ColorToRGB(font_->Color()));
    state_.Include(csFontValid);
}

void TCanvas::selectPen()
{
    SelectObject(handle_, pen_->Handle());
    SetROP2(handle_, PenModeToRop2(pen_->Mode()));
    state_.Include(csPenValid);
}

void TCanvas::selectBrush()
{
    SelectObject(handle_, brush_->Handle());
    COLORREF color = ColorToRGB(brush_->Color());
    if (brush_->Style() == bsSolid) {
        SetBkColor(handle_, color);
        SetBkMode(handle_, OPAQUE);
    } else {
        SetBkColor(handle_, ~color & 0xFFFFFF);
        SetBkMode(handle_, TRANSPARENT);
    }
    state_.Include(csBrushValid);
}

void TCanvas::DeselectHandles()
{
    if (!handle_)
        return;
    if (state_.Contains(csFontValid))
        SelectObject(handle_, stockFont());
    if (state_.Contains(csPenValid))
        SelectObject(handle_, stockPen());
    if (state_.Contains(csBrushValid))
        SelectObject(handle_, stockBrush());
    state_ -= {csFontValid, csPenValid, csBrushValid};
}

void TCanvas::Refresh()
{
    DeselectHandles();
}

void TCanvas::fontChanged()
{
    if (state_.Contains(csFontValid)) {
        state_.Exclude(csFontValid);
        SelectObject(handle_, stockFont());
    }
}

void TCanvas::penChanged()
{
    if (state_.Contains(csPenValid)) {
        state_.Exclude(csPenValid);
        SelectObject(handle_, stockPen());
    }
}

void TCanvas::brushChanged()
{
    if (state_.Contains(csBrushValid)) {
        state_.Exclude(csBrushValid);
        SelectObject(handle_, stockBrush());
    }
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

POINT TCanvas::PenPos()
{
    RequiredState({csHandleValid});
    POINT p{};
    GetCurrentPositionEx(handle_, &p);
    return p;
}

TColor TCanvas::Pixels(int x, int y)
{
    RequiredState({csHandleValid});
    COLORREF c = GetPixel(handle_, x, y);
    return c == CLR_INVALID ? clNone : TColor(c);
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    Changing();
    RequiredState({csHandleValid, csPenValid});
    SetPixel(handle_, x, y, ColorToRGB(color));
    Changed();
}

RECT TCanvas::ClipRect()
{
    RequiredState({csHandleValid});
    RECT r{};
    GetClipBox(handle_, &r);
    return r;
}

void TCanvas::FillRect(const RECT& r)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FillRect(handle_, &r, brush_->Handle());
    Changed();
}

void TCanvas::FrameRect(const RECT& r)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FrameRect(handle_, &r, brush_->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const RECT& r)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::DrawFocusRect(handle_, &r);
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Rectangle(handle_, x1, y1, x2, y2);
    Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::RoundRect(handle_, x1, y1, x2, y2, x3, y3);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Ellipse(handle_, x1, y1, x2, y2);
    Changed();
}

void TCanvas::Polygon(std::span<const POINT> points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polygon(handle_, points.data(), int(points.size()));
    Changed();
}

void TCanvas::Polyline(std::span<const POINT> points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polyline(handle_, points.data(), int(points.size()));
    Changed();
}

void TCanvas::MoveTo(int x, int y)
{
    RequiredState({csHandleValid});
    MoveToEx(handle_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::LineTo(handle_, x, y);
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    ExtTextOut(handle_, x, y, UINT(textFlags_), nullptr, text.data(), UINT(text.size()), nullptr);
    MoveTo(x + TextWidth(text), y);
    Changed();
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    UINT options = UINT(textFlags_) | ETO_CLIPPED;
    if (brush_->Style() != bsClear)
        options |= ETO_OPAQUE;
    ExtTextOut(handle_, x, y, options, &r, text.data(), UINT(text.size()), nullptr);
    Changed();
}

void TCanvas::TextRect(RECT& r, const std::string& text, TTextFormat format)
{
    bool measuring = format.Contains(tfCalcRect);
    if (!measuring)
        Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    ::DrawText(handle_, text.data(), int(text.size()), &r, TextFormatToDrawTextFlags(format));
    if (!measuring)
        Changed();
}

SIZE TCanvas::TextExtent(const std::string& text)
{
    RequiredState({csHandleValid, csFontValid});
    SIZE size{};
    GetTextExtentPoint32(handle_, text.data(), int(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    Changing();
    RequiredState({csHandleValid});
    graphic->Draw(*this, RECT{x, y, x + graphic->Width(), y + graphic->Height()});
    Changed();
}

void TCanvas::StretchDraw(const RECT& r, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    Changing();
    RequiredState({csHandleValid});
    graphic->Draw(*this, r);
    Changed();
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC sourceDc = source.Handle();
    StretchBlt(handle_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, sourceDc,
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, copyMode_);
    Changed();
}
