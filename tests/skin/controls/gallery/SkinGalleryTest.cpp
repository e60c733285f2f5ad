// The gallery of the skinned controls in both colour schemes: written as a
// PNG to look at, and checked: in each look every state shows differently
// where that look has the state, the looks differ from each other, and no
// caption is cut: its measured box lies inside the control.

#include "tests/skin/controls/base/ShippedSkinEngine.h"
#include "tests/skin/controls/gallery/SkinGallery.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/DibSurface.h"
#include "tests/support/UiTestSupport.h"

#include "platform/images/PngIo.h"
#include "platform/theme/ColorScheme.h"
#include "platform/UxTheme.h"

#include <cctype>
#include <map>
#include <sstream>

namespace {

using brio::test::DibSurface;
using skingallery::Entry;
using skingallery::Gallery;
using skingallery::Kind;
using skingallery::Look;

std::vector<Pixel> crop(const DibSurface& picture, const RECT& r)
{
    std::vector<Pixel> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            pixels.push_back(picture.at(x, y) & 0xFFFFFF);
    return pixels;
}

std::string describe(const Entry& e)
{
    std::ostringstream s;
    s << skingallery::LookName(e.look) << (e.kind == Kind::Button ? " button " : " check box ") << e.state;
    if (e.kind == Kind::CheckBox)
        s << " (state " << e.variant << ")";
    return s.str();
}

// States a look has no picture for: the classic parts have no hot look, the
// classic grayed box is drawn held down already, and the skin is not told of
// a held-down check box.
bool lookShows(const Entry& e)
{
    if (e.state == "hot" && e.look == Look::Classic)
        return false;
    if (e.state == "pressed" && e.kind == Kind::CheckBox &&
        (e.look == Look::Skinned || (e.look == Look::Classic && e.variant == cbGrayed)))
        return false;
    return true;
}

class SkinGalleryTest : public uitest::UiTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(brio::SelectColorScheme(GetParam()));
        EnableTheming(TRUE);
    }
    void TearDown() override
    {
        brio::SelectColorScheme("Classic");
        EnableTheming(TRUE);
        UiTest::TearDown();
    }
};

