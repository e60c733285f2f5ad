// The program's own pictures, in the skin's look: the six menu and tree
// images, the twenty key labels, the sound and microphone glyphs (plain and
// crossed out), the key-panel toggle's piano keys and the program's icon.
// Everything but the icon sits on magenta, which the program treats as
// see-through; the icon carries real transparency.

#include "skin/engine/SeBitmap.h"
#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinPalette.h"

#include <functional>

namespace skinart {

using namespace palette;

namespace {

constexpr Pixel Danger = Rgb(0xE0473C);
constexpr Pixel Calm = Rgb(0x8FB8E8);
constexpr Pixel Gold = Rgb(0xE8B830);
constexpr Pixel Emerald = Rgb(0x3CB878);
constexpr Pixel Paper = Rgb(0xF2F2F2);
constexpr Pixel Grey = Rgb(0x9A9DA4);

using Stroke = std::vector<PointF>;
// A character as strokes in a 6 x 10 box; a stroke of one point is a dot.
struct StrokeChar {
    char c;
    std::vector<Stroke> strokes;
};

// The key labels' characters, drawn from strokes so the pictures do not
// depend on the fonts a machine has.
const std::vector<StrokeChar>& KeyFont()
{
    static const std::vector<StrokeChar> font = {
        {'0', {{{1, 0}, {5, 0}, {6, 1.5f}, {6, 8.5f}, {5, 10}, {1, 10}, {0, 8.5f}, {0, 1.5f}, {1, 0}}}},
        {'1', {{{1, 2}, {3.5f, 0}, {3.5f, 10}}, {{1, 10}, {6, 10}}}},
        {'2', {{{0, 2}, {1.2f, 0}, {4.8f, 0}, {6, 1.5f}, {6, 3.8f}, {0, 10}, {6, 10}}}},
        {'3', {{{0, 1}, {1, 0}, {5, 0}, {6, 1}, {6, 4}, {5, 5}, {2, 5}},
               {{5, 5}, {6, 6}, {6, 9}, {5, 10}, {1, 10}, {0, 9}}}},
        {'4', {{{4.5f, 10}, {4.5f, 0}, {0, 7}, {6, 7}}}},
        {'5', {{{6, 0}, {0.5f, 0}, {0, 4.5f}, {5, 4.5f}, {6, 5.5f}, {6, 9}, {5, 10}, {0, 10}}}},
        {'6', {{{5, 0}, {2, 0}, {0, 3}, {0, 9}, {1, 10}, {5, 10}, {6, 9}, {6, 6}, {5, 5}, {0, 5}}}},
        {'7', {{{0, 0}, {6, 0}, {2, 10}}}},
        {'8', {{{1, 0}, {5, 0}, {6, 1}, {6, 4}, {5, 5}, {1, 5}, {0, 4}, {0, 1}, {1, 0}},
               {{1, 5}, {0, 6}, {0, 9}, {1, 10}, {5, 10}, {6, 9}, {6, 6}, {5, 5}}}},
        {'9', {{{6, 5}, {1, 5}, {0, 4}, {0, 1}, {1, 0}, {5, 0}, {6, 1}, {6, 7}, {4, 10}, {1, 10}}}},
        {'A', {{{0, 10}, {3, 0}, {6, 10}}, {{1, 6.5f}, {5, 6.5f}}}},
        {'S', {{{6, 1}, {5, 0}, {1, 0}, {0, 1}, {0, 4}, {1, 5}, {5, 5}, {6, 6}, {6, 9}, {5, 10}, {1, 10}, {0, 9}}}},
        {'D', {{{0, 0}, {0, 10}, {3.5f, 10}, {6, 7.5f}, {6, 2.5f}, {3.5f, 0}, {0, 0}}}},
        {'F', {{{6, 0}, {0, 0}, {0, 10}}, {{0, 5}, {4.5f, 5}}}},
        {'G', {{{6, 1}, {5, 0}, {1, 0}, {0, 1}, {0, 9}, {1, 10}, {5, 10}, {6, 9}, {6, 6}, {3, 6}}}},
        {'H', {{{0, 0}, {0, 10}}, {{6, 0}, {6, 10}}, {{0, 5}, {6, 5}}}},
        {'J', {{{6, 0}, {6, 9}, {5, 10}, {1, 10}, {0, 9}, {0, 7}}}},
        {'K', {{{0, 0}, {0, 10}}, {{6, 0}, {0, 6.5f}}, {{2, 4.5f}, {6, 10}}}},
        {'L', {{{0, 0}, {0, 10}, {6, 10}}}},
        {';', {{{3, 3}}, {{3, 7.5f}, {3, 9}, {1.8f, 11}}}},
        {'B', {{{0, 0}, {0, 10}, {4, 10}, {6, 8.5f}, {6, 6.5f}, {4.5f, 5}, {0, 5}},
               {{0, 0}, {4, 0}, {5.5f, 1.3f}, {5.5f, 3.7f}, {4.5f, 5}}}},
    };
    return font;
}

// Adds character `c` with its box's top-left at (x, y), `scale` pixels per unit.
void AddChar(ShapeMask& mask, char c, float x, float y, float scale, float width)
{
    for (const StrokeChar& glyph : KeyFont()) {
        if (glyph.c != c)
            continue;
        for (const Stroke& stroke : glyph.strokes) {
            Stroke placed;
            for (const PointF& p : stroke)
                placed.push_back({x + p.x * scale, y + p.y * scale});
            if (placed.size() == 1) {
                const float r = width * 0.75f;
                mask.Ellipse(placed[0].x - r, placed[0].y - r, placed[0].x + r, placed[0].y + r);
            } else {
                mask.Stroke(placed, width);
            }
        }
    }
}

// A cell of a strip: shapes offset by the cell's left edge.
using CellShape = std::function<void(ShapeMask&, float x)>;
struct Part {
    CellShape shape;
    Pixel colour;
};

void PaintCell(ArtCanvas& canvas, int cellLeft, int size, const std::vector<Part>& parts)
{
    for (const Part& part : parts) {
        ShapeMask mask(RECT{cellLeft, 0, cellLeft + size, size});
        part.shape(mask, float(cellLeft));
        canvas.Paint(mask, part.colour);
    }
}

std::unique_ptr<TSeBitmap> Strip(const char* name, int size, const std::vector<std::vector<Part>>& cells)
{
    auto bitmap = NewBitmap(name, size * int(cells.size()), size);
    ArtCanvas canvas(*bitmap);
    canvas.SetMatte(Menu);
    for (std::size_t i = 0; i < cells.size(); ++i)
        PaintCell(canvas, int(i) * size, size, cells[i]);
    return bitmap;
}

// ---- The shapes ------------------------------------------------------------------------------------

void Speaker(ShapeMask& m, float x)
{
    m.Polygon({{x + 1.5f, 5.5f}, {x + 4.5f, 5.5f}, {x + 8.5f, 2}, {x + 8.5f, 14}, {x + 4.5f, 10.5f}, {x + 1.5f, 10.5f}});
}

void SpeakerWaves(ShapeMask& m, float x)
{
    m.Stroke(Arc(x + 9, 8, 3, -50, 50, 8), 1.4f);
    m.Stroke(Arc(x + 9, 8, 5.5f, -55, 55, 10), 1.4f);
}

void Microphone(ShapeMask& m, float x)
{
    m.RoundRect(x + 5.5f, 1, x + 10.5f, 10, 2.5f);
    m.Stroke(Arc(x + 8, 7.5f, 4.5f, 90, 270, 12), 1.3f);
    m.Stroke({{x + 8, 12}, {x + 8, 14.5f}}, 1.3f);
    m.Stroke({{x + 5, 14.5f}, {x + 11, 14.5f}}, 1.3f);
}

// The red "no" sign over a glyph.
void Prohibition(ShapeMask& m, float x)
{
    m.Ellipse(x + 1, 1, x + 15, 15);
    m.Ellipse(x + 2.8f, 2.8f, x + 13.2f, 13.2f, true);
    m.Stroke({{x + 3.8f, 3.8f}, {x + 12.2f, 12.2f}}, 1.8f);
}

std::unique_ptr<TSeBitmap> Glyph(const char* name, const std::vector<Part>& parts)
{
    auto bitmap = NewBitmap(name, 16, 16);
    ArtCanvas canvas(*bitmap);
    // The buttons key a glyph on its bottom-left pixel: keep that one clear.
    canvas.SetMatte(Raised);
    for (const Part& part : parts) {
        ShapeMask mask(RECT{0, 0, 16, 15});
        part.shape(mask, 0);
        canvas.Paint(mask, part.colour);
    }
    return bitmap;
}

std::vector<std::vector<Part>> MainImages()
{
    return {
        // 0: a question mark in a speech bubble
        {{[](ShapeMask& m, float x) {
              m.RoundRect(x + 1, 1, x + 15, 11.5f, 3);
              m.Polygon({{x + 3.5f, 10}, {x + 3.5f, 15}, {x + 8, 10}});
          },
          Paper},
         {[](ShapeMask& m, float x) {
              Stroke hook = Arc(x + 8, 4.6f, 2.2f, 200, 420, 10);
              hook.push_back({x + 8, 7.4f});
              m.Stroke(hook, 1.5f);
              m.Ellipse(x + 7.1f, 8.4f, x + 8.9f, 10.2f);
          },
          Rgb(0x3A6EB8)}},
        // 1: a key
        {{[](ShapeMask& m, float x) {
              m.Ellipse(x + 1, 4, x + 8, 11);
              m.Ellipse(x + 3, 6, x + 6, 9, true);
              m.Stroke({{x + 7.5f, 7.5f}, {x + 15, 7.5f}}, 1.8f);
              m.Stroke({{x + 12, 7.5f}, {x + 12, 11}}, 1.6f);
              m.Stroke({{x + 14.2f, 7.5f}, {x + 14.2f, 10}}, 1.6f);
          },
          Gold}},
        // 2: a small grey sign of text lines
        {{[](ShapeMask& m, float x) {
              m.Stroke({{x + 3, 4}, {x + 13, 4}}, 1.3f);
              m.Stroke({{x + 3, 7}, {x + 11, 7}}, 1.3f);
              m.Stroke({{x + 3, 10}, {x + 13, 10}}, 1.3f);
              m.Stroke({{x + 3, 13}, {x + 9, 13}}, 1.3f);
          },
          Grey}},
        // 3: an open door
        {{[](ShapeMask& m, float x) {
              m.Rect(x + 3, 1, x + 13, 15);
              m.Rect(x + 4.5f, 2.5f, x + 11.5f, 15, true);
          },
          TextMuted},
         {[](ShapeMask& m, float x) { m.Polygon({{x + 4.5f, 2.5f}, {x + 9.5f, 4}, {x + 9.5f, 15.5f}, {x + 4.5f, 15}}); },
          Rgb(0xB07A48)},
         {[](ShapeMask& m, float x) { m.Ellipse(x + 7.4f, 8.4f, x + 8.8f, 9.8f); }, Gold}},
        // 4: the short name's orange logo
        {{[](ShapeMask& m, float x) { m.RoundRect(x + 1, 1, x + 15, 15, 3.5f); }, Accent},
         {[](ShapeMask& m, float x) { AddChar(m, 'B', x + 5, 3.2f, 0.96f, 1.5f); }, Ink}},
        // 5: two gems, green and gold
        {{[](ShapeMask& m, float x) { m.Polygon({{x + 1, 6}, {x + 3.5f, 3}, {x + 6.5f, 3}, {x + 9, 6}, {x + 5, 12}}); },
          Emerald},
         {[](ShapeMask& m, float x) {
              m.Polygon({{x + 7, 9}, {x + 9.5f, 6}, {x + 12.5f, 6}, {x + 15, 9}, {x + 11, 15}});
          },
          Gold}},
    };
}

std::vector<std::vector<Part>> KeyLabels()
{
    const char labels[] = "0123456789ASDFGHJKL;";
    std::vector<std::vector<Part>> cells;
    for (int i = 0; i < 20; ++i) {
        const char c = labels[i];
        cells.push_back({
            // The sound mark: a small note at the top left.
            {[](ShapeMask& m, float x) {
                 m.Ellipse(x + 1, 6, x + 5, 9);
                 m.Stroke({{x + 4.3f, 7.3f}, {x + 4.3f, 1.2f}, {x + 7, 2.5f}}, 1.2f);
             },
             AccentHot},
            {[c](ShapeMask& m, float x) { AddChar(m, c, x + 10, 5, 1.3f, 2.2f); }, Accent},
        });
    }
    return cells;
}

std::unique_ptr<TSeBitmap> PianoKeys()
{
    auto bitmap = NewBitmap("BRIO_PIANO_KEYS", 16, 16);
    ArtCanvas canvas(*bitmap);
    canvas.SetMatte(Raised);
    ShapeMask keys(RECT{0, 0, 16, 15});
    for (float left : {1.0f, 5.7f, 10.4f})
        keys.RoundRect(left, 2, left + 4.3f, 14, 1);
    canvas.Paint(keys, Paper);
    ShapeMask black(RECT{0, 0, 16, 15});
    for (float centre : {5.35f, 10.05f})
        black.Rect(centre - 1.5f, 2, centre + 1.5f, 9);
    canvas.Paint(black, Ink);
    return bitmap;
}

// The program's icon: the speaker on the orange logo square, with real
// transparency around it.
std::unique_ptr<TSeBitmap> ProgramIcon()
{
    constexpr int size = 32;
    auto bitmap = NewBitmap("BRIO_ICON", size, size);
    ArtCanvas canvas(*bitmap);
    canvas.SetMatte(Accent);
    canvas.SetHardEdges(true);
    ShapeMask square(RECT{0, 0, size, size});
    square.RoundRect(1, 1, 31, 31, 7);
    canvas.Paint(square, Accent);
    canvas.SetHardEdges(false);
    ShapeMask speaker(RECT{0, 0, size, size});
    speaker.Polygon({{6, 12}, {11, 12}, {18, 6}, {18, 26}, {11, 20}, {6, 20}});
    speaker.Stroke(Arc(18, 16, 5, -50, 50, 10), 2.2f);
    speaker.Stroke(Arc(18, 16, 9.5f, -55, 55, 14), 2.2f);
    canvas.Paint(speaker, Ink);
    Pixel* bits = bitmap->Bits();
    for (int i = 0; i < size * size; ++i)
        if (bits[i] == Empty)
            bits[i] = 0;
    return bitmap;
}

} // namespace

std::vector<std::unique_ptr<TSeBitmap>> DrawProgramBitmaps()
{
    std::vector<std::unique_ptr<TSeBitmap>> out;
    out.push_back(Strip("BRIO_MAIN_IMAGES", 16, MainImages()));
    out.push_back(Strip("BRIO_KEY_LABELS", 24, KeyLabels()));
    out.push_back(Glyph("BRIO_SOUND", {{Speaker, Text}, {SpeakerWaves, Text}}));
    out.push_back(Glyph("BRIO_SOUND_CROSSED", {{Speaker, TextMuted}, {Prohibition, Danger}}));
    out.push_back(Glyph("BRIO_MIC", {{Microphone, Text}}));
    out.push_back(Glyph("BRIO_MIC_CROSSED", {{Microphone, TextMuted}, {Prohibition, Danger}}));
    out.push_back(PianoKeys());
    out.push_back(ProgramIcon());
    return out;
}

} // namespace skinart
