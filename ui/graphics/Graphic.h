#pragma once
// TGraphic: the base of pictures a canvas can draw (bitmaps, icons).

#include "platform/WinTypes.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <memory>
#include <string>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
public:
    TNotifyEvent OnChange;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual void SetSize(int width, int height)
    {
        SetWidth(width);
        SetHeight(height);
    }
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);
    bool Modified() const { return modified_; }
    void SetModified(bool modified);

    // Loading raises EInvalidGraphic for data it cannot read and leaves the
    // picture as it was.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    // A new graphic of the same class with the same picture.
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

protected:
    friend class TCanvas;
    // Draws into `rect` of `canvas`, scaled to its size.
    virtual void Draw(TCanvas& canvas, const RECT& rect) = 0;
    virtual void Changed();

    bool transparent_ = false;

private:
    bool modified_ = false;
};
