#include "SkinTestSupport.h"

#include "platform/Gdi.h"
#include "platform/images/PngIo.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinClasses.h"
#include "skin/engine/SeSystemButtons.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Canvas.h"

#include <gtest/gtest.h>

using namespace skintest;

namespace {

std::string bounds(const TSeSkinObject* o)
{
    if (!o)
        return "missing";
    const RECT r = o->BoundsRect();
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TSeSkinObject* child(TSeSkinObject* parent, const char* name, TSeAlign align, int w, int h)
{
    auto* c = new TSeSkinObject(parent);
    c->SetName(name);
    c->SetAlign(align);
    c->ArrangeIn(RECT{0, 0, w, h});
    return c;
}

struct SkinObjects : ::testing::Test {
    TSeBitmapList bitmaps;
    void SetUp() override { bitmaps.Add(MakePartsBitmap()); }
};

} // namespace

TEST(SkinObjectLayout, PassesPlaceChildrenInOrder)
{
    TSeSkinObject parent(nullptr);
    child(&parent, "A", saTop, 0, 10);
    child(&parent, "B", saTop, 0, 20);
    child(&parent, "Rest", saClient, 0, 0);
    // Listed last, placed first.
    child(&parent, "Most", saMostTop, 0, 5);
    parent.ArrangeIn(RECT{0, 0, 50, 100});
    EXPECT_EQ(bounds(FindObject(&parent, "Most")), "0,0,50,5");
    EXPECT_EQ(bounds(FindObject(&parent, "A")), "0,5,50,15");
    EXPECT_EQ(bounds(FindObject(&parent, "B")), "0,15,50,35");
    EXPECT_EQ(bounds(FindObject(&parent, "Rest")), "0,35,50,100");

    TSeSkinObject box(nullptr);
    child(&box, "C", saCenter, 13, 13);
    box.ArrangeIn(RECT{0, 0, 21, 21});
    EXPECT_EQ(bounds(box.Child(0)), "4,4,17,17");
    box.ArrangeIn(RECT{0, 0, 23, 21});
    EXPECT_EQ(bounds(box.Child(0)), "5,4,18,17");

    // Corner anchors follow a size change once, however often the layout
    // runs again.
    TSeSkinObject frame(nullptr);
    frame.ArrangeIn(RECT{0, 0, 100, 50});
    TSeSkinObject* corner = child(&frame, "Corner", saBottomRight, 10, 10);
    corner->ArrangeIn(RECT{90, 40, 100, 50});
    frame.ArrangeIn(RECT{0, 0, 120, 60});
    frame.AlignObjects();
    EXPECT_EQ(bounds(corner), "110,50,120,60");
}

TEST_F(SkinObjects, FormLaysOutAtItsStoredSize)
{
    auto form = MakeFormObject(&bitmaps);
    form->AlignObjects();
    EXPECT_EQ(bounds(FindObject(form.get(), "Caption")), "0,0,375,29");
    EXPECT_EQ(bounds(FindObject(form.get(), "Bottom")), "0,242,375,247");
    EXPECT_EQ(bounds(FindObject(form.get(), "Left")), "0,29,5,242");
    EXPECT_EQ(bounds(FindObject(form.get(), "Right")), "370,29,375,242");
    EXPECT_EQ(bounds(FindObject(form.get(), "Client")), "5,29,370,242");
    EXPECT_EQ(bounds(FindObject(form.get(), "CaptionLeft")), "0,0,10,29");
    EXPECT_EQ(bounds(FindObject(form.get(), "CaptionRight")), "365,0,375,29");
    EXPECT_EQ(bounds(FindObject(form.get(), "Title")), "10,0,365,29");
    EXPECT_EQ(bounds(FindObject(form.get(), "CloseButton")), "342,4,365,25");
    EXPECT_EQ(bounds(FindObject(form.get(), "RestoreButton")), "321,4,342,25");
    EXPECT_EQ(bounds(FindObject(FindObject(form.get(), "CloseButton"), "Glyph")), "347,8,360,21");
    EXPECT_EQ(bounds(FindObject(FindObject(form.get(), "RestoreButton"), "Glyph")), "325,8,338,21");

    EXPECT_EQ(FindObject(form.get(), "CLOSEBUTTON"), FindObject(form.get(), "CloseButton"));
    EXPECT_EQ(FindObjectOfKind(form.get(), skClient)->Name(), "Client");
    // Children answer before their parent, the last one hit wins.
    EXPECT_EQ(ObjectAtPoint(form.get(), POINT{350, 10})->Name(), "Glyph");
    EXPECT_EQ(ObjectAtPoint(form.get(), POINT{343, 5})->Name(), "CloseButton");
    EXPECT_EQ(ObjectAtPoint(form.get(), POINT{2, 100})->Name(), "Left");
    FindObject(form.get(), "Left")->SetKind(skTranparent);
    EXPECT_EQ(ObjectAtPoint(form.get(), POINT{2, 100})->Name(), "Form");
    EXPECT_EQ(ObjectAtPoint(form.get(), POINT{400, 10}), nullptr);
}

TEST_F(SkinObjects, CaptionButtonsFollowStateAndBorderIcons)
{
    auto form = MakeFormObject(&bitmaps);
    auto* restore = static_cast<TSeSystemButton*>(FindObject(form.get(), "RestoreButton"));
    // Nobody answers SEM_GETSKINFORM: visibility stays as it is.
    form->ApplyState(SeStateNormal);
    EXPECT_TRUE(restore->Visible());

    FakeSkinForm fake;
    HWND hwnd = CreateFormWindow(&fake);
    form->BindControl(hwnd);
    form->ApplyState(SeStateNormal);
    EXPECT_FALSE(restore->Visible());
    form->ApplyState(SeStateMaximized);
    EXPECT_TRUE(restore->Visible());
    EXPECT_FALSE(FindObject(form.get(), "MaxButton")->Visible());
    fake.icons.Exclude(kbiMaximize);
    form->ApplyState(SeStateNormal);
    EXPECT_FALSE(restore->Visible());
    form->ApplyState(SeStateMaximized);
    EXPECT_FALSE(restore->Visible());

    // Pointer and focus codes leave a caption button's visibility alone;
    // only a missing border icon still hides it.
    fake.icons.Include(kbiMaximize);
    form->ApplyState(SeStateNormal);
    ASSERT_FALSE(restore->Visible());
    for (int code : {1, 5, 6, 7, 8}) {
        form->ApplyState(std::uint8_t(code));
        EXPECT_FALSE(restore->Visible()) << code;
        EXPECT_TRUE(FindObject(form.get(), "MaxButton")->Visible()) << code;
        EXPECT_EQ(int(restore->State()), code);
    }
    fake.icons.Exclude(kbiMaximize);
    form->ApplyState(SeStateHot);
    EXPECT_FALSE(FindObject(form.get(), "MaxButton")->Visible());

    auto* close = static_cast<TSeSystemButton*>(FindObject(form.get(), "CloseButton"));
    const int before = ObjectChangedCount(hwnd);
    close->MouseEnter();
    EXPECT_EQ(close->Look(), TSeButtonLook::Hot);
    close->MouseDown(mbLeft);
    EXPECT_EQ(close->Look(), TSeButtonLook::Pressed);
    close->MouseLeave();
    close->MouseMove(TShiftState{ssLeft});
    close->MouseEnter(); // came back with the button held
    EXPECT_EQ(close->Look(), TSeButtonLook::Pressed);
    close->MouseUp(mbLeft);
    EXPECT_EQ(close->Look(), TSeButtonLook::Hot);
    // Moving without a press shows the hint.
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"Hint", "Close"}));
    EXPECT_EQ(ObjectChangedCount(hwnd) - before, 5);
    form->BindControl(nullptr);
    DestroyFormWindow(hwnd);
}

