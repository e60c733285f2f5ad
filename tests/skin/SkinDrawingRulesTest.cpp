// The drawing rules of skin objects, pixel by pixel: where text lands and
// how it looks, where the nine parts of a bitmap object go, the layout
// rules that depend on size changes and text, the classes whose look
// follows state, and what caption buttons do.

#include "SkinTestSupport.h"

#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinObjects.h"
#include "skin/engine/SeSystemButtons.h"
#include "ui/graphics/Font.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using namespace skintest;

namespace {

constexpr Pixel Black = 0xFF000000, Grey = 0xFF404040;

// The smallest rectangle holding every pixel for which `ink` holds.
template <class Ink>
RECT inkBox(const TSeBitmap& bitmap, Ink ink)
{
    RECT box{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (ink(bitmap.Pixels(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

RECT inkBox(const TSeBitmap& bitmap, Pixel background)
{
    return inkBox(bitmap, [background](Pixel p) { return p != background; });
}

int brightness(Pixel p) { return int(p >> 16 & 0xFF) + int(p >> 8 & 0xFF) + int(p & 0xFF); }

std::string box(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A leaf that draws only its text: white, no fill.
void textLeaf(TSeSkinObject& object, const std::string& text, RECT bounds)
{
    object.SetColor(clNone);
    object.Font()->SetColor(clWhite);
    object.SetText(text);
    object.ArrangeIn(bounds);
}

RECT drawnText(TSeSkinObject& object, int w, int h)
{
    Target target(w, h, Black);
    object.Draw(target.canvas);
    return inkBox(target.bitmap, Black);
}

int measured(TFont* font, const std::string& text)
{
    Target scratch(1, 1);
    scratch.canvas.Font()->Assign(font);
    return scratch.canvas.TextWidth(text);
}

// Sets an environment variable for the scope, putting back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(SkinTextDrawing, AlignmentPicksRowAndColumnInsideTheTextMargins)
{
    struct Case {
        TSeTextAlign align;
        int column; // -1 left, 0 centre, 1 right
        int row;    // -1 top, 0 middle, 1 bottom
    };
    const Case cases[] = {
        {TSeTextAlign::taTopLeft, -1, -1},    {TSeTextAlign::taTopCenter, 0, -1},
        {TSeTextAlign::taTopRight, 1, -1},    {TSeTextAlign::taLeft, -1, 0},
        {TSeTextAlign::taCenter, 0, 0},       {TSeTextAlign::taRight, 1, 0},
        {TSeTextAlign::taBottomLeft, -1, 1},  {TSeTextAlign::taBottomCenter, 0, 1},
        {TSeTextAlign::taBottomRight, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.align));
        TSeSkinObject object(nullptr);
        textLeaf(object, "Mm", RECT{0, 0, 160, 60});
        object.SetTextMarginLeft(20);
        object.SetTextMarginRight(30);
        object.SetTextMarginTop(10);
        object.SetTextAlign(c.align);
        const RECT ink = drawnText(object, 160, 60);
        ASSERT_LT(ink.left, ink.right);
        const int centre = (ink.left + ink.right) / 2, middle = (ink.top + ink.bottom) / 2;
        if (c.column < 0)
            EXPECT_TRUE(ink.left >= 20 && ink.left < 24) << box(ink);
        else if (c.column > 0)
            EXPECT_TRUE(ink.right <= 130 && ink.right > 126) << box(ink);
        else
            EXPECT_NEAR(centre, (20 + 130) / 2, 2) << box(ink);
        // The text rectangle runs from the top margin to the bottom.
        if (c.row < 0)
            EXPECT_TRUE(ink.top >= 10 && ink.top < 16) << box(ink);
        else if (c.row > 0)
            EXPECT_TRUE(ink.bottom <= 60 && ink.bottom > 54) << box(ink);
        else
            EXPECT_NEAR(middle, (10 + 60) / 2, 3) << box(ink);
    }
}

TEST(SkinTextDrawing, RightToLeftLocalesSwapLeftAndRight)
{
    EXPECT_TRUE(SeLocaleReadsRightToLeft("ar_EG.UTF-8"));
    EXPECT_TRUE(SeLocaleReadsRightToLeft("he"));
    EXPECT_TRUE(SeLocaleReadsRightToLeft("fa_IR@calendar"));
    EXPECT_FALSE(SeLocaleReadsRightToLeft("en_US.UTF-8"));
    EXPECT_FALSE(SeLocaleReadsRightToLeft("hr_HR"));
    EXPECT_FALSE(SeLocaleReadsRightToLeft("C"));
    EXPECT_FALSE(SeLocaleReadsRightToLeft(""));
    {
        ScopedEnv all("LC_ALL", nullptr), messages("LC_MESSAGES", ""), lang("LANG", "he_IL.UTF-8");
        EXPECT_TRUE(SeEnvironmentReadsRightToLeft());
        ScopedEnv first("LC_ALL", "de_DE.UTF-8");
        EXPECT_FALSE(SeEnvironmentReadsRightToLeft()) << "LC_ALL comes first";
    }

    const bool saved = SeRightToLeftLocale();
    TSeSkinObject object(nullptr);
    textLeaf(object, "Mm", RECT{0, 0, 120, 30});
    object.SetTextAlign(TSeTextAlign::taLeft);
    SetSeRightToLeftLocale(true);
    object.BindControl(nullptr, bdRightToLeft);
    EXPECT_GT(drawnText(object, 120, 30).left, 90);
    object.SetTextAlign(TSeTextAlign::taRight);
    EXPECT_LT(drawnText(object, 120, 30).right, 30);
    // Without the reading order the sides swap all the same.
    object.BindControl(nullptr, bdRightToLeftNoAlign);
    EXPECT_LT(drawnText(object, 120, 30).right, 30);
    object.SetTextAlign(TSeTextAlign::taCenter);
    EXPECT_NEAR((drawnText(object, 120, 30).left + drawnText(object, 120, 30).right) / 2, 60, 2);
    // A left-to-right control keeps its sides, and so does every control
    // on a left-to-right system.
    object.SetTextAlign(TSeTextAlign::taLeft);
    object.BindControl(nullptr, bdLeftToRight);
    EXPECT_LT(drawnText(object, 120, 30).left, 4);
    SetSeRightToLeftLocale(false);
    object.BindControl(nullptr, bdRightToLeft);
    EXPECT_LT(drawnText(object, 120, 30).left, 4);
    SetSeRightToLeftLocale(saved);
}

TEST(SkinTextDrawing, ShadowDisabledGreyAndSeparator)
{
    // The shadow is black, one pixel right and down, under the text.
    TSeSkinObject shadowed(nullptr);
    textLeaf(shadowed, "Mm", RECT{0, 0, 60, 30});
    shadowed.SetTextEffect(teShadow);
    Target target(60, 30, Grey);
    shadowed.Draw(target.canvas);
    const RECT light = inkBox(target.bitmap, [](Pixel p) { return brightness(p) > brightness(Grey); });
    const RECT dark = inkBox(target.bitmap, [](Pixel p) { return brightness(p) < brightness(Grey); });
    ASSERT_LT(light.left, light.right);
    EXPECT_EQ(dark.right, light.right + 1);
    EXPECT_EQ(dark.bottom, light.bottom + 1);
    Pixel darkest = Grey;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            if (brightness(target.bitmap.Pixels(x, y)) < brightness(darkest))
                darkest = target.bitmap.Pixels(x, y);
    EXPECT_EQ(darkest & 0xFFFFFF, 0u);
    shadowed.SetTextEffect(teNone);
    Target plain(60, 30, Grey);
    shadowed.Draw(plain.canvas);
    EXPECT_EQ(inkBox(plain.bitmap, [](Pixel p) { return brightness(p) < brightness(Grey); }).right, 0);

    // Disabled text is grey 0x808080 whatever the font's colour.
    TSeSkinObject disabled(nullptr);
    textLeaf(disabled, "Mm", RECT{0, 0, 60, 30});
    disabled.SetEnabled(false);
    Target greyed(60, 30, Black);
    disabled.Draw(greyed.canvas);
    Pixel brightest = Black;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            if (brightness(greyed.bitmap.Pixels(x, y)) > brightness(brightest))
                brightest = greyed.bitmap.Pixels(x, y);
    EXPECT_EQ(brightest & 0xFFFFFF, 0x808080u);

    // "-" is a one-pixel line across the middle, 3 pixels in from each side.
    TSeSkinObject separator(nullptr);
    textLeaf(separator, "-", RECT{5, 5, 55, 16});
    Target line(60, 20, Black);
    separator.Draw(line.canvas);
    EXPECT_EQ(box(inkBox(line.bitmap, Black)), "8,10,52,11");
    EXPECT_EQ(line.bitmap.Pixels(30, 10), 0xFFFFFFFFu);
}

TEST(SkinTextDrawing, TitlesCutToTheLongestStartThatFitsWithTheDots)
{
    const std::string caption = "Clatterbox soundboard settings";
    TSeSkinObject title(nullptr);
    title.SetKind(skTitle);
    textLeaf(title, caption, RECT{0, 0, 90, 20});
    title.SetTextMarginLeft(4);
    title.SetTextMarginRight(6);
    const int room = 90 - 4 - 6;
    std::size_t keep = 0;
    while (keep < caption.size() && measured(title.Font(), caption.substr(0, keep + 1) + "...") <= room)
        ++keep;
    ASSERT_GT(keep, 0u);
    ASSERT_LT(keep, caption.size());

    // The title draws exactly what a plain object with the cut text draws.
    TSeSkinObject expected(nullptr);
    textLeaf(expected, caption.substr(0, keep) + "...", RECT{0, 0, 90, 20});
    expected.SetTextMarginLeft(4);
    expected.SetTextMarginRight(6);
    Target a(90, 20, Black), b(90, 20, Black);
    title.Draw(a.canvas);
    expected.Draw(b.canvas);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 90; ++x)
            ASSERT_EQ(a.bitmap.Pixels(x, y), b.bitmap.Pixels(x, y)) << x << "," << y;

    // One that fits is drawn whole.
    title.SetText("Clatter");
    expected.SetText("Clatter");
    Target c(90, 20, Black), d(90, 20, Black);
    title.Draw(c.canvas);
    expected.Draw(d.canvas);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 90; ++x)
            ASSERT_EQ(c.bitmap.Pixels(x, y), d.bitmap.Pixels(x, y)) << x << "," << y;
}

TEST(SkinBitmapDrawing, NinePartsLandOnTheirDestinations)
{
    // Link (1, 1, 21, 21) with margins 3 left, 4 top, 5 right, 6 bottom;
    // each part of it a colour of its own.
    TSeBitmapList bitmaps;
    auto art = std::make_unique<TSeBitmap>();
    art->SetName("Nine");
    art->Allocate(22, 22);
    art->Fill(0xFFFFFFFF);
    const int xs[] = {1, 4, 16, 21}, ys[] = {1, 5, 15, 21};
    auto colour = [](int col, int row) { return Pixel(0xFF000000 | (col + 1) << 20 | (row + 1) << 12 | 0x40); };
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            for (int y = ys[row]; y < ys[row + 1]; ++y)
                for (int x = xs[col]; x < xs[col + 1]; ++x)
                    art->ScanLine(y)[x] = colour(col, row);
    bitmaps.Add(std::move(art));

    TSeBitmapObject object(nullptr);
    object.Bitmap()->SetName("Nine");
    object.Bitmap()->SetRect(RECT{1, 1, 21, 21});
    object.SetMarginLeft(3);
    object.SetMarginTop(4);
    object.SetMarginRight(5);
    object.SetMarginBottom(6);
    object.SetTileStyle(tsStretch);
    object.SetBorderTileStyle(tsStretch);
    object.SetMasked(false);
    object.SetMaskedBorder(false);
    object.SetMaskedAngles(false);
    object.SetBitmaps(&bitmaps);
    object.UpdateLinks();
    object.ArrangeIn(RECT{10, 10, 60, 50}); // 50 x 40

    Target target(70, 60, Black);
    object.Draw(target.canvas);
    // Destination columns and rows, relative to the object.
    const int dx[] = {0, 3, 45, 50}, dy[] = {0, 4, 34, 40};
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 70; ++x) {
            Pixel want = Black;
            if (x >= 10 && x < 60 && y >= 10 && y < 50) {
                int col = 0, row = 0;
                while (x - 10 >= dx[col + 1])
                    ++col;
                while (y - 10 >= dy[row + 1])
                    ++row;
                want = colour(col, row);
            }
            ASSERT_EQ(target.bitmap.Pixels(x, y), want) << x << "," << y;
        }
}

TEST(SkinObjectLayout, CornerAnchorsAndTextWidthFollowTheirRules)
{
    TSeSkinObject parent(nullptr);
    parent.ArrangeIn(RECT{0, 0, 100, 50});
    auto* topRight = new TSeSkinObject(&parent);
    topRight->SetAlign(saTopRight);
    topRight->ArrangeIn(RECT{80, 5, 95, 15});
    auto* bottomLeft = new TSeSkinObject(&parent);
    bottomLeft->SetAlign(saBottomLeft);
    bottomLeft->ArrangeIn(RECT{5, 35, 15, 45});
    auto* text = new TSeSkinObject(&parent);
    text->SetAlign(saText);
    text->SetText("Volume");
    text->SetTextMarginLeft(4);
    text->SetTextMarginRight(6);
    text->ArrangeIn(RECT{20, 20, 21, 30});

    parent.ArrangeIn(RECT{0, 0, 130, 70});
    // Moved by the size change only: the other coordinate stays.
    EXPECT_EQ(box(topRight->BoundsRect()), "110,5,125,15");
    EXPECT_EQ(box(bottomLeft->BoundsRect()), "5,55,15,65");
    // Laying out again without a size change moves nothing.
    parent.AlignObjects();
    EXPECT_EQ(box(topRight->BoundsRect()), "110,5,125,15");
    EXPECT_EQ(box(bottomLeft->BoundsRect()), "5,55,15,65");
    // The text child is as wide as its text plus both text margins, and
    // keeps its place and height.
    EXPECT_EQ(text->Width(), measured(text->Font(), "Volume") + 10);
    EXPECT_EQ(text->Left(), 20);
    EXPECT_EQ(text->Height(), 10);
}

TEST(SkinStateClasses, ActiveAndStateLooksPickTheirColoursAndFonts)
{
    constexpr TColor Red = TColor(0x0000FF), Blue = TColor(0xFF0000);
    auto fill = [](TSeSkinObject& object) {
        Target target(10, 10, Black);
        object.Draw(target.canvas);
        return target.bitmap.Pixels(1, 5) & 0xFFFFFF;
    };
    TSeActiveObject active(nullptr);
    TSeActiveSkinObject activeSkin(nullptr);
    for (TSeSkinObject* object : {static_cast<TSeSkinObject*>(&active), static_cast<TSeSkinObject*>(&activeSkin)}) {
        SCOPED_TRACE(object->ClassName());
        object->ArrangeIn(RECT{0, 0, 10, 10});
        object->SetColor(Red);
        auto* activeObject = dynamic_cast<TSeActiveObject*>(object);
        auto* activeSkinObject = dynamic_cast<TSeActiveSkinObject*>(object);
        if (activeObject)
            activeObject->SetActiveColor(Blue);
        else
            activeSkinObject->SetActiveColor(Blue);
        TFont* activeFont = activeObject ? activeObject->ActiveFont() : activeSkinObject->ActiveFont();
        EXPECT_EQ(fill(*object), 0xFF0000u) << "normal: Color";
        for (int code : {5, 6, 7}) {
            object->ApplyState(std::uint8_t(code));
            EXPECT_EQ(fill(*object), 0x0000FFu) << code;
            EXPECT_EQ(object->EffectiveFont(), activeFont) << code;
        }
        object->ApplyState(SeStateDisabled);
        EXPECT_EQ(fill(*object), 0xFF0000u);
        EXPECT_EQ(object->EffectiveFont(), object->Font());
        object->SetActive(true);
        EXPECT_EQ(fill(*object), 0x0000FFu) << "active window";
    }

    TSeTextObject text(nullptr);
    const std::pair<int, TFont*> fonts[] = {{0, text.Font()},         {5, text.FontHot()},
                                            {6, text.FontPressed()},  {7, text.FontFocused()},
                                            {8, text.FontDisabled()}, {2, text.Font()}};
    for (auto [code, font] : fonts) {
        text.ApplyState(std::uint8_t(code));
        EXPECT_EQ(text.EffectiveFont(), font) << code;
    }

    TSeColorButtonObject button(nullptr);
    button.ArrangeIn(RECT{0, 0, 10, 10});
    button.SetColor(Red);
    const TColor looks[] = {TColor(0x00FF00), TColor(0x00FFFF), TColor(0xFFFF00), TColor(0x808080)};
    for (int look = 0; look < 4; ++look)
        button.SetLookColor(TSeColorButtonObject::Look(look), looks[look]);
    const std::pair<int, Pixel> fills[] = {{0, 0xFF0000}, {5, 0x00FF00}, {6, 0xFFFF00}, {7, 0x00FFFF}, {8, 0x808080}};
    for (auto [code, pixel] : fills) {
        button.ApplyState(std::uint8_t(code));
        EXPECT_EQ(fill(button), pixel) << code;
        EXPECT_EQ(button.Color(), Red) << "restored after drawing";
    }

    // An active bitmap takes its second link while active, hot or focused.
    TSeBitmapList bitmaps;
    bitmaps.Add(MakePartsBitmap());
    TSeActiveBitmap picture(nullptr);
    picture.Bitmap()->SetName("Parts");
    picture.Bitmap()->SetRect(PanelRect);
    picture.ActiveBitmap()->SetName("Parts");
    picture.ActiveBitmap()->SetRect(HotRect);
    picture.SetBitmaps(&bitmaps);
    picture.UpdateLinks();
    picture.SetMasked(false);
    picture.ArrangeIn(RECT{0, 0, 16, 16});
    const Pixel normal = fill(picture);
    const Pixel hot = bitmaps.Items(0)->Pixels(HotRect.left + 1, HotRect.top + 5) & 0xFFFFFF;
    ASSERT_NE(normal, hot);
    for (int code : {5, 7}) {
        picture.ApplyState(std::uint8_t(code));
        EXPECT_EQ(fill(picture), hot) << code;
    }
    picture.ApplyState(SeStatePressed);
    EXPECT_EQ(fill(picture), normal);
    picture.SetActive(true);
    EXPECT_EQ(fill(picture), hot);
}

TEST(SkinCaptionButtons, EveryActionReachesTheForm)
{
    FakeSkinForm fake;
    HWND hwnd = CreateFormWindow(&fake);
    const std::pair<TSeAction, const char*> actions[] = {
        {sbaHelp, "ShowHelp"},       {sbaMinimize, "Minimize"},      {sbaMaximize, "Maximize"},
        {sbaRestore, "Restore"},     {sbaRollDown, "Restore"},       {sbaRollUp, "Rollup"},
        {sbaTray, "MinimizeToTray"}, {sbaSysMenu, "ShowSystemMenu"}, {sbaCustom, "CustomAction"},
    };
    for (auto [action, call] : actions) {
        TSeSystemButton button(nullptr);
        TSeSysButtonSkinObject other(nullptr);
        button.SetAction(action);
        other.SetAction(action);
        for (TSeSkinObject* b : {static_cast<TSeSkinObject*>(&button), static_cast<TSeSkinObject*>(&other)}) {
            fake.calls.clear();
            b->BindControl(hwnd);
            b->MouseDown(mbLeft);
            b->MouseUp(mbLeft);
            EXPECT_EQ(fake.calls, std::vector<std::string>{call}) << b->ClassName() << " " << call;
            // A right click does nothing.
            fake.calls.clear();
            b->MouseDown(mbRight);
            b->MouseUp(mbRight);
            EXPECT_TRUE(fake.calls.empty());
            b->BindControl(nullptr);
        }
    }
    // A double click on the system menu button closes the form.
    TSeSystemButton menu(nullptr);
    menu.SetAction(sbaSysMenu);
    menu.BindControl(hwnd);
    fake.calls.clear();
    menu.DblClick(mbLeft);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"Close"});
    menu.BindControl(nullptr);

    // The roll-panel action rolls the named panel of the same tree, from
    // its root, and back.
    TSeSkinObject root(nullptr);
    root.ArrangeIn(RECT{0, 0, 200, 100});
    auto* panel = new TSeRollPanelObject(&root);
    panel->SetName("Drawer");
    panel->SetRollKind(rkBottom);
    panel->SetRollValue(12);
    panel->ArrangeIn(RECT{0, 20, 200, 100});
    auto* bar = new TSeSkinObject(&root);
    auto* roller = new TSeSysButtonSkinObject(bar);
    roller->SetAction(sbaRollPanel);
    roller->SetRollPanel("drawer");
    roller->MouseDown(mbLeft);
    roller->MouseUp(mbLeft);
    EXPECT_EQ(box(panel->BoundsRect()), "0,20,200,32");
    roller->MouseDown(mbLeft);
    roller->MouseUp(mbLeft);
    EXPECT_EQ(box(panel->BoundsRect()), "0,20,200,100");
    DestroyFormWindow(hwnd);
}
