// The skinned control bases: see-through painting against the parent's real
// pixels in every buffering mode, translucency, the shared bitmap when
// paints nest, the erase a parent does for its child, hot and focus flags,
// and the skin binding across skin changes.

#include "tests/skin/controls/base/ShippedSkinEngine.h"
#include "tests/support/DibSurface.h"
#include "tests/support/UiTestSupport.h"

#include "skin/controls/base/SeCustomControl.h"
#include "skin/controls/base/SeGraphicControl.h"
#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/base/SharedPaintBuffer.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

#include "platform/gdi/GdiObjectOwner.h"

#include <memory>

namespace {

using brio::test::DibSurface;
using uitest::UiTest;

// A background that differs from cell to cell, so a picture copied from
// the wrong place shows.
void paintPattern(HDC dc, const RECT& area)
{
    for (int y = area.top; y < area.bottom; y += 10)
        for (int x = area.left; x < area.right; x += 10) {
            brio::GdiObjectOwner<HBRUSH> brush(
                CreateSolidBrush(RGB((x / 10 * 37) & 255, (y / 10 * 53) & 255, 90 + (x + y) / 10 % 100)));
            RECT cell{x, y, x + 10, y + 10};
            FillRect(dc, &cell, brush.get());
        }
}

class PatternPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int erases = 0;
    // Paints through the shared bitmap, as a skinned form in the shared mode does.
    bool eraseThroughSharedBuffer = false;

protected:
    void EraseBackground(HDC dc) override
    {
        ++erases;
        const RECT client = ClientRect();
        if (!eraseThroughSharedBuffer) {
            paintPattern(dc, client);
            return;
        }
        brio::SharedPaintBuffer buffer(client.right, client.bottom);
        paintPattern(buffer.dc(), client);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer.dc(), 0, 0, SRCCOPY);
    }
};

class PatternForm : public TForm {
public:
    using TForm::TForm;

protected:
    void EraseBackground(HDC dc) override { paintPattern(dc, ClientRect()); }
};

// Draws nothing of its own: what shows is background and parent.
class Probe : public TSeCustomControl {
public:
    using TSeCustomControl::TSeCustomControl;
    int enters = 0;
    int leaves = 0;

protected:
    void MouseEnter() override { ++enters; }
    void MouseLeave() override { ++leaves; }
};

class GraphicProbe : public TSeGraphicControl {
public:
    using TSeGraphicControl::TSeGraphicControl;
};

class ControlBase : public UiTest {
protected:
    TForm* form = nullptr;
    PatternPanel* panel = nullptr;

    void SetUp() override
    {
        UiTest::SetUp();
        brio::SharedPaintBuffer::releaseShared();
        form = makeForm();
        panel = new PatternPanel(form);
        panel->SetBounds(10, 10, 200, 120);
        panel->SetParent(form);
        form->Show();
        pump();
    }

    // The panel and its children as PaintTo draws them.
    std::unique_ptr<DibSurface> paintPanel(Pixel fill = 0xFF00FF00)
    {
        auto surface = std::make_unique<DibSurface>(panel->Width(), panel->Height(), fill);
        panel->PaintTo(surface->dc, 0, 0);
        return surface;
    }

    // Pixels of `r` (panel coordinates) that differ between two pictures.
    static int differing(const DibSurface& a, const DibSurface& b, const RECT& r)
    {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += a.at(x, y) != b.at(x, y);
        return count;
    }
};

TEST_F(ControlBase, TransparentControlShowsTheParentsPixelsInEveryBufferingMode)
{
    const auto alone = paintPanel();
    auto* probe = new Probe(form);
    probe->SetBounds(23, 17, 64, 41);
    probe->SetTransparent(true);
    probe->SetParent(panel);
    const RECT inside = probe->BoundsRect();
    for (TSePerformance mode : {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer}) {
        probe->SetPerformance(mode);
        const auto withProbe = paintPanel();
        EXPECT_EQ(differing(*alone, *withProbe, inside), 0) << "mode " << int(mode);
        EXPECT_EQ(differing(*alone, *withProbe, RECT{0, 0, panel->Width(), panel->Height()}), 0);
    }

    // Opaque, the control's colour covers the pattern.
    probe->SetTransparent(false);
    probe->SetColor(clRed);
    const auto opaque = paintPanel();
    int notRed = 0;
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x)
            notRed += opaque->at(x, y) != opaque->at(inside.left, inside.top);
    EXPECT_EQ(notRed, 0);
    EXPECT_NE(opaque->at(inside.left, inside.top), alone->at(inside.left, inside.top));
}

