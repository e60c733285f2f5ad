#pragma once
// TSeMenuSkin: a skinned menu's private copy of the skin's "PopupMenu"
// object, with the children its popups draw with: "Frame" over the whole
// popup window (its margins give the rows' area), "Item" for every row and
// "Separator" for separator rows. Found once per popup, never per row.

#include "platform/WinTypes.h"

#include <memory>

class TSeSkinEngine;
class TSeSkinObject;

class TSeMenuSkin {
public:
    TSeMenuSkin();
    ~TSeMenuSkin();
    TSeMenuSkin(const TSeMenuSkin&) = delete;
    TSeMenuSkin& operator=(const TSeMenuSkin&) = delete;

    // Takes a fresh copy from the engine's skin; without an engine, a
    // loaded skin or its "PopupMenu" object the menu is unbound and draws
    // its plain look. True when bound.
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

private:
    std::unique_ptr<TSeSkinObject> copy_;
    TSeSkinObject* frame_ = nullptr;
    TSeSkinObject* item_ = nullptr;
    TSeSkinObject* separator_ = nullptr;
};
