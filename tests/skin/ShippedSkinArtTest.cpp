// The shipped skin as the build makes it: bitmaps drawn by the generator,
// passed through PNG and keyed as the skin reader does, and the committed
// object texts read back through the engine. Writes galleries of every
// object in its states for a person to look at.

#include "SkinTestSupport.h"

#include "platform/Gdi.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/images/PngIo.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinClasses.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSystemButtons.h"
#include "tools/skinart/SkinArt.h"
#include "ui/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace skintest;

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::filesystem::path> objectFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(BRIO_SHIPPED_SKIN_DIR) + "/objects"))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::unique_ptr<TSeSkinObject> readObjectText(const std::string& text)
{
    const TSeStreamedObject streamed = TextToStreamedObject(text);
    const TSeSkinObjectClass* cls = FindSkinObjectClass(streamed.className);
    if (!cls)
        return nullptr;
    std::unique_ptr<TSeSkinObject> object(cls->create(nullptr));
    ApplyObject(*object, streamed);
    return object;
}

// Through PNG bytes, with near-magenta keyed, as a packed skin holds them.
std::unique_ptr<TSeBitmap> throughPng(TSeBitmap& drawn)
{
    PixelBuffer pixels(drawn.Width(), drawn.Height(), drawn.Bits(), drawn.Width());
    const std::vector<unsigned char> png = EncodePng(pixels);
    PixelBufferPtr read = ReadPngFromMemory(png.data(), png.size());
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName(drawn.Name());
    bitmap->Allocate(read->width(), read->height());
    for (int y = 0; y < read->height(); ++y)
        std::memcpy(bitmap->ScanLine(y), read->row(y), std::size_t(read->width()) * 4);
    bitmap->KeyOutColor(0xFFFF00FF);
    return bitmap;
}

class ShippedSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        bitmaps_ = new TSeBitmapList;
        for (auto& drawn : skinart::DrawSkinBitmaps())
            bitmaps_->Add(throughPng(*drawn));
        objects_ = new std::vector<std::unique_ptr<TSeSkinObject>>;
        for (const auto& file : objectFiles()) {
            auto object = readObjectText(readFile(file));
            ASSERT_NE(object, nullptr) << file;
            object->SetBitmaps(bitmaps_);
            object->UpdateLinks();
            objects_->push_back(std::move(object));
        }
    }
    static void TearDownTestSuite()
    {
        delete objects_;
        delete bitmaps_;
    }

    static TSeSkinObject* object(const char* name)
    {
        for (auto& o : *objects_)
            if (SameSkinName(o->Name(), name))
                return o.get();
        return nullptr;
    }

    static TSeBitmapList* bitmaps_;
    static std::vector<std::unique_ptr<TSeSkinObject>>* objects_;
};

TSeBitmapList* ShippedSkin::bitmaps_ = nullptr;
std::vector<std::unique_ptr<TSeSkinObject>>* ShippedSkin::objects_ = nullptr;

void collectLinks(TSeSkinObject* o, std::vector<std::pair<std::string, TSeBitmapLink*>>& out, const std::string& path)
{
    std::vector<TSeBitmapLink*> links;
    o->CollectLinks(links);
    for (TSeBitmapLink* link : links)
        out.emplace_back(path + "/" + o->Name(), link);
    for (int i = 0; i < o->ChildCount(); ++i)
        collectLinks(o->Child(i), out, path + "/" + o->Name());
}

// ---- Drawing helpers for the checks and the galleries ----------------------------------

