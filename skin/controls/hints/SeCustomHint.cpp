#include "skin/controls/hints/SeCustomHint.h"

#include "skin/controls/hints/SeHintWindow.h"
#include "skin/controls/hints/SeWrappedText.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Canvas.h"

#include "platform/UxTheme.h"

#include <algorithm>
#include <vector>

namespace {

// Every hint component alive, in creation order; the last is the default.
std::vector<TSeCustomHint*>& liveHints()
{
    static std::vector<TSeCustomHint*> hints;
    return hints;
}

constexpr int kMeasureSize = 1000;
constexpr int kPlainPadding = 6;

// Drops the application's hint window so that the next hint makes one of
// the class the application holds now.
void renewHintWindow()
{
    const bool on = Application->ShowHint();
    Application->SetShowHint(false);
    Application->SetShowHint(on);
}

} // namespace

// Copies of these may outlive the component (anyone can copy the
// application's handler), so each call checks that it is still alive.
struct TSeCustomHint::Handler {
    TSeCustomHint* hint;
    void operator()(std::string& text, bool& canShow, THintInfo& info) const
    {
        if (TSeCustomHint* live = FromHintData(hint))
            live->showHint(text, canShow, info);
    }
};

struct TSeCustomHint::WindowMaker {
    TSeCustomHint* hint;
    THintWindow* operator()(TComponent* owner) const { return new TSeHintWindow(owner); }
};

TSeCustomHint::TSeCustomHint(TComponent* owner) : TComponent(owner)
{
    liveHints().push_back(this);
    if (!ComponentState().Contains(csLoading))
        install();
}

TSeCustomHint::~TSeCustomHint()
{
    uninstall();
    auto& hints = liveHints();
    hints.erase(std::remove(hints.begin(), hints.end(), this), hints.end());
}

void TSeCustomHint::Loaded()
{
    TComponent::Loaded();
    if (active_)
        install();
}

void TSeCustomHint::SetActive(bool value)
{
    active_ = value;
    if (value && !ComponentState().Contains(csLoading))
        install();
}

TSeCustomHint* TSeCustomHint::DefaultHint()
{
    const auto& hints = liveHints();
    return hints.empty() ? nullptr : hints.back();
}

TSeCustomHint* TSeCustomHint::FromHintData(const void* data)
{
    if (!data)
        return nullptr;
    for (TSeCustomHint* hint : liveHints())
        if (hint == data)
            return hint;
    return nullptr;
}

bool TSeCustomHint::HoldsApplication() const
{
    const Handler* handler = Application->OnShowHint.target<Handler>();
    return handler && handler->hint == this;
}

namespace {

template <class Slot, class Function>
bool names(const Function& function, const TSeCustomHint* hint)
{
    const Slot* slot = function.template target<Slot>();
    return slot && slot->hint == hint;
}

} // namespace

void TSeCustomHint::install()
{
    if (installed_)
        uninstall();
    previousHandler_ = Application->OnShowHint;
    previousWindowClass_ = Application->HintWindowClass;
    Application->OnShowHint = Handler{this};
    Application->HintWindowClass = WindowMaker{this};
    installed_ = true;
    renewHintWindow();
    deactivateOthersOfMainForm();
}

void TSeCustomHint::uninstall()
{
    if (!installed_)
        return;
    installed_ = false;
    bool classRestored = false;
    if (names<Handler>(Application->OnShowHint, this)) {
        Application->OnShowHint = previousHandler_;
    }
    if (names<WindowMaker>(Application->HintWindowClass, this)) {
        Application->HintWindowClass = previousWindowClass_;
        classRestored = true;
    }
    // A component installed after this one remembered this one's pair: it
    // takes over what this one remembered.
    for (TSeCustomHint* other : liveHints()) {
        if (other == this || !other->installed_)
            continue;
        if (names<Handler>(other->previousHandler_, this))
            other->previousHandler_ = previousHandler_;
        if (names<WindowMaker>(other->previousWindowClass_, this))
            other->previousWindowClass_ = previousWindowClass_;
    }
    previousHandler_ = nullptr;
    previousWindowClass_ = nullptr;
    if (classRestored)
        renewHintWindow();
}

void TSeCustomHint::deactivateOthersOfMainForm()
{
    TCustomForm* mainForm = Application->MainForm();
    if (!mainForm)
        return;
    for (TSeCustomHint* other : liveHints())
        if (other != this && other->Owner() == mainForm)
            other->active_ = false;
}

void TSeCustomHint::showHint(std::string& text, bool& canShow, THintInfo& info)
{
    info.HintData = this;
    if (OnShowHint)
        OnShowHint(text, canShow, info);
}

void TSeCustomHint::MeasureHint(TCanvas& canvas, const std::string& text, RECT& rect)
{
    brio::measurePlainHint(canvas, text, rect);
    if (options_.Shadow()->Enabled()) {
        rect.right += options_.Shadow()->Size();
        rect.bottom += options_.Shadow()->Size();
    }
}

void TSeCustomHint::DrawHint(TCanvas& canvas, const RECT& rect, const std::string& text)
{
    brio::drawPlainHint(canvas, rect, text);
}

namespace brio {

void measurePlainHint(TCanvas& canvas, const std::string& text, RECT& rect)
{
    const SIZE size = wrappedTextSize(canvas, text, kMeasureSize);
    rect = RECT{0, 0, size.cx + kPlainPadding, size.cy + kPlainPadding};
}

void drawPlainHint(TCanvas& canvas, const RECT& rect, const std::string& text)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Application->HintColor);
    canvas.FillRect(rect);
    if (IsThemeActive()) {
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(rect);
    } else {
        canvas.Pen()->SetWidth(1);
        canvas.Pen()->SetColor(cl3DLight);
        const POINT lightSide[] = {{rect.left, rect.bottom - 1}, {rect.left, rect.top}, {rect.right - 1, rect.top}};
        canvas.Polyline(lightSide);
        canvas.Pen()->SetColor(cl3DDkShadow);
        const POINT darkSide[] = {
            {rect.right - 1, rect.top}, {rect.right - 1, rect.bottom - 1}, {rect.left - 1, rect.bottom - 1}};
        canvas.Polyline(darkSide);
    }
    // Measured first, then centred both ways.
    canvas.Font()->SetColor(clInfoText);
    const SIZE size = wrappedTextSize(canvas, text, rect.right - rect.left);
    const int width = size.cx;
    const int height = size.cy;
    RECT target{rect.left + (rect.right - rect.left - width) / 2, rect.top + (rect.bottom - rect.top - height) / 2, 0, 0};
    target.right = target.left + width;
    target.bottom = target.top + height;
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect(target, text, {tfCenter, tfWordBreak, tfNoPrefix});
}

} // namespace brio