TEST_F(SkinObjects, ButtonStatesPickTheirLinksOrFallBack)
{
    auto button = MakeButtonObject(&bitmaps);
    auto* face = static_cast<TSeButtonObject*>(FindObject(button.get(), "Face"));
    face->BitmapFocused()->SetRect(RECT{}); // focused link not valid
    auto centre = [&](std::uint8_t state) {
        Target target(75, 25);
        button->ApplyState(state);
        button->Draw(target.canvas);
        return target.bitmap.Pixels(1, 12); // left border column
    };
    const Pixel normal = centre(SeStateNormal);
    EXPECT_EQ(centre(SeStateFocused), normal);
    EXPECT_NE(centre(SeStateHot), normal);
    EXPECT_NE(centre(SeStatePressed), normal);
}

TEST_F(SkinObjects, NinePartsOnAFewPixelsStayInside)
{
    auto button = MakeButtonObject(&bitmaps);
    for (int size : {1, 2, 4, 5, 7}) {
        Target target(20, 20, 0xFF010203);
        button->ArrangeIn(RECT{8, 8, 8 + size, 8 + size});
        button->Draw(target.canvas);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= 8 && y >= 8 && x < 8 + size && y < 8 + size;
                if (!inside) {
                    ASSERT_EQ(target.bitmap.Pixels(x, y), 0xFF010203u) << size << ": " << x << "," << y;
                }
            }
    }
}

TEST_F(SkinObjects, PlainObjectsFillTextAndChildren)
{
    TSeSkinObject label(nullptr);
    label.SetColor(clNone);
    label.ArrangeIn(RECT{0, 0, 60, 20});
    label.SetText("Hi");
    label.Font()->SetColor(clWhite);
    Target target(60, 20, 0xFF000080);
    label.Draw(target.canvas);
    int textPixels = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            textPixels += target.bitmap.Pixels(x, y) != 0xFF000080u;
    EXPECT_GT(textPixels, 5);
    EXPECT_EQ(target.bitmap.Pixels(59, 0), 0xFF000080u);

    // A title too wide for its object ends in "...", one that fits is whole.
    TSeSkinObject title(nullptr);
    title.SetKind(skTitle);
    title.SetColor(clNone);
    title.ArrangeIn(RECT{0, 0, 40, 20});
    title.SetText("A rather long caption text");
    title.Font()->SetColor(clWhite);
    Target narrow(40, 20, 0xFF000000);
    title.Draw(narrow.canvas);
    TSeSkinObject wide(nullptr);
    wide.SetColor(clNone);
    wide.ArrangeIn(RECT{0, 0, 40, 20});
    wide.SetText("A rather long caption text");
    wide.Font()->SetColor(clWhite);
    Target cut(40, 20, 0xFF000000);
    wide.Draw(cut.canvas);
    bool differs = false;
    for (int x = 0; x < 40 && !differs; ++x)
        for (int y = 0; y < 20 && !differs; ++y)
            differs = narrow.bitmap.Pixels(x, y) != cut.bitmap.Pixels(x, y);
    EXPECT_TRUE(differs);
}