class Sheet {
public:
    Sheet(int width, int height)
    {
        bitmap_.Allocate(width, height);
        bitmap_.Fill(0xFF232428);
    }
    // Lays `o` out at its own size and draws it with its top-left at (x, y).
    void Draw(TSeSkinObject* o, int x, int y, int width = 0, int height = 0)
    {
        o->ArrangeIn(RECT{o->Left(), o->Top(), o->Left() + (width ? width : o->Width()),
                          o->Top() + (height ? height : o->Height())});
        POINT old;
        SetViewportOrgEx(bitmap_.DC(), x - o->Left(), y - o->Top(), &old);
        TCanvas canvas;
        canvas.SetHandle(bitmap_.DC());
        o->Draw(canvas);
        canvas.SetHandle(nullptr);
        SetViewportOrgEx(bitmap_.DC(), old.x, old.y, nullptr);
    }
    void Fill(RECT r, Pixel p) { bitmap_.FillRect(r, p); }
    void Save(const char* name)
    {
        PixelBuffer pixels(bitmap_.Width(), bitmap_.Height(), bitmap_.Bits(), bitmap_.Width());
        WritePng(pixels, OutputPath(name), true);
    }
    std::vector<Pixel> Pixels(RECT r)
    {
        std::vector<Pixel> out;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                out.push_back(bitmap_.Pixels(x, y) & 0xFFFFFF);
        return out;
    }

private:
    TSeBitmap bitmap_;
};

constexpr Pixel Backdrop = 0xFF2B2D31;

// Draws a private copy of `source`'s child `name` in each state code.
std::vector<std::vector<Pixel>> drawStates(TSeSkinObject* source, const char* name,
                                           std::initializer_list<std::uint8_t> states)
{
    std::vector<std::vector<Pixel>> looks;
    TSeSkinObject* part = FindObject(source, name);
    if (!part)
        return looks;
    for (std::uint8_t state : states) {
        Sheet sheet(part->Width(), part->Height());
        sheet.Fill(RECT{0, 0, part->Width(), part->Height()}, Backdrop);
        part->ApplyState(state);
        sheet.Draw(part, 0, 0);
        part->ApplyState(0);
        looks.push_back(sheet.Pixels(RECT{0, 0, part->Width(), part->Height()}));
    }
    return looks;
}

void expectAllDistinct(const std::vector<std::vector<Pixel>>& looks, const char* what)
{
    for (std::size_t i = 0; i < looks.size(); ++i)
        for (std::size_t j = i + 1; j < looks.size(); ++j)
            EXPECT_NE(looks[i], looks[j]) << what << ": looks " << i << " and " << j << " are the same";
}

} // namespace

// ---- The sources --------------------------------------------------------------------------

TEST_F(ShippedSkin, CommittedObjectTextsAreWhatTheGeneratorWrites)
{
    const auto files = objectFiles();
    auto built = skinart::BuildSkinObjects();
    ASSERT_EQ(files.size(), built.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        EXPECT_EQ(files[i].filename().string(), skinart::SourceFileName(int(i), built[i]->Name(), ".txt"));
        EXPECT_EQ(readFile(files[i]), ObjectBinaryToText(SkinObjectToBinary(*built[i]))) << files[i];
    }
}

TEST_F(ShippedSkin, ArtworkIsTheSameBytesEveryTime)
{
    auto first = skinart::DrawSkinBitmaps();
    auto second = skinart::DrawSkinBitmaps();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        PixelBuffer a(first[i]->Width(), first[i]->Height(), first[i]->Bits(), first[i]->Width());
        PixelBuffer b(second[i]->Width(), second[i]->Height(), second[i]->Bits(), second[i]->Width());
        EXPECT_EQ(EncodePng(a), EncodePng(b)) << first[i]->Name();
    }
}

