#include "skin/controls/tree/SeCustomTreeView.h"

#include "platform/RectMath.h"
#include "platform/UxTheme.h"
#include "ui/control/ControlMessages.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Canvas.h"

namespace {

// A theme handle for "Edit", closed on leaving the scope.
class EditTheme {
public:
    explicit EditTheme(HWND hwnd) : theme_(hwnd ? OpenThemeData(hwnd, "Edit") : nullptr) {}
    ~EditTheme()
    {
        if (theme_)
            CloseThemeData(theme_);
    }
    EditTheme(const EditTheme&) = delete;
    EditTheme& operator=(const EditTheme&) = delete;
    HTHEME get() const { return theme_; }

private:
    HTHEME theme_;
};

// The classic size grip square where both native bars would meet.
constexpr int kCornerSquare = 25;

} // namespace

TSeCustomTreeView::TSeCustomTreeView(TComponent* owner) : TTreeView(owner) {}

TSeCustomTreeView::~TSeCustomTreeView()
{
    if (subScroll_)
        subScroll_->Detach();
    subScroll_.reset();
}

TSeCustomScrollBar* TSeCustomTreeView::CreateScrollBar(TComponent* owner)
{
    return new TSeCustomScrollBar(owner);
}

void TSeCustomTreeView::ensureOverlays()
{
    // Made on first use rather than in the constructor, so that a derived
    // tree's CreateScrollBar makes the bars.
    if (!subScroll_)
        subScroll_ = std::make_unique<TSeSubScrollBar>(this, [this](TComponent* owner) { return CreateScrollBar(owner); });
}

void TSeCustomTreeView::SetParent(TWinControl* parent)
{
    TTreeView::SetParent(parent);
    if (ComponentState().Contains(csDestroying))
        return;
    ensureOverlays();
    subScroll_->SetParent(parent);
    subScroll_->Sync();
}

int TSeCustomTreeView::themeState() const
{
    if (!Enabled())
        return ETS_DISABLED;
    if (const_cast<TSeCustomTreeView*>(this)->Focused())
        return ETS_SELECTED;
    return hot_ ? ETS_HOT : ETS_NORMAL;
}

void TSeCustomTreeView::redrawFrame()
{
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSeCustomTreeView::PaintTreeBackground(TCanvas& canvas, const RECT& rect)
{
    EditTheme theme(HandleAllocated() ? Handle() : nullptr);
    if (theme.get()) {
        DrawThemeBackground(theme.get(), canvas.Handle(), EP_EDITTEXT, themeState(), &rect, nullptr);
        return;
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(rect);
}

void TSeCustomTreeView::FillBackground(TCanvas* canvas, const TRect& rect)
{
    // The rows lie on the same background the erase paints: the themed
    // part spans the whole client area (its edges fall outside), clipped
    // to the rows being filled.
    EditTheme theme(HandleAllocated() ? Handle() : nullptr);
    if (theme.get()) {
        RECT whole = ClientRect();
        InflateRect(&whole, 2, 2);
        const RECT clip = rect;
        DrawThemeBackground(theme.get(), canvas->Handle(), EP_EDITTEXT, themeState(), &whole, &clip);
        return;
    }
    PaintTreeBackground(*canvas, rect);
}

void TSeCustomTreeView::PaintTreeFrame(TCanvas& canvas, const RECT& rect)
{
    HDC dc = canvas.Handle();
    EditTheme theme(HandleAllocated() ? Handle() : nullptr);
    if (theme.get()) {
        DrawThemeBackground(theme.get(), dc, EP_EDITTEXT, themeState(), &rect, nullptr);
        return;
    }
    const RECT corner{rect.right - kCornerSquare, rect.bottom - kCornerSquare, rect.right, rect.bottom};
    FillRect(dc, &corner, GetSysColorBrush(COLOR_3DFACE));
    RECT r = rect;
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&r, -1, -1);
    DrawEdge(dc, &r, BDR_SUNKENINNER, BF_RECT);
}

void TSeCustomTreeView::eraseBackground(HDC dc)
{
    if (!dc)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    RECT r{0, 0, Width(), Height()};
    InflateRect(&r, 2, 2);
    PaintTreeBackground(canvas, r);
    canvas.SetHandle(nullptr);
}

void TSeCustomTreeView::paintNonClient()
{
    if (!HandleAllocated())
        return;
    HWND hwnd = Handle();
    RECT window{};
    GetWindowRect(hwnd, &window);
    RECT r{0, 0, ::Width(window), ::Height(window)};
    if (BorderStyle() == bsNone)
        InflateRect(&r, 2, 2);
    HDC dc = GetWindowDC(hwnd);
    if (!dc)
        return;
    // The client area keeps its own picture: only the frame is drawn.
    const TPoint origin = ClientToScreen(TPoint{0, 0});
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    ExcludeClipRect(dc, dx, dy, dx + ClientWidth(), dy + ClientHeight());
    TCanvas canvas;
    canvas.SetHandle(dc);
    PaintTreeFrame(canvas, r);
    canvas.SetHandle(nullptr);
    ReleaseDC(hwnd, dc);
}

void TSeCustomTreeView::WndProc(TMessage& m)
{
    if (subScroll_)
        subScroll_->BeforeMessage(m);
    switch (m.Msg) {
    case WM_ERASEBKGND:
        eraseBackground(reinterpret_cast<HDC>(m.WParam));
        m.Result = 1;
        return;
    case WM_NCPAINT:
        paintNonClient();
        m.Result = 0;
        return;
    case CM_MOUSEENTER:
        if (m.LParam && m.LParam != reinterpret_cast<LPARAM>(this))
            break;
        TTreeView::WndProc(m);
        hot_ = true;
        redrawFrame();
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        if (m.LParam && m.LParam != reinterpret_cast<LPARAM>(this))
            break;
        TTreeView::WndProc(m);
        hot_ = false;
        redrawFrame();
        MouseLeave();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TTreeView::WndProc(m);
        redrawFrame();
        if (subScroll_)
            subScroll_->AfterMessage(m);
        return;
    default:
        break;
    }
    TTreeView::WndProc(m);
    if (subScroll_)
        subScroll_->AfterMessage(m);
}
