#include "skin/controls/panels/SeSkinParts.h"

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/engine/SeBitmapObjects.h"
#include "ui/control/Control.h"

namespace brio {

TSeSkinObject* usableSkin(TSeSkinBinding& binding, const TControl& control)
{
    const TComponentState state = control.ComponentState();
    if (state.Contains(csLoading) || state.Contains(csDestroying))
        return nullptr;
    return binding.Object();
}

TSeSkinObject* firstSkinChild(TSeSkinObject* object, std::initializer_list<const char*> names)
{
    if (!object)
        return nullptr;
    for (const char* name : names)
        if (TSeSkinObject* found = FindObject(object, name))
            return found;
    return nullptr;
}

std::optional<bool> maskedFrame(const TSeSkinObject* frame)
{
    const auto* bitmap = dynamic_cast<const TSeBitmapObject*>(frame);
    if (!bitmap)
        return std::nullopt;
    return bitmap->Masked() || bitmap->MaskedBorder() || bitmap->MaskedAngles();
}

} // namespace brio
