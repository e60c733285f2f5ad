// Placing skin objects: ArrangeIn and the alignment passes over the
// children.

#include "skin/engine/SeSkinObject.h"

#include "platform/Gdi.h"
#include "platform/gdi/MeasuringDc.h"
#include "ui/graphics/Font.h"

void TSeSkinObject::ArrangeIn(const RECT& r)
{
    if (r.left == left_ && r.top == top_ && r.right - r.left == width_ && r.bottom - r.top == height_)
        return;
    previousWidth_ = width_;
    previousHeight_ = height_;
    left_ = r.left;
    top_ = r.top;
    width_ = std::max(0, int(r.right - r.left));
    height_ = std::max(0, int(r.bottom - r.top));
    AlignObjects();
}

void TSeSkinObject::measureTextWidth()
{
    brio::MeasuringDc dc(Font()->Handle());
    if (!dc.get())
        return;
    SetWidth(dc.textExtent(text_).cx + textMarginLeft_ + textMarginRight_);
}

void TSeSkinObject::AlignObjects()
{
    RECT r = BoundsRect();
    std::vector<TSeSkinObject*> children;
    for (int i = 0; i < ChildCount(); ++i)
        if (Child(i)->visible_)
            children.push_back(Child(i));

    auto verticalPass = [&](TSeAlign top, TSeAlign bottom) {
        for (TSeSkinObject* c : children) {
            if (c->align_ == top) {
                const int h = c->height_;
                c->ArrangeIn(RECT{r.left, r.top, r.right, r.top + h});
                r.top += h;
            } else if (c->align_ == bottom) {
                const int h = c->height_;
                c->ArrangeIn(RECT{r.left, r.bottom - h, r.right, r.bottom});
                r.bottom -= h;
            }
        }
    };
    auto horizontalPass = [&](TSeAlign left, TSeAlign right) {
        for (TSeSkinObject* c : children) {
            if (c->align_ == left) {
                const int w = c->width_;
                c->ArrangeIn(RECT{r.left, r.top, r.left + w, r.bottom});
                r.left += w;
            } else if (c->align_ == right) {
                const int w = c->width_;
                c->ArrangeIn(RECT{r.right - w, r.top, r.right, r.bottom});
                r.right -= w;
            }
        }
    };
    verticalPass(saMostTop, saMostBottom);
    horizontalPass(saMostLeft, saMostRight);
    verticalPass(saTop, saBottom);
    horizontalPass(saLeft, saRight);

    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->align_ == saText)
            (*it)->measureTextWidth();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TSeSkinObject* c = *it;
        if (c->align_ != saCenter)
            continue;
        const int x = r.left + (r.right - r.left - c->width_) / 2;
        const int y = r.top + (r.bottom - r.top - c->height_) / 2;
        c->ArrangeIn(RECT{x, y, x + c->width_, y + c->height_});
    }
    for (TSeSkinObject* c : children)
        if (c->align_ == saClient)
            c->ArrangeIn(r);

    // Corner-anchored children follow the change of this object's size. The
    // change is used up, so drawing (which lays out again) cannot move them
    // twice.
    const int dw = previousWidth_ > 0 ? width_ - previousWidth_ : 0;
    const int dh = previousHeight_ > 0 ? height_ - previousHeight_ : 0;
    for (TSeSkinObject* c : children) {
        const bool moveX = (c->align_ == saTopRight || c->align_ == saBottomRight) && dw != 0;
        const bool moveY = (c->align_ == saBottomLeft || c->align_ == saBottomRight) && dh != 0;
        if (moveX)
            c->left_ += dw;
        if (moveY)
            c->top_ += dh;
        // Its own children follow at once rather than at some later layout.
        if (moveX || moveY)
            c->AlignObjects();
    }
    previousWidth_ = width_;
    previousHeight_ = height_;
}
