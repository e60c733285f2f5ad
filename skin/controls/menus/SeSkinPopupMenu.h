#pragma once
// TSeSkinPopupMenu: a popup menu drawn from the skin engine's "PopupMenu"
// object. The menu keeps its own copy of that object, taken again before
// every popup and dropped while the engine replaces its skin; without a
// usable skin it draws the plain look.

#include "skin/controls/menus/SeCustomPopupMenu.h"
#include "skin/controls/menus/SeMenuSkin.h"

#include "skin/engine/SeSkinNotify.h"

#include <string>

class TSeSkinEngine;
class TSeSkinItem;

class TSeSkinPopupMenu : public TSeCustomPopupMenu, public TSeSkinReceiver {
public:
    explicit TSeSkinPopupMenu(TComponent* owner);
    ~TSeSkinPopupMenu() override;

    TSeSkinItem* SkinItems() const;
    TSeSkinEngine* SkinEngine() const { return skinEngine_; }
    void SetSkinEngine(TSeSkinEngine* engine);
    std::string Version() const { return "3.2.0"; }
    void SetVersion(const std::string&) {}
    const TSeMenuSkin& Skin() const { return skin_; }

    void ReceiveSkinMessage(UINT message, TSeSkinEngine* engine) override;

protected:
    void BindSkin() override;
    TSeMenuSkin* MenuSkin() override { return &skin_; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSeSkinEngine* skinEngine_ = nullptr;
    TSeMenuSkin skin_;
};
