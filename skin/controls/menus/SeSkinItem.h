#pragma once
// TSeSkinItem: a menu row drawn from the skin. It keeps the engine it was
// given and opens its levels in skinned popup windows, which draw with the
// skin objects its menu found for the popup.

#include "skin/controls/menus/SeCustomItem.h"

class TSeSkinEngine;

class TSeSkinItem : public TSeCustomItem {
public:
    explicit TSeSkinItem(TComponent* owner) : TSeCustomItem(owner) {}

    TSeSkinEngine* SkinEngine() const { return skinEngine_; }
    // The whole subtree takes the engine.
    void SetSkinEngine(TSeSkinEngine* engine);

    std::unique_ptr<TSePopupWindow> CreatePopupWindow() override;
    TSeCustomItem* CreateItem(TComponent* owner) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSeSkinEngine* skinEngine_ = nullptr;
};