TEST_F(ShippedSkin, HoldsEveryObjectAndChildTheControlsAskFor)
{
    const std::vector<std::pair<const char*, std::vector<const char*>>> wanted = {
        {"Form", {"Caption", "CaptionLeft", "CaptionRight", "Title", "ButtonContainer", "CloseButton",
                  "RestoreButton", "MaxButton", "MinButton", "RollDownButton", "RollUpButton", "TrayButton",
                  "HelpButton", "Glyph", "Left", "Right", "Bottom", "BottomLeft", "BottomRight", "BottomCenter",
                  "Client", "SysMenu"}},
        {"PopupMenu", {"Item", "Frame", "Separator"}},
        {"CheckBox", {"Unchecked", "Checked", "Mixed", "Text"}},
        {"RadioButton", {"Unchecked", "Checked", "Text"}},
        {"ScrollBar", {"HorzFrame", "LeftButton", "RightButton", "HorzSlider", "TopButton", "VertFrame",
                       "BottomButton", "VertSlider"}},
        {"Button", {"Face", "Text"}},
        {"SpeedButton", {"Face", "Text", "FlatFace", "Chevron", "FlatChevron"}},
        {"GroupBox", {"Frame", "Caption"}},
        {"ProgressBar", {"Frame", "BarHorz", "BarVert"}},
        {"TrackBar", {"Track", "ThumbHorz", "ThumbHorzTop", "ThumbHorzBottom", "ThumbVert", "ThumbVertLeft",
                      "ThumbVertRight", "Highlight", "HighlightVert", "TrackVert", "Frame"}},
        {"ListBox", {"Frame", "Top", "Left", "Right", "Bottom", "Client", "Unchecked", "Checked", "Mixed", "Item"}},
        {"Edit", {"Frame", "Top", "Left", "Right", "Bottom", "Client", "Text"}},
        {"ComboBox", {"Frame", "Text", "Button"}},
        {"SpinButton", {"Face"}},
        {"Panel", {"Frame", "Caption", "ButtonRollup", "ButtonRolldown", "ButtonHide"}},
        {"Tabs", {"Tab", "Frame", "Text", "LeftButton", "RightButton"}},
        {"Grid", {"Fixed", "Cell", "Frame"}},
        {"Header", {"Section"}},
        {"StatusBar", {"Frame", "Panel", "Gripper"}},
        {"ScrollBox", {"Frame"}},
        {"Splitter", {}},
        {"MenuBar", {"Frame", "Item", "Restore", "Min", "Close", "ToolbarFrame", "ToolbarItem"}},
        {"Toolbar", {"Frame"}},
        {"ControlBar", {"Back", "Frame", "Grabber"}},
    };
    for (const auto& [name, children] : wanted) {
        TSeSkinObject* top = object(name);
        ASSERT_NE(top, nullptr) << name;
        for (const char* child : children)
            EXPECT_NE(FindObject(top, child), nullptr) << name << " lacks " << child;
    }
    EXPECT_EQ(FindObject(object("Form"), "Glyph")->Width(), 13);
    // Skinned labels keep their own font, and tool windows and hints fall
    // back to the "Form" frame and the plain hint window.
    for (const char* absent : {"Hint", "Label", "ToolWindow"})
        EXPECT_EQ(object(absent), nullptr) << absent;
    EXPECT_EQ(objects_->size(), 25u);
}

TEST_F(ShippedSkin, EveryLinkResolvesInsideItsBitmap)
{
    for (auto& top : *objects_) {
        std::vector<std::pair<std::string, TSeBitmapLink*>> links;
        collectLinks(top.get(), links, "");
        for (auto& [where, link] : links) {
            if (link->Name().empty())
                continue;
            ASSERT_NE(link->Image(), nullptr) << where << " links to unknown bitmap " << link->Name();
            EXPECT_TRUE(link->IsValid()) << where;
            EXPECT_GE(link->Left(), 0) << where;
            EXPECT_GE(link->Top(), 0) << where;
            EXPECT_LE(link->Right(), link->Image()->Width()) << where;
            EXPECT_LE(link->Bottom(), link->Image()->Height()) << where;
        }
    }
}

// ---- The frame ------------------------------------------------------------------------------