TEST_F(ControlBase, TransparentControlOnAFormShowsTheFormsBackground)
{
    auto* patterned = new PatternForm(Application);
    patterned->SetBounds(120, 120, 320, 240);
    auto* probe = new Probe(patterned);
    probe->SetBounds(31, 12, 50, 33);
    probe->SetParent(patterned);
    patterned->Show();
    pump();
    DibSurface alone(patterned->ClientWidth(), patterned->ClientHeight());
    probe->SetVisible(false);
    patterned->PaintTo(alone.dc, 0, 0);
    probe->SetVisible(true);
    probe->SetTransparent(true);
    for (TSePerformance mode : {kspNoBuffer, kspDoubleBuffer}) {
        probe->SetPerformance(mode);
        DibSurface shown(alone.width, alone.height);
        patterned->PaintTo(shown.dc, 0, 0);
        EXPECT_EQ(differing(alone, shown, probe->BoundsRect()), 0) << "mode " << int(mode);
    }
}

TEST_F(ControlBase, NestedUserOfTheSharedBitmapTakesAPrivateOne)
{
    {
        brio::SharedPaintBuffer outer(40, 30);
        EXPECT_TRUE(outer.isShared());
        EXPECT_TRUE(brio::SharedPaintBuffer::sharedInUse());
        brio::SharedPaintBuffer inner(50, 20);
        EXPECT_FALSE(inner.isShared());
        ASSERT_NE(inner.dc(), nullptr);
        EXPECT_NE(inner.dc(), outer.dc());
    }
    EXPECT_FALSE(brio::SharedPaintBuffer::sharedInUse());
    {
        // It grows to hold the larger paint and never shrinks back.
        brio::SharedPaintBuffer wide(120, 10);
        EXPECT_TRUE(wide.isShared());
    }
    brio::SharedPaintBuffer small(10, 10);
    EXPECT_TRUE(small.isShared());
    EXPECT_EQ(brio::SharedPaintBuffer::sharedSize().cx, 120);
    EXPECT_EQ(brio::SharedPaintBuffer::sharedSize().cy, 30);
}

TEST_F(ControlBase, SharedBufferControlOverASharedBufferParentKeepsBothPictures)
{
    // A translucent control has drawn itself into the shared bitmap when it
    // asks the parent for the picture to blend against; a parent that erases
    // through the shared bitmap too must get its own, or it paints over the
    // control's picture.
    auto* probe = new Probe(form);
    probe->SetBounds(37, 21, 80, 50);
    probe->SetColor(clRed);
    probe->SetParent(panel);
    probe->Blending()->SetValue(128);
    probe->Blending()->SetEnabled(true);
    probe->SetPerformance(kspDoubleBuffer);
    const auto privately = paintPanel();
    panel->eraseThroughSharedBuffer = true;
    probe->SetPerformance(kspSharedBuffer);
    const auto shared = paintPanel();
    EXPECT_EQ(differing(*privately, *shared, probe->BoundsRect()), 0);
    EXPECT_FALSE(brio::SharedPaintBuffer::sharedInUse());

    // See-through over the same parent shows the parent's pixels.
    const RECT r = probe->BoundsRect();
    probe->Blending()->SetEnabled(false);
    probe->SetTransparent(true);
    const auto through = paintPanel();
    probe->SetVisible(false);
    const auto alone = paintPanel();
    EXPECT_EQ(differing(*alone, *through, r), 0);
}

TEST_F(ControlBase, BlendingMixesTheControlWithThePictureBehindIt)
{
    const auto alone = paintPanel();
    auto* probe = new Probe(form);
    probe->SetBounds(15, 25, 60, 40);
    probe->SetColor(clRed);
    probe->SetParent(panel);
    const auto opaque = paintPanel();

    probe->Blending()->SetValue(96);
    probe->Blending()->SetEnabled(true);
    EXPECT_EQ(probe->Performance(), kspDoubleBuffer) << "a blend needs a bitmap";
    probe->SetPerformance(kspNoBuffer);
    EXPECT_NE(probe->Performance(), kspNoBuffer);
    const auto blended = paintPanel();

    const int a = 96;
    int wrong = 0;
    const RECT r = probe->BoundsRect();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            for (int shift : {0, 8, 16}) {
                const int s = int(opaque->at(x, y) >> shift) & 255;
                const int d = int(alone->at(x, y) >> shift) & 255;
                const int expected = (a * s + 128) / 256 + ((255 - a) * d + 128) / 256;
                wrong += (int(blended->at(x, y) >> shift) & 255) != expected;
            }
    EXPECT_EQ(wrong, 0);
}

