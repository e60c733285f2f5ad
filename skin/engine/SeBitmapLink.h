#pragma once
// TSeBitmapLink names a rectangle inside a skin bitmap (one strip serves many
// states and objects); TSeBitmapList owns the bitmaps of a skin.

#include "platform/WinTypes.h"
#include "ui/component/Component.h"

#include <memory>
#include <string>
#include <vector>

class TSeBitmap;

class TSeBitmapLink : public TPersistent {
public:
    TSeBitmap* Image() const { return image_; }
    void SetImage(TSeBitmap* image) { image_ = image; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Left() const { return rect_.left; }
    int Top() const { return rect_.top; }
    int Right() const { return rect_.right; }
    int Bottom() const { return rect_.bottom; }
    void SetLeft(int v) { rect_.left = v; }
    void SetTop(int v) { rect_.top = v; }
    void SetRight(int v) { rect_.right = v; }
    void SetBottom(int v) { rect_.bottom = v; }
    const RECT& Rect() const { return rect_; }
    void SetRect(const RECT& r) { rect_ = r; }
    int Width() const { return rect_.right - rect_.left; }
    int Height() const { return rect_.bottom - rect_.top; }

    // Has an image and a rectangle with a positive area.
    bool IsValid() const;
    // Image, rectangle and name; the image is never owned.
    void CloneFrom(const TSeBitmapLink& source);
    void Assign(const TPersistent* source) override;

private:
    TSeBitmap* image_ = nullptr;
    RECT rect_{};
    std::string name_;
};

class TSeBitmapList {
public:
    TSeBitmapList();
    ~TSeBitmapList();
    TSeBitmapList(const TSeBitmapList&) = delete;
    TSeBitmapList& operator=(const TSeBitmapList&) = delete;

    int Count() const { return int(items_.size()); }
    // Null for an index out of range.
    TSeBitmap* Items(int index) const;
    TSeBitmap* Add(std::unique_ptr<TSeBitmap> bitmap);
    void Clear();
    // The last bitmap whose name equals `name` ignoring case (a later bitmap
    // of the same name replaces an earlier one), or null.
    TSeBitmap* Find(const std::string& name) const;
    // A new link into the bitmap named `name`, or null when none matches.
    std::unique_ptr<TSeBitmapLink> LinkTo(const std::string& name, const RECT& r) const;

private:
    std::vector<std::unique_ptr<TSeBitmap>> items_;
};

// Letter case ignored, ASCII only (skin names are 8-bit text).
bool SameSkinName(const std::string& a, const std::string& b);
