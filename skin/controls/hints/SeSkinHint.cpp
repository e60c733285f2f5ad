#include "skin/controls/hints/SeSkinHint.h"

#include "skin/controls/hints/SeWrappedText.h"

#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Canvas.h"

#include "platform/WinUser.h"

namespace {

constexpr int kMeasureSize = 1000;
constexpr TTextFormat kWrapped{tfWordBreak, tfNoPrefix};

} // namespace

TSeSkinHint::TSeSkinHint(TComponent* owner) : TSeCustomHint(owner)
{
    RegisterSkinForm(this);
}

TSeSkinHint::~TSeSkinHint()
{
    UnregisterSkinForm(this);
    object_.reset();
}

void TSeSkinHint::SetSkinEngine(TSeSkinEngine* engine)
{
    if (engine == engine_)
        return;
    if (engine_)
        engine_->RemoveFreeNotification(this);
    engine_ = engine;
    if (engine_)
        engine_->FreeNotification(this);
    bind();
}

void TSeSkinHint::SetSkinObject(const std::string& name)
{
    skinObject_ = name;
    bind();
}

void TSeSkinHint::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component == engine_) {
        engine_ = nullptr;
        object_.reset();
    }
    TSeCustomHint::Notification(component, operation);
}

void TSeSkinHint::ReceiveSkinMessage(UINT message, TSeSkinEngine* engine)
{
    if (engine != engine_)
        return;
    if (message == SEM_SKINCHANGING)
        object_.reset();
    else if (message == SEM_SKINCHANGED)
        bind();
}

void TSeSkinHint::bind()
{
    object_.reset();
    if (!engine_ || !engine_->Source())
        return;
    if (TSeSkinObject* source = engine_->Source()->GetObjectByName(skinObject_))
        object_.reset(CloneSkinObject(*source, nullptr));
}

void TSeSkinHint::MeasureHint(TCanvas& canvas, const std::string& text, RECT& rect)
{
    if (!object_) {
        TSeCustomHint::MeasureHint(canvas, text, rect);
        return;
    }
    canvas.Font()->Assign(object_->EffectiveFont());
    const SIZE size = brio::wrappedTextSize(canvas, text, kMeasureSize);
    rect = RECT{0, 0, size.cx + object_->MarginLeft() + object_->MarginRight(),
                size.cy + object_->MarginTop() + object_->MarginBottom()};
    if (Shadow()->Enabled()) {
        rect.right += Shadow()->Size();
        rect.bottom += Shadow()->Size();
    }
}

void TSeSkinHint::DrawHint(TCanvas& canvas, const RECT& rect, const std::string& text)
{
    if (!object_) {
        TSeCustomHint::DrawHint(canvas, rect, text);
        return;
    }
    object_->ArrangeIn(rect);
    TFont* font = object_->EffectiveFont();
    canvas.Font()->Assign(font);
    const RECT inner{rect.left + object_->MarginLeft(), rect.top + object_->MarginTop(),
                     rect.right - object_->MarginRight(), rect.bottom - object_->MarginBottom()};
    const SIZE measured = brio::wrappedTextSize(canvas, text, inner.right - inner.left);
    const bool oneLine = measured.cy <= canvas.TextHeight("Ag");
    // Skin objects draw one line of text themselves; a longer hint is
    // wrapped here, in the object's font, over the object drawn bare.
    object_->SetText(oneLine ? text : std::string());
    object_->Draw(canvas);
    object_->SetText(std::string());
    if (oneLine)
        return;
    RECT target{inner.left + (inner.right - inner.left - measured.cx) / 2,
                inner.top + (inner.bottom - inner.top - measured.cy) / 2, 0, 0};
    target.right = target.left + measured.cx;
    target.bottom = target.top + measured.cy;
    canvas.Font()->Assign(font);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect(target, text, kWrapped + TTextFormat{tfCenter});
}