TEST_F(ShippedSkin, FormLaysOutAtItsStoredSize)
{
    TSeSkinObject form(nullptr);
    form.CloneFrom(*object("Form"));
    form.ArrangeIn(RECT{0, 0, 100, 100});
    form.ArrangeIn(RECT{0, 0, 375, 247});
    auto bounds = [&](const char* name) { return FindObject(&form, name)->BoundsRect(); };
    auto expectRect = [](RECT r, RECT e, const char* name) {
        EXPECT_TRUE(EqualRect(&r, &e)) << name << ": " << r.left << "," << r.top << "," << r.right << ","
                                       << r.bottom;
    };
    expectRect(bounds("Caption"), {0, 0, 375, 29}, "Caption");
    expectRect(bounds("Bottom"), {0, 242, 375, 247}, "Bottom");
    expectRect(bounds("Left"), {0, 29, 5, 242}, "Left");
    expectRect(bounds("Right"), {370, 29, 375, 242}, "Right");
    expectRect(bounds("Client"), {5, 29, 370, 242}, "Client");
    expectRect(bounds("CaptionLeft"), {0, 0, 10, 29}, "CaptionLeft");
    expectRect(bounds("CaptionRight"), {365, 0, 375, 29}, "CaptionRight");
    expectRect(bounds("Title"), {10, 0, 365, 29}, "Title");

    const RECT container = bounds("ButtonContainer");
    int right = container.right;
    for (const char* name : {"CloseButton", "RestoreButton", "MaxButton", "MinButton"}) {
        const RECT b = bounds(name);
        EXPECT_EQ(b.right, right) << name;
        EXPECT_EQ(b.right - b.left, name[0] == 'C' ? 23 : 21) << name;
        right = b.left;
        TSeSkinObject* glyph = FindObject(FindObject(&form, name), "Glyph");
        const RECT g = glyph->BoundsRect();
        EXPECT_EQ(g.left - b.left, (b.right - b.left - 13) / 2) << name;
        EXPECT_EQ(g.top - b.top, (b.bottom - b.top - 13) / 2) << name;
    }
}

TEST_F(ShippedSkin, FormRegionRoundsTheCornersOnly)
{
    TSeSkinObject form(nullptr);
    form.CloneFrom(*object("Form"));
    form.ArrangeIn(RECT{0, 0, 375, 247});
    form.SetActive(true);
    HRGN region = form.CreateRegion();
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 374, 0));
    EXPECT_FALSE(PtInRegion(region, 0, 246));
    EXPECT_FALSE(PtInRegion(region, 374, 246));
    for (POINT p : {POINT{187, 0}, POINT{0, 120}, POINT{374, 120}, POINT{187, 246}, POINT{187, 14}, POINT{8, 3}})
        EXPECT_TRUE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
    DeleteObject(region);
}

TEST_F(ShippedSkin, ActiveAndInactiveFramesDiffer)
{
    FakeSkinForm link;
    HWND hwnd = CreateFormWindow(&link);
    TSeSkinObject form(nullptr);
    form.CloneFrom(*object("Form"));
    form.BindControl(hwnd);
    std::vector<std::vector<Pixel>> looks;
    for (bool active : {true, false}) {
        form.SetActive(active);
        form.ApplyState(0);
        FindObject(&form, "Title")->SetText("Clatterbox");
        Sheet sheet(375, 247);
        sheet.Draw(&form, 0, 0);
        looks.push_back(sheet.Pixels(RECT{0, 0, 375, 29}));
        looks.push_back(sheet.Pixels(RECT{0, 29, 5, 242}));
    }
    EXPECT_NE(looks[0], looks[2]) << "caption";
    EXPECT_NE(looks[1], looks[3]) << "left border";
    DestroyFormWindow(hwnd);
}

TEST_F(ShippedSkin, CaptionButtonsShowHotAndPressedLooks)
{
    for (const char* name : {"CloseButton", "MinButton"}) {
        TSeSkinObject form(nullptr);
        form.CloneFrom(*object("Form"));
        form.SetActive(true);
        form.ArrangeIn(RECT{0, 0, 375, 247});
        auto* button = dynamic_cast<TSeSystemButton*>(FindObject(&form, name));
        ASSERT_NE(button, nullptr);
        const RECT b = button->BoundsRect();
        std::vector<std::vector<Pixel>> looks;
        for (int look = 0; look < 3; ++look) {
            if (look == 1)
                button->MouseEnter();
            if (look == 2)
                button->MouseDown(mbLeft);
            Sheet sheet(375, 247);
            sheet.Draw(&form, 0, 0);
            looks.push_back(sheet.Pixels(b));
        }
        expectAllDistinct(looks, name);
    }
}