TEST_F(ControlBase, BlendingCountsTheWindowlessSiblingsBehind)
{
    auto* sibling = new GraphicProbe(form);
    sibling->SetBounds(20, 20, 40, 40);
    sibling->SetColor(clBlue);
    sibling->SetParent(panel);
    auto* probe = new Probe(form);
    probe->SetBounds(30, 30, 60, 40);
    probe->SetColor(clWhite);
    probe->Blending()->SetValue(0);
    probe->Blending()->SetEnabled(true);
    probe->SetParent(panel);
    // At alpha 0 the control is the picture behind it: the sibling where it lies under.
    const auto shown = paintPanel();
    sibling->SetVisible(false);
    probe->SetVisible(false);
    sibling->SetVisible(true);
    const auto behind = paintPanel();
    EXPECT_EQ(differing(*behind, *shown, probe->BoundsRect()), 0);
}

TEST_F(ControlBase, WindowlessControlsPaintByTheSameRules)
{
    const auto alone = paintPanel();
    auto* probe = new GraphicProbe(form);
    probe->SetBounds(44, 8, 70, 30);
    probe->SetTransparent(true);
    probe->SetParent(panel);
    for (TSePerformance mode : {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer}) {
        probe->SetPerformance(mode);
        const auto shown = paintPanel();
        EXPECT_EQ(differing(*alone, *shown, probe->BoundsRect()), 0) << "mode " << int(mode);
    }
    probe->SetTransparent(false);
    probe->SetColor(clLime);
    probe->Blending()->SetValue(200);
    probe->Blending()->SetEnabled(true);
    EXPECT_EQ(probe->Performance(), kspDoubleBuffer);
    const auto blended = paintPanel();
    const Pixel centre = blended->at(79, 23);
    EXPECT_NE(centre, alone->at(79, 23));
    EXPECT_GT(int(centre >> 8) & 255, 190) << "mostly the control's green";
}

// A skinned-looking panel: a solid colour, painted for its children too.
class ColourPanel : public TSeCustomControl {
public:
    using TSeCustomControl::TSeCustomControl;
    TRect GetClientAreaForTest() const { return GetClientArea(); }
};

TEST_F(ControlBase, SkinnedParentPaintsItsBackgroundForATransparentChildOnly)
{
    auto* host = new ColourPanel(form);
    host->SetBounds(5, 5, 150, 100);
    host->SetColor(clNavy);
    host->SetParent(panel);
    auto* child = new Probe(form);
    child->SetBounds(20, 20, 40, 30);
    child->SetTransparent(true);
    child->SetParent(host);
    const auto shown = paintPanel();
    EXPECT_EQ(shown->at(5 + 30, 5 + 30), shown->at(5 + 2, 5 + 2)) << "the child shows the navy host";

    // The window's own erase does nothing: Paint covers every pixel.
    DibSurface untouched(20, 20, 0xFF123456);
    host->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(untouched.dc), 0);
    EXPECT_EQ(untouched.at(10, 10), Pixel(0xFF123456));
    TSeEraseRequest request;
    request.Bounds = RECT{0, 0, 20, 20};
    EXPECT_EQ(host->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(untouched.dc),
                            reinterpret_cast<LPARAM>(&request)),
              1);
    EXPECT_NE(untouched.at(10, 10), Pixel(0xFF123456));
}

TEST_F(ControlBase, SeeThroughInsideSeeThroughShowsTheOuterParent)
{
    const auto alone = paintPanel();
    auto* middle = new ColourPanel(form);
    middle->SetBounds(17, 9, 150, 100);
    middle->SetTransparent(true);
    middle->SetParent(panel);
    auto* inner = new Probe(form);
    inner->SetBounds(23, 31, 60, 40);
    inner->SetTransparent(true);
    inner->SetParent(middle);
    for (TSePerformance mode : {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer}) {
        middle->SetPerformance(mode);
        inner->SetPerformance(mode);
        const auto shown = paintPanel();
        EXPECT_EQ(differing(*alone, *shown, middle->BoundsRect()), 0) << "mode " << int(mode);
    }
}

