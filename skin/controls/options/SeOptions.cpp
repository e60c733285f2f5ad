#include "skin/controls/options/SeAnimation.h"
#include "skin/controls/options/SeBlending.h"
#include "skin/controls/options/SeDragging.h"
#include "skin/controls/options/SeGravitation.h"
#include "skin/controls/options/SeShadow.h"
#include "skin/controls/options/SeWindowOptions.h"

#include <algorithm>

void TSeBlending::SetValue(int value)
{
    update(value_, std::clamp(value, 0, 255));
}

void TSeBlending::Assign(const TPersistent* source)
{
    if (!assignFields<TSeBlending>(source))
        TSeOption::Assign(source);
}

void TSeShadow::SetSize(int value)
{
    if (value <= 0) {
        SetEnabled(false);
        return;
    }
    update(size_, std::min(value, kMaxSize));
}

void TSeShadow::Assign(const TPersistent* source)
{
    if (!assignFields<TSeShadow>(source))
        TSeOption::Assign(source);
}

void TSeGravitation::SetSize(int value)
{
    update(size_, std::clamp(value, kMinSize, kMaxSize));
}

void TSeGravitation::Assign(const TPersistent* source)
{
    if (!assignFields<TSeGravitation>(source))
        TSeOption::Assign(source);
}

void TSeDragging::Assign(const TPersistent* source)
{
    if (!assignFields<TSeDragging>(source))
        TSeOption::Assign(source);
}

void TSeAnimation::SetEffect(TkeEffect value)
{
    // A stored number beyond the list falls back to the default rather than indexing past it.
    update(effect_, value < kEffectCount ? value : keFade);
}

void TSeAnimation::SetDirection(TSeDirection value)
{
    update(direction_, value <= kdRotate270 ? value : kdNone);
}

void TSeAnimation::SetResolution(int value)
{
    update(resolution_, std::clamp(value, kMinResolution, kMaxResolution));
}

void TSeAnimation::SetTileCount(int value)
{
    update(tileCount_, std::clamp(value, kMinTileCount, kMaxTileCount));
}

void TSeAnimation::SetTime(int value)
{
    update(time_, std::clamp(value, kMinTime, kMaxTime));
}

void TSeAnimation::Assign(const TPersistent* source)
{
    if (!assignFields<TSeAnimation>(source))
        TSeOption::Assign(source);
}

TSeWindowOptions::TSeWindowOptions()
{
    // A change of any part is a change of the whole.
    auto forward = [this] { Changed(); };
    blending_.OnChange = forward;
    shadow_.OnChange = forward;
    animation_.OnChange = forward;
}

void TSeWindowOptions::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TSeWindowOptions*>(source)) {
        blending_.Assign(&other->blending_);
        shadow_.Assign(&other->shadow_);
        animation_.Assign(&other->animation_);
        return;
    }
    TSeOption::Assign(source);
}