TEST_P(SkinGalleryTest, EveryControlInEveryStateAndLook)
{
    TSeSkinEngine* engine = skintest::MakeShippedSkinEngine(Application);
    if (!engine)
        GTEST_SKIP() << "this build has no shipped skin";
    TForm* form = makeForm("Gallery");
    form->SetLeft(0);
    form->SetTop(0);
    Gallery gallery(form, engine);
    form->Show();
    pump();
    gallery.applyStates();

    DibSurface picture(skingallery::kClientWidth, skingallery::kClientHeight);
    gallery.paint(picture.dc);
    std::string scheme = GetParam();
    for (char& c : scheme)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const PixelBuffer pixels(picture.width, picture.height, picture.bits, picture.width);
    WritePng(pixels, skintest::OutputPath("skin-controls-gallery-" + scheme + ".png"), true);

    // Each control kind, look and shown value: the normal picture and the rest.
    std::map<std::string, std::vector<Pixel>> normal;
    auto key = [](const Entry& e) {
        return std::to_string(int(e.look)) + "/" + std::to_string(int(e.kind)) + "/" + std::to_string(e.variant);
    };
    for (const Entry& e : gallery.entries())
        if (e.state == "normal")
            normal[key(e)] = crop(picture, RECT{e.control->Left(), e.control->Top(),
                                                e.control->Left() + e.control->Width(),
                                                e.control->Top() + e.control->Height()});
    int compared = 0;
    for (const Entry& e : gallery.entries()) {
        const bool stateRow = e.state == "hot" || e.state == "pressed" || e.state == "focused" ||
                              e.state == "disabled" || e.state == "default";
        if (!stateRow || !lookShows(e))
            continue;
        const RECT r{e.control->Left(), e.control->Top(), e.control->Left() + e.control->Width(),
                     e.control->Top() + e.control->Height()};
        EXPECT_TRUE(crop(picture, r) != normal[key(e)]) << describe(e) << " looks like its normal state";
        ++compared;
    }
    EXPECT_GE(compared, 43);

    // The screen shows what PaintTo drew, through each control's own
    // WM_PAINT (the classic column only differs by the themes being on).
    form->Repaint();
    pump();
    PixelBufferPtr screen = backend().composeScreen();
    const TPoint origin = form->ClientOrigin();
    int offScreen = 0;
    const RECT themedColumns{0, 0, Gallery::column(Look::Themed).right, skingallery::kClientHeight};
    for (int y = themedColumns.top; y < themedColumns.bottom; ++y)
        for (int x = themedColumns.left; x < themedColumns.right; ++x)
            offScreen += (screen->at(origin.x + x, origin.y + y) & 0xFFFFFF) != (picture.at(x, y) & 0xFFFFFF);
    EXPECT_EQ(offScreen, 0);

    // The three looks of a normal button differ.
    std::vector<std::vector<Pixel>> looks;
    for (const Entry& e : gallery.entries())
        if (e.kind == Kind::Button && e.state == "normal")
            looks.push_back(normal[key(e)]);
    ASSERT_EQ(looks.size(), 3u);
    EXPECT_TRUE(looks[0] != looks[1]);
    EXPECT_TRUE(looks[1] != looks[2]);
    EXPECT_TRUE(looks[0] != looks[2]);

    // No caption is cut.
    for (const Entry& e : gallery.entries()) {
        RECT caption{};
        if (auto* button = dynamic_cast<TSeCustomButton*>(e.control))
            caption = button->CaptionBounds();
        else
            caption = static_cast<TSeCustomCheckBox*>(e.control)->CaptionBounds();
        if (caption.right == caption.left)
            continue;
        EXPECT_GE(caption.left, 0) << describe(e);
        EXPECT_GE(caption.top, 0) << describe(e);
        EXPECT_LE(caption.right, e.control->Width()) << describe(e);
        EXPECT_LE(caption.bottom, e.control->Height()) << describe(e);
    }

    // The second block: each kind looks different in each look, and the
    // labels' and group boxes' captions fit.
    std::map<std::string, std::vector<std::vector<Pixel>>> blockLooks;
    for (const auto& b : gallery.blockControls()) {
        const TPoint at = form->ScreenToClient(b.control->ClientToScreen(TPoint{0, 0}));
        blockLooks[b.name].push_back(
            crop(picture, RECT{at.x, at.y, at.x + b.control->Width(), at.y + b.control->Height()}));
        if (auto* label = dynamic_cast<TSeCustomLabel*>(b.control)) {
            const SIZE text = label->MeasureText();
            EXPECT_LE(text.cx, label->Width()) << b.name;
            EXPECT_LE(text.cy, label->Height()) << b.name;
        }
        if (auto* group = dynamic_cast<TSeCustomGroupBox*>(b.control))
            EXPECT_LE(group->GetCaptionRect().right, group->Width()) << b.name;
    }
    for (const char* name : {"track", "track disabled", "progress", "panel", "group", "group check box"}) {
        const auto& three = blockLooks[name];
        ASSERT_EQ(three.size(), 3u) << name;
        EXPECT_TRUE(three[0] != three[1]) << name << ": skinned and themed look alike";
        EXPECT_TRUE(three[1] != three[2]) << name << ": themed and classic look alike";
    }
    EXPECT_TRUE(blockLooks["track"][0] != blockLooks["track disabled"][0]);

    // A track bar shows the focus and the pointer on its thumb (drawn one
    // at a time, since one control holds the focus): in every look, and the
    // thumb's hot look where the look has one.
    for (const auto& b : gallery.blockControls()) {
        auto* track = dynamic_cast<TSeCustomTrackBar*>(b.control);
        if (!track || b.name != "track")
            continue;
        EnableTheming(b.look != Look::Classic);
        auto drawn = [&] {
            DibSurface s(track->Width(), track->Height());
            track->PaintTo(s.dc, 0, 0);
            return s.pixels();
        };
        const auto normal = drawn();
        track->SetFocus();
        EXPECT_TRUE(drawn() != normal) << skingallery::LookName(b.look) << " track bar: no focused look";
        form->SetActiveControl(nullptr);
        ::SetFocus(form->Handle());
        const int x = track->PixelFromPosition(track->Position());
        for (int y = 0; y < track->Height(); ++y)
            if (track->ThumbHitTest(x, y)) {
                track->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(WORD(x), WORD(y)));
                break;
            }
        ASSERT_TRUE(track->ThumbHot());
        if (b.look != Look::Classic)
            EXPECT_TRUE(drawn() != normal) << skingallery::LookName(b.look) << " track bar: no hot thumb";
        track->Perform(CM_MOUSELEAVE, 0, 0);
        EnableTheming(TRUE);
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, SkinGalleryTest, ::testing::Values("Graphite", "Classic"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
