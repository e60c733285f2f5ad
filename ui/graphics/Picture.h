#pragma once
// TPicture: holds one graphic of any class (bitmap, icon) and loads it from
// a file chosen by extension.

#include "ui/graphics/Graphic.h"

#include <memory>
#include <string>

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // From another picture or any graphic (copied); null empties it.
    void Assign(const TPersistent* source) override;

    TGraphic* Graphic() const { return graphic_.get(); }
    // A copy of `graphic`; null empties the picture.
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap; a graphic of another class is replaced by an
    // empty bitmap.
    TBitmap* Bitmap();
    void SetBitmap(const TBitmap* bitmap);
    TIcon* Icon();
    void SetIcon(const TIcon* icon);

    int Width() const;
    int Height() const;

    // .bmp and .png load as TBitmap, .ico as TIcon; another extension raises
    // EInvalidGraphic "Unknown picture file extension (.x)".
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    TNotifyEvent OnChange;

private:
    void take(std::unique_ptr<TGraphic> graphic);
    void changed();

    std::unique_ptr<TGraphic> graphic_;
};
