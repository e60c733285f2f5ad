#include "skin/controls/panels/SeSkinSplitter.h"

#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

TSeSkinSplitter::TSeSkinSplitter(TComponent* owner) : brio::Skinned<TSeCustomSplitter>(owner, "Splitter") {}

TSeSkinSplitter::~TSeSkinSplitter() = default;

void TSeSkinSplitter::Paint()
{
    if (!Skin()) {
        TSeCustomSplitter::Paint();
        return;
    }
    TSeSkinObject* object = binding_.Object();
    object->ApplyState(SeStateNormal);
    object->ArrangeIn(RECT{0, 0, Width(), Height()});
    object->Draw(*Canvas());
}
