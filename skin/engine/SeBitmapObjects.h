#pragma once
// Skin object classes drawn from bitmap links: the nine-part bitmap object
// and its state variants, whole-object bitmaps and bitmap boxes.

#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinObject.h"

#include <memory>

// Draws `source` of `link`'s image over `dest` by `style`; tsCenter keeps the
// size and centres it.
void DrawLinkPart(TCanvas& canvas, const TSeBitmapLink& link, const RECT& source, const RECT& dest,
                  TscTileStyle style, bool masked);

struct TSeNinePartStyle {
    TscTileStyle centre = tsTile;
    TscTileStyle border = tsTile;
    bool maskedCentre = true;
    bool maskedBorder = true;
    bool maskedCorners = true;
};
// Centre, edges and corners of `link` by the margins, over `bounds`; nothing
// is drawn outside `bounds`.
void DrawNinePart(TCanvas& canvas, const TSeBitmapLink& link, const RECT& bounds, const RECT& margins,
                  const TSeNinePartStyle& style);
// A usable link: valid, and its image holds pixels.
bool LinkDrawable(const TSeBitmapLink* link);

class TSeBitmapObject : public TSeSkinObject {
public:
    explicit TSeBitmapObject(TComponent* owner);
    ~TSeBitmapObject() override;
    const TSePropertyList& Properties() const override;
    TSeBitmapLink* Bitmap() const { return bitmap_.get(); }
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle s) { borderTileStyle_ = s; }
    bool MaskedBorder() const { return maskedBorder_; }
    void SetMaskedBorder(bool v) { maskedBorder_ = v; }
    bool MaskedAngles() const { return maskedAngles_; }
    void SetMaskedAngles(bool v) { maskedAngles_ = v; }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle s) { tileStyle_ = s; }

    void Draw(TCanvas& canvas) override;
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

protected:
    static TSePropertyList BitmapObjectProperties();
    // The link for the current state.
    virtual const TSeBitmapLink* CurrentLink() const { return bitmap_.get(); }
    void DrawWithLink(TCanvas& canvas, const TSeBitmapLink* link);
    bool DrawsBitmap() const override { return true; }

private:
    std::unique_ptr<TSeBitmapLink> bitmap_;
    TscTileStyle borderTileStyle_ = tsTile;
    bool maskedBorder_ = true;
    bool maskedAngles_ = true;
    TscTileStyle tileStyle_ = tsTile;
};

// ActiveBitmap while the window is active or the object hot or focused.
class TSeActiveBitmap : public TSeBitmapObject {
public:
    explicit TSeActiveBitmap(TComponent* owner);
    ~TSeActiveBitmap() override;
    const TSePropertyList& Properties() const override;
    TSeBitmapLink* ActiveBitmap() const { return activeBitmap_.get(); }
    TFont* ActiveFont() const { return activeFont_.get(); }
    TFont* EffectiveFont() const override;
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;
    void CollectFonts(std::vector<TFont*>& fonts) const override;

protected:
    static TSePropertyList ActiveBitmapProperties();
    const TSeBitmapLink* CurrentLink() const override;

private:
    std::unique_ptr<TSeBitmapLink> activeBitmap_;
    std::unique_ptr<TFont> activeFont_;
};

// A link per state, each falling back to Bitmap when not valid.
class TSeButtonObject : public TSeBitmapObject {
public:
    explicit TSeButtonObject(TComponent* owner);
    ~TSeButtonObject() override;
    const TSePropertyList& Properties() const override;
    TSeBitmapLink* BitmapHot() const { return links_[0].get(); }
    TSeBitmapLink* BitmapFocused() const { return links_[1].get(); }
    TSeBitmapLink* BitmapPressed() const { return links_[2].get(); }
    TSeBitmapLink* BitmapDisabled() const { return links_[3].get(); }
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

protected:
    const TSeBitmapLink* CurrentLink() const override;

private:
    std::unique_ptr<TSeBitmapLink> links_[4];
};

// One bitmap over the whole object by TileStyle.
class TSeBitmapSkinObject : public TSeSkinObject {
public:
    explicit TSeBitmapSkinObject(TComponent* owner);
    ~TSeBitmapSkinObject() override;
    const TSePropertyList& Properties() const override;
    TSeBitmapLink* Bitmap() const { return bitmap_.get(); }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle s) { tileStyle_ = s; }
    void Draw(TCanvas& canvas) override;
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

protected:
    static TSePropertyList BitmapSkinObjectProperties();
    virtual const TSeBitmapLink* CurrentLink() const { return bitmap_.get(); }
    // The picture (by the subclass's rule), then text and children.
    virtual void DrawWithLink(TCanvas& canvas, const TSeBitmapLink* link);
    bool DrawsBitmap() const override { return true; }

private:
    std::unique_ptr<TSeBitmapLink> bitmap_;
    TscTileStyle tileStyle_ = tsTile;
};

// InactiveBitmap while the window is not active.
class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
public:
    explicit TSeFormBitmapSkinObject(TComponent* owner);
    ~TSeFormBitmapSkinObject() override;
    const TSePropertyList& Properties() const override;
    TSeBitmapLink* InactiveBitmap() const { return inactiveBitmap_.get(); }
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

protected:
    const TSeBitmapLink* CurrentLink() const override;

private:
    std::unique_ptr<TSeBitmapLink> inactiveBitmap_;
};

// Nine parts by the margins.
class TSeBitmapBoxObject : public TSeBitmapSkinObject {
public:
    explicit TSeBitmapBoxObject(TComponent* owner);
    const TSePropertyList& Properties() const override;
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle s) { borderTileStyle_ = s; }

protected:
    static TSePropertyList BitmapBoxProperties();
    void DrawWithLink(TCanvas& canvas, const TSeBitmapLink* link) override;

private:
    TscTileStyle borderTileStyle_ = tsTile;
};

class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
public:
    explicit TSeActiveBitmapBoxObject(TComponent* owner);
    ~TSeActiveBitmapBoxObject() override;
    const TSePropertyList& Properties() const override;
    TSeBitmapLink* FocusedBitmap() const { return focusedBitmap_.get(); }
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

protected:
    const TSeBitmapLink* CurrentLink() const override;

private:
    std::unique_ptr<TSeBitmapLink> focusedBitmap_;
};

class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
public:
    explicit TSeButtonBitmapBoxObject(TComponent* owner);
    ~TSeButtonBitmapBoxObject() override;
    const TSePropertyList& Properties() const override;
    TSeBitmapLink* HotBitmap() const { return links_[0].get(); }
    TSeBitmapLink* FocusedBitmap() const { return links_[1].get(); }
    TSeBitmapLink* PressedBitmap() const { return links_[2].get(); }
    TSeBitmapLink* DisabledBitmap() const { return links_[3].get(); }
    void CollectLinks(std::vector<TSeBitmapLink*>& links) const override;

protected:
    const TSeBitmapLink* CurrentLink() const override;

private:
    std::unique_ptr<TSeBitmapLink> links_[4];
};
