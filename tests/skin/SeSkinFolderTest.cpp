#include "SkinTestSupport.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinFolder.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace skintest;
namespace fs = std::filesystem;

namespace {

void fillTestSkin(TSeSkinSource& source)
{
    source.SetSkinName("Folder Test");
    source.SetAuthorURL("https://example.org/skins");
    source.Bitmaps().Add(MakePartsBitmap());
    auto spaced = std::make_unique<TSeBitmap>();
    spaced->SetName("Caption Buttons-2");
    spaced->Allocate(3, 2);
    spaced->Fill(0x80112233);
    spaced->ScanLine(1)[2] = SeKeyValue;
    source.Bitmaps().Add(std::move(spaced));
    auto empty = std::make_unique<TSeBitmap>();
    empty->SetName("Nothing");
    source.Bitmaps().Add(std::move(empty));
    source.AddObject(MakeFormObject(&source.Bitmaps()));
    source.AddObject(MakeButtonObject(&source.Bitmaps()));
}

std::string saved(TSeSkinSource& source, const std::string& name)
{
    const std::string path = OutputPath(name);
    SaveSkinAnyFormat(source, path);
    TStringStream bytes;
    TFileStream file(path, fmOpenRead);
    bytes.CopyFrom(file, 0);
    return bytes.DataString();
}

std::string freshFolder(const std::string& name)
{
    const std::string folder = OutputPath(name);
    fs::remove_all(folder);
    return folder;
}

void writeText(const fs::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary);
    out << text;
}

std::string readError(TSeSkinSource& source, const std::string& folder)
{
    try {
        ReadSkinFolder(source, folder);
    } catch (const EReadError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(SkinFolder, UnpackThenPackGivesTheSameSkin)
{
    TSeSkinSource source(nullptr);
    fillTestSkin(source);
    const std::string before = saved(source, "folder-before.skinstream");
    const std::string folder = freshFolder("folder-roundtrip");
    WriteSkinFolder(source, folder);
    EXPECT_TRUE(fs::exists(fs::path(folder) / "bitmaps" / "001-Caption Buttons-2.png"));
    EXPECT_TRUE(fs::exists(fs::path(folder) / "bitmaps" / "002-Nothing.empty"));
    EXPECT_TRUE(fs::exists(fs::path(folder) / "objects" / "001-Button.txt"));

    TSeSkinSource packed(nullptr);
    ReadSkinFolder(packed, folder);
    EXPECT_EQ(packed.Bitmaps().Items(1)->Name(), "Caption Buttons-2");
    EXPECT_EQ(packed.Bitmaps().Items(1)->ScanLine(0)[0], 0x80112233u) << "alpha is kept";
    EXPECT_EQ(packed.Bitmaps().Items(1)->ScanLine(1)[2], SeKeyValue);
    EXPECT_EQ(saved(packed, "folder-after.skinstream"), before);

    // A second unpack into the same folder leaves no stale parts behind.
    TSeSkinSource smaller(nullptr);
    smaller.AddObject(MakeButtonObject(&smaller.Bitmaps()));
    WriteSkinFolder(smaller, folder);
    TSeSkinSource again(nullptr);
    ReadSkinFolder(again, folder);
    EXPECT_EQ(again.Count(), 1);
    EXPECT_EQ(again.Bitmaps().Count(), 0);
}

TEST(SkinFolder, HeaderLinesTakeCrLfAndDefaults)
{
    const std::string folder = freshFolder("folder-header");
    fs::create_directories(fs::path(folder) / "objects");
    writeText(fs::path(folder) / "skin.txt", "SkinName=Crème\r\nAuthor=A = B\r\n\r\n");
    TSeSkinSource source(nullptr);
    ReadSkinFolder(source, folder);
    EXPECT_EQ(source.SkinName(), "Crème");
    EXPECT_EQ(source.Author(), "A = B");
    EXPECT_EQ(source.SkinVersion(), "3.2.0");
}

TEST(SkinFolder, BadPartsNameTheFileAndKeepThePreviousSkin)
{
    TSeSkinSource good(nullptr);
    fillTestSkin(good);
    const std::string folder = freshFolder("folder-bad");
    WriteSkinFolder(good, folder);
    const fs::path objects = fs::path(folder) / "objects";
    TSeSkinSource source(nullptr);
    fillTestSkin(source);

    writeText(objects / "notes.txt", "x");
    EXPECT_NE(readError(source, folder).find("notes.txt"), std::string::npos);
    fs::remove(objects / "notes.txt");

    writeText(objects / "001-Again.txt", "object Again: TSeSkinObject\r\nend\r\n");
    EXPECT_NE(readError(source, folder).find("index 1"), std::string::npos);
    fs::remove(objects / "001-Again.txt");

    writeText(objects / "007-Broken.txt", "object Broken: TSeSkinObject\r\n  Width = \r\nend\r\n");
    EXPECT_NE(readError(source, folder).find("007-Broken.txt"), std::string::npos);
    fs::remove(objects / "007-Broken.txt");

    writeText(fs::path(folder) / "bitmaps" / "009-Bad.png", "not a png");
    EXPECT_NE(readError(source, folder).find("009-Bad.png"), std::string::npos);
    fs::remove(fs::path(folder) / "bitmaps" / "009-Bad.png");

    writeText(fs::path(folder) / "skin.txt", "SkinTitle=x\n");
    EXPECT_NE(readError(source, folder).find("SkinTitle"), std::string::npos);

    EXPECT_EQ(source.SkinName(), "Folder Test");
    EXPECT_EQ(source.Count(), 2);
    EXPECT_EQ(source.Bitmaps().Count(), 3);
}

TEST(SkinFolder, StoredStreamFilesAndUnknownExtensions)
{
    TSeSkinSource source(nullptr);
    fillTestSkin(source);
    const std::string bytes = saved(source, "stored.SKINSTREAM");
    EXPECT_EQ(bytes.substr(0, 7), std::string("\x02QFLZ\x78\x01"));
    TSeSkinSource empty(nullptr);
    EXPECT_EQ(saved(empty, "empty.skinstream"), std::string(1, '\0'));
    LoadSkinAnyFormat(source, OutputPath("empty.skinstream"));
    EXPECT_EQ(source.Count(), 0);
    LoadSkinAnyFormat(source, OutputPath("stored.SKINSTREAM"));
    EXPECT_EQ(source.Count(), 2);
    EXPECT_THROW(SaveSkinAnyFormat(source, OutputPath("skin.dat")), EWriteError);
    EXPECT_THROW(LoadSkinAnyFormat(source, OutputPath("skin.dat")), EReadError);
}
