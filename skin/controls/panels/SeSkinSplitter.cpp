#include "skin/controls/panels/SeSkinSplitter.h"

#include "skin/engine/SeSkinTypes.h"

TSeSkinSplitter::TSeSkinSplitter(TComponent* owner) : TSeCustomSplitter(owner), binding_(*this, "Splitter") {}

TSeSkinSplitter::~TSeSkinSplitter() = default;

void TSeSkinSplitter::SetSkinEngine(TSeSkinEngine* engine)
{
    binding_.setEngine(engine);
    Invalidate();
}

void TSeSkinSplitter::SetSkinObject(const std::string& name)
{
    if (binding_.setObjectName(name))
        Invalidate();
}

void TSeSkinSplitter::Notification(TComponent* component, TOperation operation)
{
    TSeCustomSplitter::Notification(component, operation);
    if (operation == opRemove && binding_.engineRemoved(component))
        Invalidate();
}

void TSeSkinSplitter::WndProc(TMessage& m)
{
    if (binding_.handle(m) != brio::SeSkinBinding::Outcome::none) {
        Invalidate();
        return;
    }
    TSeCustomSplitter::WndProc(m);
}

void TSeSkinSplitter::Paint()
{
    if (!binding_.usable()) {
        TSeCustomSplitter::Paint();
        return;
    }
    TSeSkinObject* object = binding_.object();
    object->ApplyState(SeStateNormal);
    object->ArrangeIn(RECT{0, 0, Width(), Height()});
    object->Draw(*Canvas());
}
