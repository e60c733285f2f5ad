#pragma once
// TSeMenuSkin: a skinned menu's private copy of the skin's "PopupMenu"
// object, with the children its popups draw with: "Frame" over the whole
// popup window (its margins give the rows' area), "Item" for every row and
// "Separator" for separator rows. Found once per popup, never per row.

#include "platform/WinTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

class TSeBitmap;
class TSeSkinEngine;
class TSeSkinObject;

class TSeMenuSkin {
public:
    TSeMenuSkin();
    ~TSeMenuSkin();
    TSeMenuSkin(const TSeMenuSkin&) = delete;
    TSeMenuSkin& operator=(const TSeMenuSkin&) = delete;

    // Takes a copy from the engine's skin; without an engine, a loaded skin
    // or its "PopupMenu" object the menu is unbound and draws its plain
    // look. A copy of the same object of the same engine is kept (with the
    // pictures made from it): the owner unbinds whenever the engine
    // changes its skin. True when bound.
    bool Bind(TSeSkinEngine* engine);
    void Unbind();
    // Bound when the copy has an "Item" to draw rows with.
    bool Bound() const { return item_ != nullptr; }

    TSeSkinObject* Root() const { return copy_.get(); }
    TSeSkinObject* Frame() const { return frame_; }
    TSeSkinObject* Item() const { return item_; }
    TSeSkinObject* Separator() const { return separator_; }
    // How far the rows' area lies inside the popup on each side: the
    // frame's margins, or none without a frame.
    RECT ClientInsets() const;

    // The frame drawn over a popup of `size` (key colour where the frame
    // lets the desktop through), made once per size; null without a frame.
    TSeBitmap* FramePicture(SIZE size);
    // The outline of that picture; the caller owns the region. Null
    // without a frame.
    HRGN FrameRegion(SIZE size);
    // The "Item" object drawn at `size` in a row state (key colour where
    // the row lets the frame through), made once per size and state.
    TSeBitmap* ItemPicture(SIZE size, std::uint8_t state, bool enabled);
    // A whole row as it shows in a frame of `frameSize`: the frame's picture
    // at `rowInFrame` with the "Item" picture over it, opaque. Made once
    // per place and state, so that reopening a menu copies its rows.
    TSeBitmap* RowPicture(SIZE frameSize, const RECT& rowInFrame, std::uint8_t state, bool enabled);

private:
    struct Picture {
        SIZE size;
        int variant = 0;
        RECT place{};
        std::unique_ptr<TSeBitmap> bitmap;
        HRGN region = nullptr;
        Picture(SIZE s, int v, std::unique_ptr<TSeBitmap> b);
        Picture(Picture&& other) noexcept;
        Picture& operator=(Picture&& other) noexcept;
        ~Picture();
    };
    // A popup and its submenus use a few sizes; the oldest goes first.
    static constexpr std::size_t kPicturesKept = 64;
    Picture* findPicture(SIZE size, int variant, const RECT& place = RECT{});
    Picture& keep(Picture picture);

    std::unique_ptr<TSeSkinObject> copy_;
    TSeSkinEngine* engine_ = nullptr;
    TSeSkinObject* source_ = nullptr;
    std::vector<Picture> pictures_;
    TSeSkinObject* frame_ = nullptr;
    TSeSkinObject* item_ = nullptr;
    TSeSkinObject* separator_ = nullptr;
};
