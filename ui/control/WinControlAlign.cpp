// Laying out children: aligned controls claim the edges of the remaining
// area in docking order (top, bottom, left, right, then client), and
// anchored controls keep their distances to the edges they are anchored to.

#include "ui/control/WinControl.h"

#include <algorithm>

namespace {

// Controls with the same alignment keep the order of their positions:
// top ones by top edge, bottom ones from the bottom up, and so on.
// On a tie the control that asked for the layout goes first.
int claimKey(TAlign align, const TControl* c)
{
    switch (align) {
    case alTop:
        return c->Top();
    case alBottom:
        return -(c->Top() + c->Height());
    case alLeft:
        return c->Left();
    case alRight:
        return -(c->Left() + c->Width());
    default:
        return 0;
    }
}

bool claimsEarlier(TAlign align, const TControl* a, const TControl* b, const TControl* requester)
{
    int ka = claimKey(align, a);
    int kb = claimKey(align, b);
    if (ka != kb)
        return ka < kb;
    return a == requester && b != requester;
}

} // namespace

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::EnableAlign()
{
    if (alignDisabled_ > 0 && --alignDisabled_ == 0)
        Realign();
}

void TWinControl::Realign()
{
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* requester)
{
    if (alignDisabled_ > 0 || aligning_ || ComponentState().Contains(csDestroying))
        return;
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(requester, rect);
}

void TWinControl::AlignControls(TControl* requester, TRect& rect)
{
    if (ComponentState().Contains(csLoading))
        return;
    aligning_ = true;
    try {
        alignChildren(rect, requester);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
    TRect client = ClientRect();
    lastClientSize_ = SIZE{::Width(client), ::Height(client)};
}

void TWinControl::alignChildren(TRect& rect, TControl* requester)
{
    TRect full = ClientRect();
    AdjustClientRect(full);
    for (TControl* c : controls_)
        if (c->Align() == alNone && c->Visible() && !(c->Anchors() == TAnchors{akLeft, akTop}))
            applyAnchors(c, full);

    const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign align : order) {
        std::vector<TControl*> group;
        for (TControl* c : controls_)
            if (c->Align() == align && c->Visible())
                group.push_back(c);
        std::stable_sort(group.begin(), group.end(),
                         [align, requester](const TControl* a, const TControl* b) {
                             return claimsEarlier(align, a, b, requester);
                         });
        for (TControl* c : group) {
            int w = c->Width();
            int h = c->Height();
            int availW = std::max(0, ::Width(rect));
            int availH = std::max(0, ::Height(rect));
            switch (align) {
            case alTop:
                c->SetBounds(rect.left, rect.top, availW, h);
                rect.top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rect.left, rect.bottom - h, availW, h);
                rect.bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rect.left, rect.top, w, availH);
                rect.left += c->Width();
                break;
            case alRight:
                c->SetBounds(rect.right - w, rect.top, w, availH);
                rect.right -= c->Width();
                break;
            case alClient:
                c->SetBounds(rect.left, rect.top, availW, availH);
                break;
            default:
                break;
            }
        }
    }
}

void TWinControl::applyAnchors(TControl* child, const TRect& area)
{
    TAnchors a = child->Anchors();
    int left = child->Left();
    int top = child->Top();
    int width = child->Width();
    int height = child->Height();
    int right = area.right - child->anchorRight_;
    int bottom = area.bottom - child->anchorBottom_;
    if (a.Contains(akRight)) {
        if (a.Contains(akLeft))
            width = right - left;
        else
            left = right - width;
    }
    if (a.Contains(akBottom)) {
        if (a.Contains(akTop))
            height = bottom - top;
        else
            top = bottom - height;
    }
    child->SetBounds(left, top, std::max(0, width), std::max(0, height));
}
