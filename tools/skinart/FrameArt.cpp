// The window frame and its caption buttons.

#include "skin/engine/SeBitmap.h"
#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinPalette.h"

#include <cmath>

namespace skinart {

using namespace palette;
namespace frame = atlas::frame;
namespace caption = atlas::caption;

namespace {

constexpr float Radius = 7;

// A caption strip with rounded upper corners; sliced into the left end, a
// tiled middle and the right end.
void drawCaption(ArtCanvas& canvas, RECT cell, bool active)
{
    const int h = cell.bottom - cell.top;
    canvas.SetHardEdges(true);
    {
        ShapeMask outer(cell);
        outer.RoundRect(float(cell.left), float(cell.top), float(cell.right), float(cell.bottom + 20), Radius);
        canvas.Paint(outer, active ? Outline : OutlineInactive);
    }
    canvas.SetHardEdges(false);
    ShapeMask inner(cell);
    inner.RoundRect(float(cell.left + 1), float(cell.top + 1), float(cell.right - 1), float(cell.bottom + 20),
                    Radius - 1);
    const Pixel top = active ? CaptionTop : CaptionInactiveTop;
    const Pixel bottom = active ? CaptionBottom : CaptionInactiveBottom;
    canvas.SetMatte(active ? Outline : OutlineInactive);
    canvas.Paint(inner, [&](int, int y) {
        const int row = y - cell.top;
        if (row == h - 1)
            return CaptionRule;
        // The active window wears a thin accent along its top edge.
        if (active && row <= 2)
            return row == 1 ? AccentHot : Accent;
        return Mix(top, bottom, (row - 3) * 255 / (h - 5));
    });
}

// Sides over a bottom with rounded lower corners.
void drawLower(ArtCanvas& canvas, RECT cell, bool active)
{
    canvas.SetHardEdges(true);
    ShapeMask outer(cell);
    outer.RoundRect(float(cell.left), float(cell.top - 30), float(cell.right), float(cell.bottom), Radius - 2);
    canvas.Paint(outer, active ? Outline : OutlineInactive);
    canvas.SetHardEdges(false);
    canvas.SetMatte(active ? Outline : OutlineInactive);
    ShapeMask inner(cell);
    inner.RoundRect(float(cell.left + 1), float(cell.top - 30), float(cell.right - 1), float(cell.bottom - 1),
                    Radius - 3);
    canvas.Paint(inner, Surface);
}

RECT shifted(RECT r, int dx) { return RECT{r.left + dx, r.top, r.right + dx, r.bottom}; }

} // namespace

std::vector<PointF> Arc(float cx, float cy, float r, float fromDegrees, float toDegrees, int steps)
{
    std::vector<PointF> points;
    for (int i = 0; i <= steps; ++i) {
        const float a = (fromDegrees + (toDegrees - fromDegrees) * float(i) / float(steps)) * 3.14159265f / 180;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

void AddGlyph(ShapeMask& mask, caption::Glyph glyph, float x, float y, float size)
{
    const float k = size / 13;
    auto p = [&](float px, float py) { return PointF{x + px * k, y + py * k}; };
    auto rect = [&](float l, float t, float r, float b) { mask.Rect(x + l * k, y + t * k, x + r * k, y + b * k); };
    auto frameRect = [&](float l, float t, float r, float b) {
        rect(l, t, r, t + 1);
        rect(l, b - 1, r, b);
        rect(l, t, l + 1, b);
        rect(r - 1, t, r, b);
    };
    const float stroke = 1.4f * k;
    switch (glyph) {
    case caption::Close:
        mask.Stroke({p(3, 3), p(10, 10)}, stroke);
        mask.Stroke({p(10, 3), p(3, 10)}, stroke);
        break;
    case caption::Maximize:
        frameRect(2, 2, 11, 11);
        rect(2, 3, 11, 4); // a heavier top edge reads as a window
        break;
    case caption::Restore:
        frameRect(2, 4, 9, 11);
        rect(4, 2, 11, 3);
        rect(10, 2, 11, 9);
        rect(4, 2, 5, 4);
        rect(9, 8, 11, 9);
        break;
    case caption::Minimize:
        rect(2, 7, 11, 8);
        break;
    case caption::RollUp:
        mask.Stroke({p(3, 8), p(6.5f, 4.5f), p(10, 8)}, stroke);
        break;
    case caption::RollDown:
        mask.Stroke({p(3, 5), p(6.5f, 8.5f), p(10, 5)}, stroke);
        break;
    case caption::Tray:
        rect(2, 10, 11, 11);
        mask.Stroke({p(6.5f, 2), p(6.5f, 7.5f)}, 1.2f * k);
        mask.Stroke({p(4, 5.5f), p(6.5f, 8), p(9, 5.5f)}, 1.2f * k);
        break;
    case caption::Help: {
        std::vector<PointF> curve = Arc(6.5f, 4.6f, 2.6f, 190, 400, 12);
        for (PointF& q : curve)
            q = p(q.x, q.y);
        curve.push_back(p(6.5f, 8));
        mask.Stroke(curve, stroke);
        mask.Ellipse(x + 5.6f * k, y + 9.6f * k, x + 7.4f * k, y + 11.4f * k);
        break;
    }
    default:
        break;
    }
}

std::unique_ptr<TSeBitmap> NewBitmap(const char* name, int width, int height)
{
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName(name);
    bitmap->Allocate(width, height);
    return bitmap;
}

std::unique_ptr<TSeBitmap> DrawFrameBitmap()
{
    auto bitmap = NewBitmap(frame::Name, frame::Width, frame::Height);
    ArtCanvas canvas(*bitmap);
    for (bool active : {true, false}) {
        const int dx = active ? 0 : frame::InactiveOffset;
        drawCaption(canvas, shifted(frame::FormCaption, dx), active);
        drawLower(canvas, shifted(frame::Lower, dx), active);
    }
    return bitmap;
}

std::unique_ptr<TSeBitmap> DrawCaptionButtonsBitmap()
{
    auto bitmap = NewBitmap(caption::Name, caption::Width, caption::Height);
    ArtCanvas canvas(*bitmap);
    const Pixel captionMid = Mix(CaptionTop, CaptionBottom, 128);
    canvas.SetMatte(captionMid);
    // Column 0 of each size stays clear: the caption shows through.
    auto back = [&](RECT cell, Pixel colour) {
        canvas.RoundRect(RECT{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1}, 4, colour);
    };
    back(atlas::Next(caption::Back21, 1), ButtonHot);
    back(atlas::Next(caption::Back21, 2), ButtonPressed);
    back(atlas::Next(caption::Back23, 1), Accent);
    back(atlas::Next(caption::Back23, 2), AccentPressed);

    for (int g = 0; g < caption::GlyphCount; ++g) {
        const bool isClose = g == caption::Close;
        const Pixel colours[4] = {GlyphNormal, TextBright, TextBright, GlyphInactive};
        const Pixel mattes[4] = {captionMid, isClose ? Accent : ButtonHot, isClose ? AccentPressed : ButtonPressed,
                                 Mix(CaptionInactiveTop, CaptionInactiveBottom, 128)};
        for (int column = 0; column < 4; ++column) {
            const RECT cell = caption::GlyphCell(caption::Glyph(g), column);
            ShapeMask mask(cell);
            AddGlyph(mask, caption::Glyph(g), float(cell.left), float(cell.top), 13);
            canvas.SetMatte(mattes[column]);
            canvas.Paint(mask, colours[column]);
        }
    }
    return bitmap;
}

} // namespace skinart