// ---- Controls -----------------------------------------------------------------------------

TEST_F(ShippedSkin, EveryControlStateLooksDifferent)
{
    expectAllDistinct(drawStates(object("Button"), "Face", {0, 5, 6, 7, 8}), "button face");
    expectAllDistinct(drawStates(object("CheckBox"), "Checked", {0, 5, 6, 7, 8}), "checked box");
    expectAllDistinct(drawStates(object("CheckBox"), "Unchecked", {0, 5, 6, 7, 8}), "unchecked box");
    expectAllDistinct(drawStates(object("RadioButton"), "Checked", {0, 5, 6, 7, 8}), "radio button");
    expectAllDistinct(drawStates(object("Edit"), "Frame", {0, 5, 7, 8}), "edit frame");
    expectAllDistinct(drawStates(object("TrackBar"), "ThumbHorz", {0, 5, 6, 7, 8}), "track bar thumb");
    expectAllDistinct(drawStates(object("ScrollBar"), "HorzSlider", {0, 5, 6, 8}), "scroll bar slider");
    expectAllDistinct(drawStates(object("ScrollBar"), "LeftButton", {0, 5, 6, 8}), "scroll bar button");
    expectAllDistinct(drawStates(object("PopupMenu"), "Item", {0, 5, 7}), "menu row");
}

// ---- Galleries ------------------------------------------------------------------------------

namespace {

// Draws `top`'s child `name` at (x, y) in `state`, with `text`, then puts
// the child back as it was.
void drawPart(Sheet& sheet, TSeSkinObject* top, const char* name, int x, int y, int w, int h, std::uint8_t state,
              const std::string& text = {})
{
    TSeSkinObject* part = name ? FindObject(top, name) : top;
    if (!part)
        return;
    part->ApplyState(state);
    part->SetText(text);
    sheet.Draw(part, x, y, w, h);
    part->ApplyState(0);
    part->SetText({});
}

} // namespace

