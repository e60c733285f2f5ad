#pragma once
// TIcon: an HICON as a graphic. Reads and writes .ico files (BMP- or
// PNG-coded images; of several images the largest is kept).

#include "ui/graphics/Graphic.h"

#include <vector>

class TIcon : public TGraphic {
public:
    TIcon() = default;
    ~TIcon() override;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    // From another icon (a copy of its handle), a bitmap (its transparent
    // colour or alpha becomes the mask) or null (empty).
    void Assign(const TPersistent* source) override;
    std::unique_ptr<TGraphic> Clone() const override;

    HICON Handle() const { return handle_; }
    // Takes over `icon`; the old one is destroyed.
    void SetHandle(HICON icon);
    HICON ReleaseHandle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    bool Empty() const override { return !handle_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // Raise EInvalidGraphicOperation "Cannot change the size of an icon".
    void SetWidth(int width) override;
    void SetHeight(int height) override;

    // The picture as straight-alpha pixels, top row first.
    std::vector<Pixel> StraightAlphaPixels() const;

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

protected:
    void Draw(TCanvas& canvas, const RECT& rect) override;

private:
    HICON handle_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// An icon made from straight-alpha pixels (top row first); null when the
// size is not positive.
HICON CreateIconFromPixels(const Pixel* pixels, int width, int height);