TEST_F(ControlBase, FramedControlsClientAreaLosesBorderAndBevels)
{
    auto* framed = new ColourPanel(form);
    framed->SetBounds(0, 0, 100, 60);
    EXPECT_EQ(framed->GetClientAreaForTest(), Rect(0, 0, 100, 60)) << "bevel width 0 by default";
    framed->SetBorderWidth(2);
    framed->SetBevelWidth(1);
    framed->SetBevelEdges({kbeLeft, kbeTop});
    EXPECT_EQ(framed->GetClientAreaForTest(), Rect(4, 4, 98, 58));
    framed->SetBevelInner(kbvNone);
    framed->SetBevelEdges({kbeLeft, kbeTop, kbeRight, kbeBottom});
    EXPECT_EQ(framed->GetClientAreaForTest(), Rect(3, 3, 97, 57));
    framed->SetBorderWidth(80);
    const TRect squeezed = framed->GetClientAreaForTest();
    EXPECT_GE(squeezed.right, squeezed.left);
    EXPECT_GE(squeezed.bottom, squeezed.top);
}

TEST_F(ControlBase, HotAndFocusFlagsFollowPointerAndFocus)
{
    auto* probe = new Probe(form);
    probe->SetBounds(220, 20, 50, 30);
    probe->SetTabStop(true);
    probe->SetParent(form);
    int entered = 0;
    probe->OnMouseEnter = [&](TObject*) {
        EXPECT_TRUE(probe->Hot());
        ++entered;
    };
    pump();
    moveTo(probe);
    pump();
    EXPECT_TRUE(probe->Hot());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(probe->enters, 1);
    backend().mouseMove(5, 5);
    pump();
    EXPECT_FALSE(probe->Hot());
    EXPECT_EQ(probe->leaves, 1);

    probe->SetFocus();
    pump();
    EXPECT_TRUE(probe->HasFocus());
    auto* other = new Probe(form);
    other->SetBounds(220, 60, 50, 30);
    other->SetTabStop(true);
    other->SetParent(form);
    other->SetFocus();
    pump();
    EXPECT_FALSE(probe->HasFocus());
    EXPECT_TRUE(other->HasFocus());
}

TEST_F(ControlBase, SkinBindingFollowsTheEnginesChanges)
{
    TSeSkinEngine* engine = skintest::MakeShippedSkinEngine(form);
    if (!engine)
        GTEST_SKIP() << "this build has no shipped skin";
    auto* probe = new Probe(form);
    probe->SetParent(form);
    TSeSkinBinding binding(*probe, "Button");
    int changes = 0;
    binding.OnChange = [&] { ++changes; };
    EXPECT_FALSE(binding.Skinned()) << "no engine named";
    binding.SetEngine(engine);
    ASSERT_TRUE(binding.Skinned());
    EXPECT_EQ(binding.Object()->Control(), probe->Handle());

    // Another engine's change is not ours.
    TSeSkinEngine other(nullptr);
    TMessage changing{SEM_SKINCHANGING, reinterpret_cast<WPARAM>(&other), reinterpret_cast<LPARAM>(&other)};
    EXPECT_TRUE(binding.HandleMessage(changing));
    EXPECT_TRUE(binding.Skinned());
    changing.WParam = changing.LParam = reinterpret_cast<LPARAM>(engine);
    binding.HandleMessage(changing);
    EXPECT_FALSE(binding.Skinned());
    TMessage changed{SEM_SKINCHANGED, changing.WParam, changing.LParam};
    binding.HandleMessage(changed);
    EXPECT_TRUE(binding.Skinned());

    binding.SetObjectName("NoSuchObject");
    EXPECT_FALSE(binding.Skinned()) << "a missing name gives the plain look";
    binding.SetObjectName("checkbox");
    EXPECT_TRUE(binding.Skinned()) << "names match without regard to case";

    // The engine going away leaves the plain look, not a dangling copy.
    const int before = changes;
    delete engine;
    binding.Notification(engine, opRemove);
    EXPECT_FALSE(binding.Skinned());
    EXPECT_EQ(binding.Engine(), nullptr);
    EXPECT_GT(changes, before);
}

} // namespace