TEST_F(ShippedSkin, GalleryOfFrames)
{
    FakeSkinForm mainWindow;
    mainWindow.icons = {kbiClose, kbiMinimize, kbiTray};
    FakeSkinForm dialog;
    dialog.icons = {kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup};
    HWND mainHwnd = CreateFormWindow(&mainWindow), dialogHwnd = CreateFormWindow(&dialog);
    Sheet sheet(800, 860);
    struct Shot {
        const char* object;
        HWND hwnd;
        bool active;
        const char* hot;
        const char* pressed;
        int x, y, w, h;
    };
    const Shot shots[] = {
        {"Form", mainHwnd, true, nullptr, nullptr, 10, 10, 375, 247},
        {"Form", mainHwnd, false, nullptr, nullptr, 405, 10, 375, 247},
        {"Form", dialogHwnd, true, "CloseButton", nullptr, 10, 277, 375, 247},
        {"Form", dialogHwnd, true, nullptr, "MinButton", 405, 277, 375, 247},
        {"Form", dialogHwnd, true, "HelpButton", nullptr, 10, 544, 375, 200},
        {"Form", dialogHwnd, false, nullptr, nullptr, 405, 544, 375, 200},
    };
    for (const Shot& shot : shots) {
        TSeSkinObject form(nullptr);
        form.CloneFrom(*object(shot.object));
        form.BindControl(shot.hwnd);
        form.SetActive(shot.active);
        form.ApplyState(0);
        FindObject(&form, "Title")->SetText(shot.active ? "Clatterbox - Soundboard" : "Clatterbox (inactive)");
        form.ArrangeIn(RECT{0, 0, shot.w, shot.h});
        if (shot.hot)
            FindObject(&form, shot.hot)->MouseEnter();
        if (shot.pressed) {
            FindObject(&form, shot.pressed)->MouseEnter();
            FindObject(&form, shot.pressed)->MouseDown(mbLeft);
        }
        sheet.Draw(&form, shot.x, shot.y);
        // A few controls inside, as a dialog would hold them.
        const int cx = shot.x + 20, cy = shot.y + 50;
        drawPart(sheet, object("Button"), nullptr, cx, cy, 80, 25, shot.active ? 7 : 0);
        drawPart(sheet, object("Button"), "Text", cx, cy, 80, 25, 0, "OK");
        drawPart(sheet, object("Button"), nullptr, cx + 90, cy, 80, 25, 0);
        drawPart(sheet, object("Button"), "Text", cx + 90, cy, 80, 25, 0, "Cancel");
        drawPart(sheet, object("Edit"), "Frame", cx, cy + 40, 170, 21, 0);
        drawPart(sheet, object("Edit"), "Text", cx, cy + 40, 170, 21, 0, "Airhorn.wav");
        drawPart(sheet, object("CheckBox"), "Checked", cx, cy + 75, 15, 15, 0);
        drawPart(sheet, object("CheckBox"), "Text", cx + 20, cy + 73, 200, 20, 0, "Sounds to microphone");
        drawPart(sheet, object("TrackBar"), "Track", cx, cy + 110, 200, 6, 0);
        drawPart(sheet, object("TrackBar"), "Highlight", cx, cy + 110, 120, 6, 0);
        drawPart(sheet, object("TrackBar"), "ThumbHorz", cx + 112, cy + 105, 16, 16, 0);
    }
    sheet.Save("shipped-skin-frames.png");
    DestroyFormWindow(mainHwnd);
    DestroyFormWindow(dialogHwnd);
}

