// Push buttons, check boxes, scroll bars, track bars and progress bars.

#include "skin/engine/SeBitmap.h"
#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinPalette.h"

namespace skinart {

using namespace palette;
using atlas::Next;

namespace {

RECT inset(RECT r, int d) { return RECT{r.left + d, r.top + d, r.right - d, r.bottom - d}; }

struct FaceLook {
    Pixel border, top, bottom, ring;
};

constexpr Pixel FaceTop = Rgb(0x474A51), FaceBottom = Rgb(0x3C3F45);
constexpr Pixel ScrollTrack = Rgb(0x232428);

void drawFace(ArtCanvas& canvas, RECT cell, const FaceLook& look)
{
    canvas.RoundRect(cell, 4, look.border);
    canvas.SetMatte(look.border);
    canvas.RoundRectGradient(inset(cell, 1), 3, look.top, look.bottom);
    if (look.ring != 0)
        canvas.RoundFrame(inset(cell, 1), 3, 1, look.ring);
    canvas.SetMatte(Surface);
}

void arrow(ArtCanvas& canvas, RECT cell, atlas::scroll::Direction d, Pixel colour)
{
    const float l = float(cell.left), t = float(cell.top);
    ShapeMask mask(cell);
    switch (d) {
    case atlas::scroll::Left: mask.Polygon({{l + 9.5f, t + 4.5f}, {l + 9.5f, t + 11.5f}, {l + 5.5f, t + 8}}); break;
    case atlas::scroll::Right: mask.Polygon({{l + 6.5f, t + 4.5f}, {l + 6.5f, t + 11.5f}, {l + 10.5f, t + 8}}); break;
    case atlas::scroll::Up: mask.Polygon({{l + 4.5f, t + 9.5f}, {l + 11.5f, t + 9.5f}, {l + 8, t + 5.5f}}); break;
    case atlas::scroll::Down: mask.Polygon({{l + 4.5f, t + 6.5f}, {l + 11.5f, t + 6.5f}, {l + 8, t + 10.5f}}); break;
    }
    canvas.Paint(mask, colour);
}

} // namespace

std::unique_ptr<TSeBitmap> DrawButtonsBitmap()
{
    namespace b = atlas::buttons;
    auto bitmap = NewBitmap(b::Name, b::Width, b::Height);
    ArtCanvas canvas(*bitmap);
    canvas.SetMatte(Surface);
    const FaceLook faces[5] = {
        {Rgb(0x55595F), FaceTop, FaceBottom, 0},
        {Rgb(0x70747C), Rgb(0x52555D), Rgb(0x464950), 0},
        {AccentPressed, Rgb(0x2C2E32), Rgb(0x35383D), 0},
        {Accent, FaceTop, FaceBottom, Rgb(0x7A5A3C)},
        {Rgb(0x3E4147), Rgb(0x34363B), Rgb(0x34363B), 0},
    };
    for (int look = 0; look < 5; ++look)
        drawFace(canvas, Next(b::Face, look), faces[look]);

    // Flat faces: clear until the pointer comes.
    canvas.RoundRect(Next(b::FlatFace, atlas::Hot), 4, Raised);
    canvas.RoundRect(Next(b::FlatFace, atlas::Pressed), 4, ButtonPressed);
    canvas.RoundFrame(Next(b::FlatFace, atlas::Focused), 4, 1, Accent);

    const Pixel arrows[4] = {TextMuted, TextBright, Accent, TextDisabled};
    canvas.SetMatte(Mix(FaceTop, FaceBottom, 128));
    for (int column = 0; column < 4; ++column)
        arrow(canvas, Next(b::Arrow, column), atlas::scroll::Down, arrows[column]);
    return bitmap;
}

std::unique_ptr<TSeBitmap> DrawChecksBitmap()
{
    namespace c = atlas::checks;
    auto bitmap = NewBitmap(c::Name, c::Width, c::Height);
    ArtCanvas canvas(*bitmap);
    // Columns: normal, hot, pressed, focused, disabled.
    const Pixel borders[5] = {Rgb(0x6E727A), AccentHot, AccentPressed, Accent, Rgb(0x45484E)};
    const Pixel wells[5] = {Sunken, Rgb(0x26282B), Rgb(0x303237), Sunken, Rgb(0x27292C)};
    const Pixel fills[5] = {Accent, AccentHot, AccentPressed, Accent, Rgb(0x4E4338)};
    const Pixel marks[5] = {Ink, Ink, Ink, Ink, TextDisabled};
    const Pixel focusRing = Rgb(0xFFD3A8);
    for (int look = 0; look < 5; ++look) {
        for (int row = 0; row < 5; ++row) {
            const RECT cell = c::Box(c::Row(row), look);
            const bool on = row == c::Checked || row == c::Mixed || row == c::RadioOn;
            const bool round = row >= c::RadioOff;
            const float l = float(cell.left), t = float(cell.top);
            canvas.SetMatte(Surface);
            ShapeMask outer(cell);
            if (round)
                outer.Ellipse(l + 1, t + 1, l + 14, t + 14);
            else
                outer.RoundRect(l + 1, t + 1, l + 14, t + 14, 3);
            canvas.Paint(outer, on ? fills[look] : borders[look]);
            canvas.SetMatte(on ? fills[look] : borders[look]);
            if (!on || look == atlas::Focused) {
                ShapeMask inner(cell);
                if (round)
                    inner.Ellipse(l + 2, t + 2, l + 13, t + 13);
                else
                    inner.RoundRect(l + 2, t + 2, l + 13, t + 13, 2);
                canvas.Paint(inner, on ? focusRing : wells[look]);
                if (on) {
                    ShapeMask core(cell);
                    if (round)
                        core.Ellipse(l + 3, t + 3, l + 12, t + 12);
                    else
                        core.RoundRect(l + 3, t + 3, l + 12, t + 12, 1.5f);
                    canvas.SetMatte(focusRing);
                    canvas.Paint(core, fills[look]);
                }
            }
            if (!on)
                continue;
            canvas.SetMatte(fills[look]);
            ShapeMask mark(cell);
            if (row == c::Checked)
                mark.Stroke({{l + 4.3f, t + 7.6f}, {l + 6.5f, t + 9.8f}, {l + 10.7f, t + 5.2f}}, 1.8f);
            else if (row == c::Mixed)
                mark.Rect(l + 4, t + 6.5f, l + 11, t + 8.5f);
            else
                mark.Ellipse(l + 5, t + 5, l + 10, t + 10);
            canvas.Paint(mark, marks[look]);
        }
    }
    return bitmap;
}

std::unique_ptr<TSeBitmap> DrawScrollBarBitmap()
{
    namespace s = atlas::scroll;
    auto bitmap = NewBitmap(s::Name, s::Width, s::Height);
    ArtCanvas canvas(*bitmap);
    const Pixel arrows[4] = {Rgb(0x8A8D94), Text, Accent, Rgb(0x4E5157)};
    const Pixel backs[4] = {0, Raised, ButtonPressed, 0};
    for (int d = 0; d < 4; ++d)
        for (int column = 0; column < 4; ++column) {
            const RECT cell = s::ArrowCell(s::Direction(d), column);
            canvas.Fill(cell, ScrollTrack);
            canvas.SetMatte(ScrollTrack);
            if (backs[column] != 0)
                canvas.RoundRect(inset(cell, 1), 3, backs[column]);
            canvas.SetMatte(backs[column] != 0 ? backs[column] : ScrollTrack);
            arrow(canvas, cell, s::Direction(d), arrows[column]);
        }
    canvas.Fill(s::HorzTrack, ScrollTrack);
    canvas.Fill(s::VertTrack, ScrollTrack);
    const Pixel sliders[4] = {Rgb(0x585B62), Rgb(0x74777F), Accent, Rgb(0x3A3C41)};
    canvas.SetMatte(ScrollTrack);
    for (int column = 0; column < 4; ++column) {
        const RECT h = Next(s::HorzSlider, column), v = Next(s::VertSlider, column);
        canvas.Fill(h, ScrollTrack);
        canvas.Fill(v, ScrollTrack);
        canvas.RoundRect(RECT{h.left + 1, h.top + 4, h.right - 1, h.bottom - 4}, 4, sliders[column]);
        canvas.RoundRect(RECT{v.left + 4, v.top + 1, v.right - 4, v.bottom - 1}, 4, sliders[column]);
    }
    return bitmap;
}

std::unique_ptr<TSeBitmap> DrawTrackBarBitmap()
{
    namespace t = atlas::track;
    auto bitmap = NewBitmap(t::Name, t::Width, t::Height);
    ArtCanvas canvas(*bitmap);
    canvas.SetMatte(Surface);
    for (RECT channel : {t::HorzChannel, t::VertChannel}) {
        canvas.RoundRect(channel, 3, Rgb(0x45484F));
        canvas.SetMatte(Rgb(0x45484F));
        canvas.RoundRect(inset(channel, 1), 2, Sunken);
        canvas.SetMatte(Surface);
    }
    canvas.RoundRect(t::HorzHighlight, 3, Accent);
    canvas.RoundRect(t::VertHighlight, 3, Accent);

    // Thumbs: an orange ring around a graphite core.
    const Pixel rings[5] = {Accent, AccentHot, AccentPressed, Accent, Rgb(0x5A5D63)};
    for (int look = 0; look < 5; ++look) {
        const RECT cell = Next(t::Thumb, look);
        const float l = float(cell.left), tp = float(cell.top);
        canvas.SetMatte(Surface);
        if (look == atlas::Focused) {
            ShapeMask halo(cell);
            halo.Ellipse(l, tp, l + 16, tp + 16);
            canvas.Paint(halo, Rgb(0xFFD3A8));
            canvas.SetMatte(Rgb(0xFFD3A8));
        }
        ShapeMask ring(cell);
        ring.Ellipse(l + 1, tp + 1, l + 15, tp + 15);
        canvas.Paint(ring, rings[look]);
        canvas.SetMatte(rings[look]);
        ShapeMask core(cell);
        const float c = look == atlas::Pressed ? 4 : 5;
        core.Ellipse(l + c, tp + c, l + 16 - c, tp + 16 - c);
        canvas.Paint(core, look == atlas::Disabled ? Rgb(0x34363B) : Surface);
    }

    canvas.SetMatte(Surface);
    canvas.RoundRect(t::ProgressFrame, 4, Border);
    canvas.SetMatte(Border);
    canvas.RoundRect(inset(t::ProgressFrame, 1), 3, Sunken);
    canvas.SetMatte(Sunken);
    canvas.RoundRectGradient(t::ProgressHorz, 3, AccentHot, AccentPressed);
    {
        const RECT v = t::ProgressVert;
        ShapeMask mask(v);
        mask.RoundRect(float(v.left), float(v.top), float(v.right), float(v.bottom), 3);
        canvas.Paint(mask, [&](int x, int) { return Mix(AccentHot, AccentPressed, (x - v.left) * 255 / 11); });
    }
    return bitmap;
}

} // namespace skinart
