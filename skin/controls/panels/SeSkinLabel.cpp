#include "skin/controls/panels/SeSkinLabel.h"

#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Font.h"

TSeSkinLabel::TSeSkinLabel(TComponent* owner) : TSeCustomLabel(owner), binding_(*this, "Label") {}

TSeSkinLabel::~TSeSkinLabel() = default;

void TSeSkinLabel::SetSkinEngine(TSeSkinEngine* engine)
{
    binding_.setEngine(engine);
    applyBinding();
}

void TSeSkinLabel::SetSkinObject(const std::string& name)
{
    if (binding_.setObjectName(name))
        applyBinding();
}

void TSeSkinLabel::applyBinding()
{
    if (TSeSkinObject* object = binding_.object()) {
        SetColor(object->Color());
        SetFont(object->EffectiveFont());
    }
    Invalidate();
}

void TSeSkinLabel::Notification(TComponent* component, TOperation operation)
{
    TSeCustomLabel::Notification(component, operation);
    if (operation == opRemove && binding_.engineRemoved(component))
        Invalidate();
}

void TSeSkinLabel::WndProc(TMessage& m)
{
    switch (binding_.handle(m)) {
    case brio::SeSkinBinding::Outcome::none: break;
    case brio::SeSkinBinding::Outcome::bound: applyBinding(); return;
    default: Invalidate(); return;
    }
    // The object's hot look follows the pointer.
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE)
        Invalidate();
    TSeCustomLabel::WndProc(m);
}

void TSeSkinLabel::Paint()
{
    if (binding_.usable())
        binding_.object()->ApplyState(Hot() ? SeStateHot : SeStateNormal);
    TSeCustomLabel::Paint();
}
