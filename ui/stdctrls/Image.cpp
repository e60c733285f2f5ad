// TImage: placement of the picture and drawing it.

#include "ui/stdctrls/Image.h"

#include "ui/graphics/Picture.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>())
{
    controlStyle_.Include(csReplicatable);
    picture_->OnChange = [this](TObject*) { pictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    picture_->OnChange = nullptr;
}

void TImage::SetPicture(const TPicture* picture)
{
    picture_->Assign(picture);
}

void TImage::pictureChanged()
{
    if (TGraphic* g = picture_->Graphic()) {
        if (g->Transparent() != transparent_)
            g->SetTransparent(transparent_);
        // A picture that covers the control hides whatever is behind it.
        if (!transparent_ && (stretch_ || (g->Width() >= Width() && g->Height() >= Height())))
            controlStyle_.Include(csOpaque);
        else
            controlStyle_.Exclude(csOpaque);
    }
    Invalidate();
}

void TImage::SetStretch(bool value)
{
    if (value == stretch_)
        return;
    stretch_ = value;
    pictureChanged();
}

void TImage::SetCenter(bool value)
{
    if (value == center_)
        return;
    center_ = value;
    pictureChanged();
}

void TImage::SetProportional(bool value)
{
    if (value == proportional_)
        return;
    proportional_ = value;
    pictureChanged();
}

void TImage::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    pictureChanged();
}

RECT TImage::DestRect() const
{
    int w = picture_->Width();
    int h = picture_->Height();
    int cw = Width();
    int ch = Height();
    if (w <= 0 || h <= 0)
        return RECT{0, 0, 0, 0};
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_) {
            // Scale by the tighter of the two ratios, in integers.
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = int(static_cast<long long>(w) * ch / h);
                h = ch;
            } else {
                h = int(static_cast<long long>(h) * cw / w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    RECT r{0, 0, w, h};
    if (center_)
        OffsetRect(&r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    TGraphic* g = picture_->Graphic();
    if (!g || g->Empty())
        return;
    RECT r = DestRect();
    if (::Width(r) == g->Width() && ::Height(r) == g->Height())
        Canvas()->Draw(r.left, r.top, g);
    else
        Canvas()->StretchDraw(r, g);
}
