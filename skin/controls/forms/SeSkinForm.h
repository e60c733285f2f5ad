#pragma once
// TSeSkinForm: the form frame drawn, measured and hit-tested from a skin
// object ("Form" by default, "ToolWindow" for tool windows) found through a
// skin engine. It keeps a private copy of the object; caption buttons of
// the skin act on the form. Without a usable skin (no engine, an empty
// skin, or one without any form object) it is the plain frame.

#include "skin/controls/forms/SeCustomForm.h"

#include <functional>
#include <memory>

class TSeSkinEngine;
class TSeSkinObject;
class TTimer;

using TSeCustomActionEvent = std::function<void(TObject* sender, TSeSkinObject* button)>;

class TSeSkinForm : public TSeCustomForm {
public:
    explicit TSeSkinForm(TComponent* owner);
    ~TSeSkinForm() override;

    TSeSkinEngine* SkinEngine() const { return engine_; }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return skinObject_; }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    TSeCustomActionEvent OnCustomAction;

    // The form's own copy of the skin object, null without a usable skin.
    TSeSkinObject* SkinCopy() const { return copy_.get(); }

    void CustomAction(TSeSkinObject* button) override;

    RECT GetClientBounds() override;
    RECT GetMaximizedBounds() override;
    HRGN CreateRegion() override;
    void PaintFrame(TCanvas& canvas) override;
    void PaintClient(TCanvas& canvas) override;
    TSeFrameZone HitTestZone(POINT p) override;
    void FrameMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void FrameMouseMove(TShiftState shift, int x, int y) override;
    void FrameMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // One step of the hover tracking the 100 ms timer runs.
    void TrackHover();

protected:
    void HandleMessage(TMessage& m) override;
    void HookReinstalled() override;
    void AfterLoad() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void bindSkin();
    void dropSkin();
    void arrange();
    void placeLinkedControls();
    TSeSkinObject* childAt(POINT p) const;
    void setHoverChild(TSeSkinObject* child);

    TSeSkinEngine* engine_ = nullptr;
    std::string skinObject_ = "Form";
    std::unique_ptr<TSeSkinObject> copy_;
    TSeSkinObject* title_ = nullptr;
    TSeSkinObject* client_ = nullptr;
    TSeSkinObject* hoverChild_ = nullptr;
    TSeSkinObject* pressedChild_ = nullptr;
    TTimer* hoverTimer_ = nullptr;
    int appliedState_ = -1;
};
