#pragma once
// TSeSkinObject: a rectangle of a skin with a kind, an alignment rule inside
// its parent, margins, a font and text settings; children are its owned
// components, in stream order. All coordinates are relative to the canvas of
// the root object. The drawing descendants are in SeSkinObjects.h,
// SeBitmapObjects.h and SeSystemButtons.h.

#include "platform/WinTypes.h"
#include "skin/engine/SeProperties.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Colors.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TFont;
class TSeBitmapList;
class TSeBitmapLink;

class TSeSkinObject : public TComponent {
public:
    explicit TSeSkinObject(TComponent* owner);
    ~TSeSkinObject() override;

    // ---- Published properties ------------------------------------------------------
    TSeAlign Align() const { return align_; }
    void SetAlign(TSeAlign v) { align_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    bool DrawIfOwner() const { return drawIfOwner_; }
    void SetDrawIfOwner(bool v) { drawIfOwner_ = v; }
    TFont* Font() const { return font_.get(); }
    TSeKind Kind() const { return kind_; }
    void SetKind(TSeKind v) { kind_ = v; }
    bool Masked() const { return masked_; }
    void SetMasked(bool v) { masked_ = v; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // These go through ArrangeIn.
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    int MarginLeft() const { return marginLeft_; }
    int MarginRight() const { return marginRight_; }
    int MarginTop() const { return marginTop_; }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginLeft(int v) { marginLeft_ = v; }
    void SetMarginRight(int v) { marginRight_ = v; }
    void SetMarginTop(int v) { marginTop_ = v; }
    void SetMarginBottom(int v) { marginBottom_ = v; }
    TSeTextAlign TextAlign() const { return textAlign_; }
    void SetTextAlign(TSeTextAlign v) { textAlign_ = v; }
    TSeTextEffect TextEffect() const { return textEffect_; }
    void SetTextEffect(TSeTextEffect v) { textEffect_ = v; }
    int TextMarginLeft() const { return textMarginLeft_; }
    int TextMarginRight() const { return textMarginRight_; }
    int TextMarginTop() const { return textMarginTop_; }
    void SetTextMarginLeft(int v) { textMarginLeft_ = v; }
    void SetTextMarginRight(int v) { textMarginRight_ = v; }
    void SetTextMarginTop(int v) { textMarginTop_ = v; }

    // The class's published properties in stream order, "Objects" last.
    virtual const TSePropertyList& Properties() const;

    // ---- Run-time fields ---------------------------------------------------------
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Active() const { return active_; }
    std::uint8_t State() const { return state_; }
    HWND Control() const { return control_; }
    TBiDiMode BiDiMode() const { return biDiMode_; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }
    TSeBitmapList* Bitmaps() const { return bitmaps_; }
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

    int ChildCount() const { return ComponentCount(); }
    TSeSkinObject* Child(int index) const;

    // ---- Virtual operations --------------------------------------------------------
    virtual TFont* EffectiveFont() const;
    virtual void ApplyState(std::uint8_t code);
    // Resolves every bitmap link by name in Bitmaps(); recurses.
    virtual void UpdateLinks();
    virtual void Draw(TCanvas& canvas);
    // The window region of the object; the caller deletes it.
    virtual HRGN CreateRegion();
    virtual void ChangeHue(int delta);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown(TMouseButton) {}
    virtual void MouseMove(TShiftState) {}
    virtual void MouseUp(TMouseButton) {}
    virtual void DblClick(TMouseButton) {}
    virtual void ApplyCharset(int charset);

    // ---- Tree operations -----------------------------------------------------------
    // Places the object; a changed rectangle lays out the children.
    void ArrangeIn(const RECT& r);
    void AlignObjects();
    void SetActive(bool active);
    // Also takes the window's reading order.
    void BindControl(HWND control, TBiDiMode biDiMode = bdLeftToRight);
    void SetBitmaps(TSeBitmapList* bitmaps);
    // Every property, then fresh copies of the children through the class
    // table. Bitmap links keep pointing at the same images.
    void CloneFrom(const TSeSkinObject& source);
    // Asks Control() to repaint this object.
    void Changed();
    // The form-skinning component of Control(), or null.
    TSeSkinFormLink* OwnerForm() const;

    // Every link, font and colour the class carries, for the generic
    // operations (links resolved, charsets set, hues shifted, copies made).
    virtual void CollectLinks(std::vector<TSeBitmapLink*>& links) const;
    virtual void CollectFonts(std::vector<TFont*>& fonts) const;
    virtual void CollectColors(std::vector<TColor*>& colours);

protected:
    // The colour and font the text and fill are drawn with now.
    virtual TColor DrawColor() const { return color_; }
    virtual TFont* DrawFont() const { return EffectiveFont(); }
    void DrawText(TCanvas& canvas);
    void DrawChildren(TCanvas& canvas);
    void FillBackground(TCanvas& canvas);
    // Bitmap classes draw their picture into a scratch bitmap for regions.
    virtual bool DrawsBitmap() const { return false; }
    static TSePropertyList BaseProperties();
    static void AddObjectsProperty(TSePropertyList& list);

    std::uint8_t state_ = SeStateNormal;
    bool active_ = false;

private:
    void measureTextWidth();

    TSeAlign align_ = saNone;
    TColor color_ = clWhite;
    bool drawIfOwner_ = false;
    std::unique_ptr<TFont> font_;
    TSeKind kind_ = skNone;
    bool masked_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int marginLeft_ = 0, marginRight_ = 0, marginTop_ = 0, marginBottom_ = 0;
    TSeTextAlign textAlign_ = TSeTextAlign::taLeft;
    TSeTextEffect textEffect_ = teNone;
    int textMarginLeft_ = 0, textMarginRight_ = 0, textMarginTop_ = 0;

    bool visible_ = true;
    bool enabled_ = true;
    HWND control_ = nullptr;
    TBiDiMode biDiMode_ = bdLeftToRight;
    std::string text_;
    TSeBitmapList* bitmaps_ = nullptr;
    int previousWidth_ = 0, previousHeight_ = 0;
};

// ---- Lookups (letter case ignored for names) ------------------------------------------
TSeSkinObject* FindObject(TSeSkinObject* object, const std::string& name);
TSeSkinObject* FindObjectOfKind(TSeSkinObject* object, TSeKind kind);
TSeSkinObject* ObjectAtPoint(TSeSkinObject* object, POINT p);
// A new object of `source`'s class (through the class table), owned by
// `owner`, holding a copy of `source`'s tree.
TSeSkinObject* CloneSkinObject(const TSeSkinObject& source, TComponent* owner);