TEST_F(SkinObjects, RegionsComeFromNonKeyPixels)
{
    auto button = MakeButtonObject(&bitmaps);
    // A plain leaf counts with its whole rectangle.
    FindObject(button.get(), "Text")->SetVisible(false);
    HRGN rgn = button->CreateRegion();
    ASSERT_NE(rgn, nullptr);
    // The transparent corner pixels of the face stay outside.
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_TRUE(PtInRegion(rgn, 1, 0));
    EXPECT_TRUE(PtInRegion(rgn, 40, 12));
    EXPECT_FALSE(PtInRegion(rgn, 74, 24));
    DeleteObject(rgn);
    FindObject(button.get(), "Face")->SetKind(skClient);
    rgn = button->CreateRegion();
    EXPECT_TRUE(PtInRegion(rgn, 0, 0));
    DeleteObject(rgn);
}

TEST_F(SkinObjects, CloneIsADeepEqualCopy)
{
    auto form = MakeFormObject(&bitmaps);
    TSeSkinObject copy(nullptr);
    copy.CloneFrom(*form);
    EXPECT_EQ(SkinObjectToBinary(copy), SkinObjectToBinary(*form));
    auto* glyph = FindObject(FindObject(&copy, "CloseButton"), "Glyph");
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(static_cast<TSeButtonObject*>(glyph)->Bitmap()->Image(), bitmaps.Items(0));
    EXPECT_NE(glyph, FindObject(FindObject(form.get(), "CloseButton"), "Glyph"));
}

TEST_F(SkinObjects, CloneOnlyBetweenLikeClasses)
{
    // A bitmap object's setters on a plain object would write past it.
    TSeBitmapObject picture(nullptr);
    picture.SetName("Hint");
    picture.Bitmap()->SetName("Parts");
    TSeSkinObject plain(nullptr);
    plain.SetName("Plain");
    EXPECT_THROW(plain.CloneFrom(picture), EInvalidOperation);
    EXPECT_EQ(plain.Name(), "Plain");
    TSeBitmapObject fromPlain(nullptr);
    EXPECT_THROW(fromPlain.CloneFrom(plain), EInvalidOperation);

    // A copy made through the class table takes any class, whole.
    std::unique_ptr<TSeSkinObject> copy(CloneSkinObject(picture, nullptr));
    ASSERT_NE(dynamic_cast<TSeBitmapObject*>(copy.get()), nullptr);
    EXPECT_EQ(SkinObjectToBinary(*copy), SkinObjectToBinary(picture));
}

TEST_F(SkinObjects, HueChangeTurnsColoursAndKeepsNone)
{
    auto form = MakeFormObject(&bitmaps);
    FindObject(form.get(), "Client")->SetColor(TColor(RGB(255, 0, 0)));
    form->ChangeHue(85);
    EXPECT_EQ(FindObject(form.get(), "Client")->Color(), TColor(RGB(0, 255, 0)));
    EXPECT_EQ(form->Color(), clNone);
}

TEST_F(SkinObjects, GalleryOfStates)
{
    auto form = MakeFormObject(&bitmaps);
    auto button = MakeButtonObject(&bitmaps);
    Target target(375, 247 + 4 * 35);
    form->SetActive(true);
    FindObject(form.get(), "Title")->SetText("Clatterbox test skin");
    static_cast<TSeSystemButton*>(FindObject(form.get(), "CloseButton"))->MouseEnter();
    form->Draw(target.canvas);
    const char* names[] = {"Normal", "Hot", "Pressed", "Disabled"};
    const std::uint8_t states[] = {SeStateNormal, SeStateHot, SeStatePressed, SeStateDisabled};
    for (int i = 0; i < 4; ++i) {
        button->ArrangeIn(RECT{20, 255 + 35 * i, 120, 280 + 35 * i});
        button->ApplyState(states[i]);
        FindObject(button.get(), "Text")->SetText(names[i]);
        FindObject(button.get(), "Text")->SetEnabled(states[i] != SeStateDisabled);
        button->Draw(target.canvas);
    }
    PixelBuffer pixels(target.bitmap.Width(), target.bitmap.Height());
    for (int y = 0; y < target.bitmap.Height(); ++y)
        std::copy_n(target.bitmap.ScanLine(y), target.bitmap.Width(), pixels.row(y));
    WritePng(pixels, OutputPath("skin_objects_gallery.png"), true);
}
