#pragma once
// Skin object classes without artwork: objects with an active look, per-state
// fonts and colours, placeholders for embedded controls and roll panels.

#include "skin/engine/SeSkinObject.h"

#include <memory>

// Colour and font used while the window is active or the object is hot,
// pressed or focused.
class TSeActiveObject : public TSeSkinObject {
public:
    explicit TSeActiveObject(TComponent* owner);
    ~TSeActiveObject() override;
    const TSePropertyList& Properties() const override;
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor c) { activeColor_ = c; }
    TFont* ActiveFont() const { return activeFont_.get(); }
    TFont* EffectiveFont() const override;
    void CollectFonts(std::vector<TFont*>& fonts) const override;
    void CollectColors(std::vector<TColor*>& colours) override;

protected:
    TColor DrawColor() const override;
    TFont* DrawFont() const override;

private:
    TColor activeColor_ = clWhite;
    std::unique_ptr<TFont> activeFont_;
};

// The same look under the second family of class names.
class TSeActiveSkinObject : public TSeSkinObject {
public:
    explicit TSeActiveSkinObject(TComponent* owner);
    ~TSeActiveSkinObject() override;
    const TSePropertyList& Properties() const override;
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor c) { activeColor_ = c; }
    TFont* ActiveFont() const { return activeFont_.get(); }
    TFont* EffectiveFont() const override;
    void CollectFonts(std::vector<TFont*>& fonts) const override;
    void CollectColors(std::vector<TColor*>& colours) override;

protected:
    TColor DrawColor() const override;
    TFont* DrawFont() const override;

private:
    TColor activeColor_ = clWhite;
    std::unique_ptr<TFont> activeFont_;
};

// A font per state: hot, focused, pressed, disabled.
class TSeTextObject : public TSeSkinObject {
public:
    explicit TSeTextObject(TComponent* owner);
    ~TSeTextObject() override;
    const TSePropertyList& Properties() const override;
    TFont* FontHot() const { return fonts_[0].get(); }
    TFont* FontFocused() const { return fonts_[1].get(); }
    TFont* FontPressed() const { return fonts_[2].get(); }
    TFont* FontDisabled() const { return fonts_[3].get(); }
    TFont* EffectiveFont() const override;
    void CollectFonts(std::vector<TFont*>& fonts) const override;

private:
    std::unique_ptr<TFont> fonts_[4];
};

// A fill colour and a font per state.
class TSeColorButtonObject : public TSeSkinObject {
public:
    explicit TSeColorButtonObject(TComponent* owner);
    ~TSeColorButtonObject() override;
    const TSePropertyList& Properties() const override;
    enum Look { Hot, Pressed, Focused, Disabled };
    TColor LookColor(Look look) const { return colours_[look]; }
    void SetLookColor(Look look, TColor c) { colours_[look] = c; }
    TFont* LookFont(Look look) const { return fonts_[look].get(); }
    TFont* EffectiveFont() const override;
    void CollectFonts(std::vector<TFont*>& fonts) const override;
    void CollectColors(std::vector<TColor*>& colours) override;

protected:
    TColor DrawColor() const override;

private:
    int look() const;
    TColor colours_[4] = {clWhite, clWhite, clWhite, clWhite};
    std::unique_ptr<TFont> fonts_[4];
};

// Stands for a control of the form that is placed on this rectangle.
class TSeLinkSkinObject : public TSeSkinObject {
public:
    explicit TSeLinkSkinObject(TComponent* owner);
    const TSePropertyList& Properties() const override;
    const std::string& LinkControl() const { return linkControl_; }
    void SetLinkControl(const std::string& name) { linkControl_ = name; }
    void Draw(TCanvas& canvas) override;

private:
    std::string linkControl_;
};

// A panel that rolls up to RollValue pixels along one axis and back.
class TSeRollPanelObject : public TSeSkinObject {
public:
    explicit TSeRollPanelObject(TComponent* owner);
    const TSePropertyList& Properties() const override;
    TSeRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TSeRollKind kind) { rollKind_ = kind; }
    int RollValue() const { return rollValue_; }
    void SetRollValue(int value) { rollValue_ = value; }
    bool Rolled() const { return rolled_; }
    // Toggles between the unrolled size and RollValue, keeping the edge
    // opposite the roll direction, then asks for a repaint.
    void Roll();

private:
    TSeRollKind rollKind_ = rkLeft;
    int rollValue_ = 0;
    bool rolled_ = false;
    int unrolledSize_ = 0;
};
