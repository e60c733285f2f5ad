#pragma once
// TSeSkinMessage: the message component whose boxes are skinned: the frame,
// and the parts the skin library has skinned classes for, all bound to its
// skin engine. It only keeps the engine and hands it to what it makes.

#include "skin/controls/message/SeCustomMessage.h"

#include <string>

class TSeSkinEngine;

class TSeSkinMessage : public TSeCustomMessage {
public:
    explicit TSeSkinMessage(TComponent* owner);
    ~TSeSkinMessage() override;

    TSeSkinEngine* SkinEngine() const { return engine_; }
    void SetSkinEngine(TSeSkinEngine* engine);
    std::string Version() const { return "3.2.0"; }
    void SetVersion(const std::string&) {}

protected:
    TSeMessageButton* CreateButton(TComponent* owner) override;
    TSeMessageEdit* CreateEdit(TComponent* owner) override;
    TSeCustomForm* CreateFormSkin(TComponent* owner) override;
    TSeMessageLabel* CreateLabel(TComponent* owner) override;
    TSeMessageCheckBox* CreateCheckBox(TComponent* owner) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSeSkinEngine* engine_ = nullptr;
};