TEST_F(ShippedSkin, GalleryOfControls)
{
    Sheet sheet(760, 640);
    sheet.Fill(RECT{0, 0, 760, 640}, Backdrop);
    const std::uint8_t looks[] = {0, 5, 6, 7, 8};
    for (int i = 0; i < 5; ++i) {
        const int x = 10 + i * 100;
        drawPart(sheet, object("Button"), nullptr, x, 10, 88, 25, looks[i]);
        drawPart(sheet, object("Button"), "Text", x, 10, 88, 25, looks[i], "Options");
        int y = 50;
        for (const char* box : {"Unchecked", "Checked", "Mixed"}) {
            drawPart(sheet, object("CheckBox"), box, x, y, 15, 15, looks[i]);
            y += 20;
        }
        drawPart(sheet, object("CheckBox"), "Text", x + 20, 68, 80, 20, looks[i], "Check");
        for (const char* box : {"Unchecked", "Checked"}) {
            drawPart(sheet, object("RadioButton"), box, x + 60, y - 60, 15, 15, looks[i]);
            y += 20;
        }
        drawPart(sheet, object("Edit"), "Frame", x, 125, 88, 21, looks[i] == 6 ? 0 : looks[i]);
        drawPart(sheet, object("Edit"), "Text", x, 125, 88, 21, looks[i], "Edit text");
        drawPart(sheet, object("TrackBar"), "ThumbHorz", x, 160, 16, 16, looks[i]);
        drawPart(sheet, object("ScrollBar"), "LeftButton", x + 24, 160, 16, 16, looks[i]);
        drawPart(sheet, object("ScrollBar"), "HorzSlider", x + 44, 160, 40, 16, looks[i]);
        drawPart(sheet, object("SpeedButton"), "FlatFace", x, 185, 60, 24, looks[i]);
        drawPart(sheet, object("Tabs"), "Tab", x, 220, 80, 22, looks[i], "Tab");
        drawPart(sheet, object("Header"), "Section", x, 250, 90, 18, looks[i], "Column");
    }
    drawPart(sheet, object("Tabs"), "Frame", 10, 242, 480, 4, 0);

    // Scrolled area corner, progress and track bars.
    drawPart(sheet, object("ListBox"), "Frame", 520, 10, 220, 160, 0);
    drawPart(sheet, object("ListBox"), "Item", 523, 14, 196, 20, 0, "Group: Memes");
    drawPart(sheet, object("ListBox"), "Item", 523, 34, 196, 20, 7, "Sad trombone");
    drawPart(sheet, object("ListBox"), "Item", 523, 54, 196, 20, 5, "Rimshot");
    drawPart(sheet, object("ScrollBar"), "VertFrame", 722, 12, 16, 156, 0);
    drawPart(sheet, object("ScrollBar"), "TopButton", 722, 12, 16, 16, 0);
    drawPart(sheet, object("ScrollBar"), "VertSlider", 722, 30, 16, 50, 5);
    drawPart(sheet, object("ScrollBar"), "BottomButton", 722, 152, 16, 16, 0);
    drawPart(sheet, object("ProgressBar"), "Frame", 520, 185, 220, 18, 0);
    drawPart(sheet, object("ProgressBar"), "BarHorz", 524, 189, 140, 10, 0);
    drawPart(sheet, object("TrackBar"), "Track", 528, 222, 204, 6, 0);
    drawPart(sheet, object("TrackBar"), "Highlight", 528, 222, 90, 6, 0);
    drawPart(sheet, object("TrackBar"), "ThumbHorz", 610, 217, 16, 16, 7);

    // Menus and containers.
    TSeSkinObject* popup = object("PopupMenu");
    drawPart(sheet, popup, "Frame", 10, 290, 200, 4 + 22 * 4 + 9 + 4, 0);
    const char* rows[] = {"Play", "Loop", "Stop all", "Settings..."};
    const std::uint8_t rowStates[] = {0, 7, 0, 5};
    for (int i = 0; i < 4; ++i) {
        const int y = 294 + 22 * i + (i >= 3 ? 9 : 0);
        TSeSkinObject* item = FindObject(popup, "Item");
        item->SetEnabled(i != 2);
        drawPart(sheet, popup, "Item", 14, y, 192, 22, rowStates[i], rows[i]);
        item->SetEnabled(true);
    }
    drawPart(sheet, popup, "Separator", 14, 294 + 66, 192, 9, 0);
    drawPart(sheet, object("MenuBar"), "Frame", 230, 290, 280, 24, 0);
    drawPart(sheet, object("MenuBar"), "Item", 232, 292, 50, 20, 0, "File");
    drawPart(sheet, object("MenuBar"), "Item", 282, 292, 50, 20, 5, "Edit");
    drawPart(sheet, object("MenuBar"), "Item", 332, 292, 50, 20, 7, "Help");
    TSeSkinObject* panel = object("Panel");
    drawPart(sheet, panel, "Frame", 10, 420, 240, 150, 0);
    drawPart(sheet, panel, "Caption", 10, 420, 240, 22, 0, "Key list");
    drawPart(sheet, panel, "ButtonRollup", 230, 423, 16, 16, 5);
    TSeSkinObject* group = object("GroupBox");
    drawPart(sheet, group, "Frame", 270, 428, 240, 142, 0);
    sheet.Fill(RECT{278, 420, 350, 437}, Backdrop);
    drawPart(sheet, group, "Caption", 282, 420, 70, 17, 0, "Startup");
    drawPart(sheet, object("StatusBar"), "Frame", 10, 590, 500, 22, 0);
    drawPart(sheet, object("StatusBar"), "Panel", 10, 590, 160, 22, 0, "20 keys");
    drawPart(sheet, object("StatusBar"), "Gripper", 496, 598, 12, 12, 0);
    drawPart(sheet, object("ComboBox"), "Frame", 520, 260, 160, 21, 0);
    drawPart(sheet, object("ComboBox"), "Text", 520, 260, 140, 21, 0, "Default device");
    drawPart(sheet, object("ComboBox"), "Button", 661, 262, 17, 17, 5);
    sheet.Save("shipped-skin-controls.png");
}
