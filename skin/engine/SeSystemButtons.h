#pragma once
// Caption buttons: skin objects that follow the pointer (normal, hot,
// pressed), hide themselves by window state and border icons, and carry out
// their action on the form-skinning component.

#include "skin/engine/SeBitmapObjects.h"

enum class TSeButtonLook : std::uint8_t { Normal, Hot, Pressed };

// The pointer behaviour both caption button classes share.
struct TSeCaptionButton {
    TSeAction action = sbaNone;
    TSeButtonLook look = TSeButtonLook::Normal;
    bool leftHeld = false;
};

class TSeSystemButton : public TSeActiveBitmap {
public:
    explicit TSeSystemButton(TComponent* owner);
    ~TSeSystemButton() override;
    const TSePropertyList& Properties() const override;
    TSeAction Action() const { return button_.action; }
    void SetAction(TSeAction a) { button_.action = a; }
    TSeButtonLook Look() const { return button_.look; }
    TSeBitmapLink* BitmapHot() const { return bitmapHot_.get(); }
    TSeBitmapLink* BitmapPressed() const { return bitmapPressed_.get(); }

    void ApplyState(std::uint8_t code) override;
    void Draw(TCanvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button) override;
    void MouseMove(TShiftState shift) override;
    void MouseUp(TMouseButton button) override;
    void DblClick(TMouseButton button) override;
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

private:
    TSeCaptionButton button_;
    std::unique_ptr<TSeBitmapLink> bitmapHot_;
    std::unique_ptr<TSeBitmapLink> bitmapPressed_;
};

class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
public:
    explicit TSeSysButtonSkinObject(TComponent* owner);
    ~TSeSysButtonSkinObject() override;
    const TSePropertyList& Properties() const override;
    TSeAction Action() const { return button_.action; }
    void SetAction(TSeAction a) { button_.action = a; }
    TSeButtonLook Look() const { return button_.look; }
    TSeBitmapLink* BitmapHover() const { return bitmapHover_.get(); }
    TSeBitmapLink* BitmapDown() const { return bitmapDown_.get(); }
    const std::string& RollPanel() const { return rollPanel_; }
    void SetRollPanel(const std::string& name) { rollPanel_ = name; }

    void ApplyState(std::uint8_t code) override;
    void Draw(TCanvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button) override;
    void MouseMove(TShiftState shift) override;
    void MouseUp(TMouseButton button) override;
    void DblClick(TMouseButton button) override;
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

private:
    TSeCaptionButton button_;
    std::unique_ptr<TSeBitmapLink> bitmapHover_;
    std::unique_ptr<TSeBitmapLink> bitmapDown_;
    std::string rollPanel_;
};
