#include "skin/controls/panels/SeSkinSplitter.h"

#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

TSeSkinSplitter::TSeSkinSplitter(TComponent* owner) : TSeCustomSplitter(owner), binding_(*this, "Splitter") {}

TSeSkinSplitter::~TSeSkinSplitter() = default;

TSeSkinObject* TSeSkinSplitter::Skin() const { return brio::usableSkin(binding_, *this); }

void TSeSkinSplitter::SetSkinEngine(TSeSkinEngine* engine)
{
    binding_.SetEngine(engine);
    Invalidate();
}

void TSeSkinSplitter::SetSkinObject(const std::string& name)
{
    binding_.SetObjectName(name);
}

void TSeSkinSplitter::Notification(TComponent* component, TOperation operation)
{
    TSeCustomSplitter::Notification(component, operation);
    binding_.Notification(component, operation);
}

void TSeSkinSplitter::WndProc(TMessage& m)
{
    if (binding_.HandleMessage(m))
        return;
    TSeCustomSplitter::WndProc(m);
}

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
