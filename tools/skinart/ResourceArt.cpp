// The program's named bitmaps, in the skin's look: the system menu's images
// (16 x 16, keyed on magenta) and the stock button glyphs (two 16 x 16
// cells, normal and disabled; the bottom-left pixel is the key colour).

#include "skin/engine/SeBitmap.h"
#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinPalette.h"

#include <functional>

namespace skinart {

using namespace palette;

namespace {

constexpr int kCell = 16;
constexpr Pixel Danger = Rgb(0xE0605A);
constexpr Pixel Calm = Rgb(0x8FB8E8);
// What a button face looks like under a glyph, for smooth edges.
constexpr Pixel ButtonFace = Rgb(0x42454C);

std::unique_ptr<TSeBitmap> menuImage(const char* name, atlas::caption::Glyph glyph, Pixel colour)
{
    auto bitmap = NewBitmap(name, kCell, kCell);
    ArtCanvas canvas(*bitmap);
    canvas.SetMatte(Menu);
    ShapeMask mask(RECT{0, 0, kCell, kCell});
    AddGlyph(mask, glyph, 1, 1, 14);
    canvas.Paint(mask, colour);
    return bitmap;
}

// A glyph drawn into a cell whose left edge is `x`, coloured by part.
struct GlyphPart {
    std::function<void(ShapeMask&, float x)> shape;
    Pixel colour;
};

std::unique_ptr<TSeBitmap> buttonGlyph(const char* name, const std::vector<GlyphPart>& parts)
{
    auto bitmap = NewBitmap(name, 2 * kCell, kCell);
    ArtCanvas canvas(*bitmap);
    canvas.SetMatte(ButtonFace);
    for (int cell = 0; cell < 2; ++cell) {
        const float x = float(cell * kCell);
        // The bottom row stays clear, so the bottom-left pixel keys the rest.
        const RECT bounds{cell * kCell, 0, (cell + 1) * kCell, kCell - 1};
        for (const GlyphPart& part : parts) {
            ShapeMask mask(bounds);
            part.shape(mask, x);
            canvas.Paint(mask, cell == 0 ? part.colour : TextDisabled);
        }
    }
    return bitmap;
}

void check(ShapeMask& m, float x) { m.Stroke({{x + 3, 8.5f}, {x + 6.5f, 12}, {x + 13, 4}}, 2.2f); }
void cross(ShapeMask& m, float x, float inset)
{
    m.Stroke({{x + inset, inset}, {x + 15 - inset, 15 - inset}}, 2.2f);
    m.Stroke({{x + 15 - inset, inset}, {x + inset, 15 - inset}}, 2.2f);
}
void ring(ShapeMask& m, float x)
{
    m.Ellipse(x + 1.5f, 1.5f, x + 14.5f, 14.5f);
    m.Ellipse(x + 3.5f, 3.5f, x + 12.5f, 12.5f, true);
}

} // namespace

std::vector<std::unique_ptr<TSeBitmap>> DrawResourceBitmaps()
{
    namespace c = atlas::caption;
    std::vector<std::unique_ptr<TSeBitmap>> out;
    out.push_back(menuImage("SE_FORM_CLOSE", c::Close, Accent));
    out.push_back(menuImage("SE_FORM_MINIMIZE", c::Minimize, Text));
    out.push_back(menuImage("SE_FORM_MAXIMIZE", c::Maximize, Text));
    out.push_back(menuImage("SE_FORM_RESTORE", c::Restore, Text));
    out.push_back(menuImage("SE_FORM_ROLLUP", c::RollUp, Text));
    out.push_back(menuImage("SE_FORM_TRAY", c::Tray, Text));

    out.push_back(buttonGlyph("SE_BTN_OK", {{[](ShapeMask& m, float x) { check(m, x); }, Accent}}));
    out.push_back(buttonGlyph("SE_BTN_CANCEL", {{[](ShapeMask& m, float x) { cross(m, x, 3.5f); }, Danger}}));
    out.push_back(buttonGlyph("SE_BTN_HELP", {{[](ShapeMask& m, float x) {
                                                   std::vector<PointF> curve = Arc(x + 8, 5.5f, 3, 190, 400, 12);
                                                   curve.push_back({x + 8, 10});
                                                   m.Stroke(curve, 2);
                                                   m.Ellipse(x + 6.8f, 11.6f, x + 9.2f, 14);
                                               },
                                               Calm}}));
    out.push_back(buttonGlyph("SE_BTN_YES", {{[](ShapeMask& m, float x) {
                                                  ring(m, x);
                                                  m.Stroke({{x + 5, 8}, {x + 7.2f, 10.5f}, {x + 11, 5.5f}}, 1.8f);
                                              },
                                              Accent}}));
    out.push_back(buttonGlyph("SE_BTN_NO", {{[](ShapeMask& m, float x) {
                                                 ring(m, x);
                                                 m.Stroke({{x + 4.5f, 11.5f}, {x + 11.5f, 4.5f}}, 2);
                                             },
                                             Danger}}));
    out.push_back(buttonGlyph("SE_BTN_CLOSE", {{[](ShapeMask& m, float x) {
                                                    m.RoundRect(x + 2, 1.5f, x + 11, 14.5f, 1);
                                                    m.Rect(x + 3.5f, 3, x + 9.5f, 13, true);
                                                },
                                                Text},
                                               {[](ShapeMask& m, float x) {
                                                    m.Stroke({{x + 8, 8}, {x + 14, 8}}, 1.6f);
                                                    m.Stroke({{x + 12, 5.5f}, {x + 14.5f, 8}, {x + 12, 10.5f}}, 1.6f);
                                                },
                                                Accent}}));
    out.push_back(buttonGlyph("SE_BTN_ABORT", {{[](ShapeMask& m, float x) {
                                                    m.Polygon({{x + 5, 1.5f}, {x + 11, 1.5f}, {x + 14.5f, 5},
                                                               {x + 14.5f, 11}, {x + 11, 14.5f}, {x + 5, 14.5f},
                                                               {x + 1.5f, 11}, {x + 1.5f, 5}});
                                                    m.Rect(x + 4.5f, 7, x + 11.5f, 9, true);
                                                },
                                                Danger}}));
    out.push_back(buttonGlyph("SE_BTN_RETRY", {{[](ShapeMask& m, float x) {
                                                    m.Stroke(Arc(x + 8, 8, 5, -60, 230, 20), 2);
                                                    m.Polygon({{x + 9.5f, 0.5f}, {x + 14.5f, 3.5f}, {x + 9.5f, 7}});
                                                },
                                                Accent}}));
    out.push_back(buttonGlyph("SE_BTN_IGNORE", {{[](ShapeMask& m, float x) {
                                                     m.Stroke({{x + 2, 11}, {x + 5, 5}, {x + 8, 11}}, 1.8f);
                                                     m.Stroke({{x + 8, 11}, {x + 14, 11}}, 1.8f);
                                                     m.Polygon({{x + 11.5f, 8}, {x + 15, 11}, {x + 11.5f, 14}});
                                                 },
                                                 Calm}}));
    out.push_back(buttonGlyph("SE_BTN_ALL", {{[](ShapeMask& m, float x) {
                                                  m.Stroke({{x + 1, 7.5f}, {x + 4, 10.5f}, {x + 9.5f, 3.5f}}, 1.8f);
                                                  m.Stroke({{x + 5.5f, 9.5f}, {x + 8, 12}, {x + 14.5f, 4}}, 1.8f);
                                              },
                                              Accent}}));
    return out;
}

} // namespace skinart
