// The skin the build packs and embeds: it must load whole from the
// embedded bytes, the skin tool must show it whole, and its frame must lay
// out as the frame code expects.

#include "SkinTestSupport.h"

#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/shipped/ShippedSkin.h"
#include "skin/engine/SeBitmapLink.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace skintest;
namespace fs = std::filesystem;

namespace {

class EmbeddedSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::ShippedSkinStream().empty())
            GTEST_SKIP() << "this build has no artwork generator, so no shipped skin";
        const auto bytes = ::ShippedSkinStream();
        TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        engine.ReadSkinStream(stream);
        consumedAll = stream.Position() == stream.Size();
    }

    static int countFiles(const fs::path& folder, const std::string& extension)
    {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(folder))
            count += entry.path().extension() == extension;
        return count;
    }

    TSeSkinObject* child(TSeSkinObject* parent, const char* name)
    {
        auto* found = static_cast<TSeSkinObject*>(parent->FindComponent(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TSeSkinEngine engine{nullptr};
    bool consumedAll = false;
};

void expectRect(const TSeSkinObject* object, RECT expected)
{
    ASSERT_NE(object, nullptr);
    const RECT r = object->BoundsRect();
    EXPECT_EQ(r.left, expected.left) << object->Name();
    EXPECT_EQ(r.top, expected.top) << object->Name();
    EXPECT_EQ(r.right, expected.right) << object->Name();
    EXPECT_EQ(r.bottom, expected.bottom) << object->Name();
}

} // namespace

TEST_F(EmbeddedSkin, LoadsWholeFromTheEmbeddedBytes)
{
    const auto bytes = ::ShippedSkinStream();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), 7), std::string("\x02QFLZ\x78\x01"));
    EXPECT_TRUE(consumedAll);
    TSeSkinSource& source = *engine.Source();
    EXPECT_EQ(source.Count(), countFiles(fs::path(BRIO_SHIPPED_SKIN_SOURCES) / "objects", ".txt"));
    EXPECT_EQ(source.Bitmaps().Count(), countFiles(fs::path(BRIO_SHIPPED_SKIN_STAGE) / "bitmaps", ".png"));
    EXPECT_NE(source.SkinName(), "Untitled Skin");
    ASSERT_NE(source.GetFormObject(), nullptr);

    // Storing it again gives the embedded bytes back.
    TStringStream again;
    engine.WriteSkinStream(again);
    EXPECT_EQ(again.DataString(), std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TEST_F(EmbeddedSkin, FormLaysOutAsTheFrameCodeExpects)
{
    TSeSkinObject* form = engine.Source()->GetObjectByName("Form");
    ASSERT_NE(form, nullptr);
    form->ArrangeIn(RECT{0, 0, 375, 247});
    TSeSkinObject* caption = child(form, "Caption");
    expectRect(caption, {0, 0, 375, 29});
    expectRect(child(form, "Bottom"), {0, 242, 375, 247});
    expectRect(child(form, "Left"), {0, 29, 5, 242});
    expectRect(child(form, "Right"), {370, 29, 375, 242});
    expectRect(child(form, "Client"), {5, 29, 370, 242});
    expectRect(child(caption, "CaptionLeft"), {0, 0, 10, 29});
    expectRect(child(caption, "CaptionRight"), {365, 0, 375, 29});
    expectRect(child(caption, "Title"), {10, 0, 365, 29});

    TSeSkinObject* buttons = child(caption, "ButtonContainer");
    ASSERT_NE(buttons, nullptr);
    int right = buttons->BoundsRect().right;
    for (int i = 0; i < buttons->ChildCount(); ++i) {
        TSeSkinObject* button = buttons->Child(i);
        if (button->Align() != saRight)
            continue;
        SCOPED_TRACE(button->Name());
        EXPECT_TRUE(button->Width() == 21 || button->Width() == 23);
        EXPECT_EQ(button->BoundsRect().right, right);
        right = button->BoundsRect().left;
        TSeSkinObject* glyph = child(button, "Glyph");
        ASSERT_NE(glyph, nullptr);
        const RECT b = button->BoundsRect(), g = glyph->BoundsRect();
        EXPECT_LE(std::abs((g.left - b.left) - (b.right - g.right)), 1);
        EXPECT_LE(std::abs((g.top - b.top) - (b.bottom - g.bottom)), 1);
    }
}

#ifdef BRIO_SKIN_TOOL
TEST_F(EmbeddedSkin, SkinToolShowsItWhole)
{
    const auto bytes = ::ShippedSkinStream();
    const std::string file = OutputPath("shipped.skinstream");
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::string output;
    FILE* pipe = popen((std::string("'") + BRIO_SKIN_TOOL + "' info '" + file + "' 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 4096> buffer;
    while (std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), got);
    EXPECT_EQ(pclose(pipe), 0) << output;

    TSeSkinSource& source = *engine.Source();
    EXPECT_NE(output.find("SkinName:    " + source.SkinName() + "\n"), std::string::npos) << output;
    EXPECT_NE(output.find("Bitmaps: " + std::to_string(source.Bitmaps().Count()) + "\n"), std::string::npos);
    EXPECT_NE(output.find("Objects: " + std::to_string(source.Count()) + " top-level"), std::string::npos);
    for (int i = 0; i < source.Count(); ++i)
        EXPECT_NE(output.find("\n  " + source.Objects(i)->Name() + ": " + source.Objects(i)->ClassName()),
                  std::string::npos)
            << source.Objects(i)->Name();
}
#endif
