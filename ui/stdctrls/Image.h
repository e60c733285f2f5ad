#pragma once
// TImage: a windowless control that shows a picture, at its own size,
// centred, stretched or scaled to fit.

#include "ui/control/GraphicControl.h"

#include <memory>

class TPicture;

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(const TPicture* picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    // With Stretch, keeps the picture's shape; without, shrinks it only
    // when it does not fit.
    bool Proportional() const { return proportional_; }
    void SetProportional(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // Where the picture lands in the control.
    RECT DestRect() const;

protected:
    void Paint() override;

private:
    void pictureChanged();

    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
};
