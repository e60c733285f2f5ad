#include "skin/controls/bars/SeSkinTrackBar.h"

#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

TSeSkinTrackBar::TSeSkinTrackBar(TComponent* owner) : brio::Skinned<TSeCustomTrackBar>(owner, "TrackBar")
{
    SetTransparent(true);
}

TSeSkinTrackBar::~TSeSkinTrackBar() = default;

TSeSkinObject* TSeSkinTrackBar::thumbSizer() const
{
    if (!Skin())
        return nullptr;
    return horizontal() ? brio::firstSkinChild(Skin(), {"ThumbHorz", "Thumb"}) : brio::firstSkinChild(Skin(), {"ThumbVert", "Thumb"});
}

TSeSkinObject* TSeSkinTrackBar::frame() const
{
    if (!Skin())
        return nullptr;
    return horizontal() ? brio::firstSkinChild(Skin(), {"FrameHorz", "Frame"}) : brio::firstSkinChild(Skin(), {"FrameVert", "Frame"});
}

int TSeSkinTrackBar::GetThumbLength() const
{
    const TSeSkinObject* thumb = thumbSizer();
    if (!thumb)
        return TSeCustomTrackBar::GetThumbLength();
    return horizontal() ? thumb->Width() : thumb->Height();
}

int TSeSkinTrackBar::GetThumbThickness() const
{
    const TSeSkinObject* thumb = thumbSizer();
    if (!thumb)
        return TSeCustomTrackBar::GetThumbThickness();
    return horizontal() ? thumb->Height() : thumb->Width();
}

int TSeSkinTrackBar::GetTrackMargin() const
{
    const TSeSkinObject* f = frame();
    if (!f)
        return TSeCustomTrackBar::GetTrackMargin();
    return horizontal() ? f->MarginLeft() : f->MarginTop();
}

int TSeSkinTrackBar::GetTrackOffset() const
{
    const TSeSkinObject* f = frame();
    if (!f)
        return TSeCustomTrackBar::GetTrackOffset();
    return horizontal() ? f->MarginTop() : f->MarginLeft();
}

void TSeSkinTrackBar::PaintTrack(TCanvas& canvas, int trackStart, int trackEnd, int thumbPixel)
{
    TSeSkinObject* track = Skin() ? (horizontal() ? brio::firstSkinChild(Skin(), {"TrackHorz", "Track"})
                                                             : brio::firstSkinChild(Skin(), {"TrackVert", "Track"}))
                                             : nullptr;
    if (!track) {
        TSeCustomTrackBar::PaintTrack(canvas, trackStart, trackEnd, thumbPixel);
        return;
    }
    // The channel keeps its own thickness, centred on the thumb.
    const int thickness = horizontal() ? track->Height() : track->Width();
    const int across = ThumbCrossStart() + GetThumbThickness() / 2 - thickness / 2;
    const RECT channel = axisRect(trackStart, trackEnd, across, across + thickness);
    track->ApplyState(Enabled() ? SeStateNormal : SeStateDisabled);
    track->ArrangeIn(channel);
    track->Draw(canvas);

    const RECT interval = highlightRect(channel, thumbPixel);
    TSeSkinObject* highlight = horizontal() ? brio::firstSkinChild(Skin(), {"HighlightHorz", "Highlight"})
                                            : brio::firstSkinChild(Skin(), {"HighlightVert", "Highlight"});
    if (highlight && !IsEmpty(interval)) {
        highlight->ArrangeIn(interval);
        highlight->Draw(canvas);
    }
}

void TSeSkinTrackBar::PaintThumb(TCanvas& canvas, int pixel)
{
    TSeSkinObject* thumb = nullptr;
    if (Skin()) {
        const char* sided = nullptr;
        if (TickMarks() == tmBottomRight)
            sided = horizontal() ? "ThumbHorzBottom" : "ThumbVertRight";
        else if (TickMarks() == tmTopLeft)
            sided = horizontal() ? "ThumbHorzTop" : "ThumbVertLeft";
        if (sided)
            thumb = brio::firstSkinChild(Skin(), {sided});
        if (!thumb)
            thumb = horizontal() ? brio::firstSkinChild(Skin(), {"ThumbHorz", "Thumb"})
                                 : brio::firstSkinChild(Skin(), {"ThumbVert", "Thumb"});
    }
    if (!thumb) {
        TSeCustomTrackBar::PaintThumb(canvas, pixel);
        return;
    }
    const std::uint8_t state = !Enabled() ? SeStateDisabled
                               : Dragging() ? SeStatePressed
                               : ThumbHot() ? SeStateHot
                               : Focused()  ? SeStateFocused
                                            : SeStateNormal;
    thumb->ArrangeIn(thumbRect(pixel));
    thumb->ApplyState(state);
    thumb->Draw(canvas);
}
