#include "skin/controls/panels/SeSkinLabel.h"

#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Font.h"

TSeSkinLabel::TSeSkinLabel(TComponent* owner) : brio::Skinned<TSeCustomLabel>(owner, "Label")
{
    binding_.OnChange = [this] { applyBinding(); };
}

TSeSkinLabel::~TSeSkinLabel() = default;

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

void TSeSkinLabel::WndProc(TMessage& m)
{
    // The object's hot look follows the pointer.
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE)
        Invalidate();
    brio::Skinned<TSeCustomLabel>::WndProc(m);
}

void TSeSkinLabel::Paint()
{
    if (Skin())
        binding_.Object()->ApplyState(Hot() ? SeStateHot : SeStateNormal);
    TSeCustomLabel::Paint();
}
