#include "skin/controls/panels/SeSkinLabel.h"

#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Font.h"

TSeSkinLabel::TSeSkinLabel(TComponent* owner) : TSeCustomLabel(owner), binding_(*this, "Label")
{
    binding_.OnChange = [this] { applyBinding(); };
}

TSeSkinLabel::~TSeSkinLabel() = default;

TSeSkinObject* TSeSkinLabel::Skin() const { return brio::usableSkin(binding_, *this); }

void TSeSkinLabel::SetSkinEngine(TSeSkinEngine* engine)
{
    binding_.SetEngine(engine);
}

void TSeSkinLabel::SetSkinObject(const std::string& name)
{
    binding_.SetObjectName(name);
}

void TSeSkinLabel::applyBinding()
{
    if (ComponentState().Contains(csDestroying))
        return;
    if (TSeSkinObject* object = binding_.Object()) {
        SetColor(object->Color());
        SetFont(object->EffectiveFont());
    }
    Invalidate();
}

void TSeSkinLabel::Notification(TComponent* component, TOperation operation)
{
    TSeCustomLabel::Notification(component, operation);
    binding_.Notification(component, operation);
}

void TSeSkinLabel::WndProc(TMessage& m)
{
    if (binding_.HandleMessage(m))
        return;
    // The object's hot look follows the pointer.
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE)
        Invalidate();
    TSeCustomLabel::WndProc(m);
}

void TSeSkinLabel::Paint()
{
    if (Skin())
        binding_.Object()->ApplyState(Hot() ? SeStateHot : SeStateNormal);
    TSeCustomLabel::Paint();
}
