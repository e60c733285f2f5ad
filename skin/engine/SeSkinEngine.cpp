#include "skin/engine/SeSkinEngine.h"

#include "skin/engine/SeSkinNotify.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/component/Stream.h"

namespace {

constexpr std::uint8_t SkinPresent = 2;

bool designing(const TComponent& component) { return component.ComponentState().Contains(csDesigning); }

// Clears a flag however the scope is left.
struct FlagGuard {
    bool& flag;
    explicit FlagGuard(bool& f) : flag(f) { flag = true; }
    ~FlagGuard() { flag = false; }
};

} // namespace

TSeSkinEngine::TSeSkinEngine(TComponent* owner) : TComponent(owner), source_(new TSeSkinSource(this)) {}

TSeSkinEngine::~TSeSkinEngine() = default;

void TSeSkinEngine::applyHue() { source_->ChangeHue(deltaHue_); }

void TSeSkinEngine::SetDeltaHue(int value)
{
    if (value == deltaHue_ && value == source_->AppliedHue())
        return;
    deltaHue_ = value;
    if (source_->Count() == 0 || busy_)
        return;
    FlagGuard busy(busy_);
    BeforeChange();
    applyHue();
    AfterChange();
}

void TSeSkinEngine::SetSkinFile(const std::string& value)
{
    skinFile_ = value;
    if (designing(*this)) {
        if (!value.empty() && source_->Count() > 0)
            source_->Clear();
        return;
    }
    if (source_->Count() == 0) {
        source_->LoadSkinFile(value);
        applyHue();
    } else {
        source_->SetReplacing(true);
        BeforeChange();
        try {
            // The file is read into a fresh source, so a bad one leaves the
            // current skin in place; a missing one means no skin.
            if (!source_->LoadSkinFile(value))
                source_->Clear();
        } catch (...) {
            source_->SetReplacing(false);
            AfterChange();
            throw;
        }
        source_->SetReplacing(false);
        applyHue();
    }
    AfterChange();
}

std::string TSeSkinEngine::SkinStore() const
{
    if (!designing(*this) || source_->Count() == 0)
        return "(none)";
    const std::string& name = source_->SkinName();
    const std::size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

void TSeSkinEngine::DefineProperties(TFiler& filer)
{
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "SkinStream", [this](TStream& stream) { ReadSkinStream(stream); },
        [this](TStream& stream) { WriteSkinStream(stream); }, true);
}

void TSeSkinEngine::ReadSkinStream(TStream& stream)
{
    std::uint8_t flag = 0;
    if (stream.Read(&flag, 1) != 1 || flag == 0)
        return;
    source_->StreamIn(stream);
    skinFile_.clear();
}

void TSeSkinEngine::WriteSkinStream(TStream& stream) const
{
    const std::uint8_t flag = source_->Count() > 0 ? SkinPresent : 0;
    stream.WriteBuffer(&flag, 1);
    if (flag)
        source_->StreamOut(stream);
}

void TSeSkinEngine::Notify(TSeSkinReceiver& receiver, UINT message)
{
    NotifySkinReceiver(receiver, message, this);
}

void TSeSkinEngine::BeforeChange()
{
    if (OnBeforeChange)
        OnBeforeChange(this);
    NotifySkinForms(SEM_SKINCHANGING, this);
}

void TSeSkinEngine::AfterChange()
{
    NotifySkinForms(SEM_SKINCHANGED, this);
    if (OnAfterChange)
        OnAfterChange(this);
}

void TSeSkinEngine::Loaded()
{
    TComponent::Loaded();
    if (source_->Count() == 0)
        return;
    applyHue();
    if (OnAfterChange)
        OnAfterChange(this);
}
