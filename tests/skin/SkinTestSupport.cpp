#include "SkinTestSupport.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/backends/headless/HeadlessBackend.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeSystemButtons.h"
#include "ui/component/Stream.h"
#include "ui/graphics/Font.h"

#include <filesystem>
#include <map>

namespace skintest {

namespace {

constexpr Pixel Graphite = 0xFF2B2D31, Edge = 0xFF4A4D55, Orange = 0xFFF08A24, Deep = 0xFFB85E10, Light = 0xFFE8E8E8;

void fill(TSeBitmap& b, RECT r, Pixel p)
{
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            b.ScanLine(y)[x] = p;
}

void panel(TSeBitmap& b, RECT r, Pixel border, Pixel centre)
{
    fill(b, r, border);
    fill(b, RECT{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}, centre);
    // Rounded look: the outer corner pixels are transparent.
    b.ScanLine(r.top)[r.left] = b.ScanLine(r.top)[r.right - 1] = SeKeyValue;
    b.ScanLine(r.bottom - 1)[r.left] = b.ScanLine(r.bottom - 1)[r.right - 1] = SeKeyValue;
}

std::map<HWND, std::pair<FakeSkinForm*, int>>& windows()
{
    static std::map<HWND, std::pair<FakeSkinForm*, int>> map;
    return map;
}

LRESULT formProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto it = windows().find(hwnd);
    if (it != windows().end()) {
        if (msg == SEM_GETSKINFORM)
            return reinterpret_cast<LRESULT>(static_cast<TSeSkinFormLink*>(it->second.first));
        if (msg == SEM_SKINOBJECTCHANGED)
            ++it->second.second;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

template <class T>
T* add(TSeSkinObject* parent, const char* name, TSeAlign align, RECT bounds)
{
    auto* object = new T(parent);
    object->SetName(name);
    object->SetAlign(align);
    object->ArrangeIn(bounds);
    return object;
}

void link(TSeBitmapLink* l, const char* name, RECT r)
{
    l->SetName(name);
    l->SetRect(r);
}

TSeSystemButton* captionButton(TSeSkinObject* container, const char* name, TSeAction action, int width)
{
    auto* button = add<TSeSystemButton>(container, name, saRight, RECT{0, 0, width, 21});
    button->SetAction(action);
    button->SetMarginLeft(3);
    button->SetMarginTop(3);
    button->SetMarginRight(3);
    button->SetMarginBottom(3);
    link(button->Bitmap(), "Parts", PanelRect);
    link(button->BitmapHot(), "Parts", HotRect);
    link(button->BitmapPressed(), "Parts", PressedRect);
    auto* glyph = add<TSeButtonObject>(button, "Glyph", saCenter, RECT{0, 0, 13, 13});
    link(glyph->Bitmap(), "Parts", GlyphRect);
    return button;
}

// Lays the tree out top-down, as an authoring tool stores it.
void layOut(TSeSkinObject* object)
{
    object->AlignObjects();
    for (int i = 0; i < object->ChildCount(); ++i)
        layOut(object->Child(i));
}

} // namespace

std::unique_ptr<TSeBitmap> MakePartsBitmap()
{
    auto b = std::make_unique<TSeBitmap>();
    b->SetName("Parts");
    b->Allocate(64, 16);
    b->Fill(SeKeyValue);
    panel(*b, PanelRect, Edge, Graphite);
    panel(*b, HotRect, Orange, Graphite);
    panel(*b, PressedRect, Deep, 0xFF1E1F22);
    for (int i = 2; i < 11; ++i) {
        b->ScanLine(i)[48 + i] = Light;
        b->ScanLine(i)[48 + 12 - i] = Light;
    }
    return b;
}

std::unique_ptr<TSeSkinObject> MakeFormObject(TSeBitmapList* bitmaps)
{
    auto form = std::make_unique<TSeSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(skForm);
    form->SetColor(clNone);
    form->ArrangeIn(RECT{0, 0, 375, 247});

    auto* caption = add<TSeBitmapObject>(form.get(), "Caption", saTop, RECT{0, 0, 375, 29});
    caption->SetKind(skCaption);
    caption->SetMarginLeft(3);
    caption->SetMarginTop(3);
    caption->SetMarginRight(3);
    caption->SetMarginBottom(3);
    caption->SetMasked(false);
    link(caption->Bitmap(), "Parts", PanelRect);
    add<TSeSkinObject>(caption, "CaptionLeft", saLeft, RECT{0, 0, 10, 29})->SetColor(TColor(0x3A3532));
    add<TSeSkinObject>(caption, "CaptionRight", saRight, RECT{0, 0, 10, 29})->SetColor(TColor(0x3A3532));
    auto* title = add<TSeSkinObject>(caption, "Title", saClient, RECT{});
    title->SetKind(skTitle);
    title->SetColor(clNone);
    title->SetTextMarginLeft(6);
    title->Font()->SetColor(clWhite);
    auto* buttons = add<TSeSkinObject>(caption, "ButtonContainer", saTopRight, RECT{265, 4, 365, 25});
    buttons->SetColor(clNone);
    captionButton(buttons, "CloseButton", sbaClose, 23);
    captionButton(buttons, "RestoreButton", sbaRestore, 21);
    captionButton(buttons, "MaxButton", sbaMaximize, 21);
    captionButton(buttons, "MinButton", sbaMinimize, 21);

    for (const char* name : {"Left", "Right"}) {
        auto* side = add<TSeSkinObject>(form.get(), name, name[0] == 'L' ? saLeft : saRight, RECT{0, 0, 5, 10});
        side->SetKind(name[0] == 'L' ? skLeft : skRight);
        side->SetColor(TColor(0x55504A));
    }
    auto* bottom = add<TSeSkinObject>(form.get(), "Bottom", saBottom, RECT{0, 0, 10, 5});
    bottom->SetKind(skBottom);
    bottom->SetColor(TColor(0x55504A));
    auto* client = add<TSeSkinObject>(form.get(), "Client", saClient, RECT{});
    client->SetKind(skClient);
    client->SetColor(TColor(0x312D2B));
    form->SetBitmaps(bitmaps);
    form->UpdateLinks();
    layOut(form.get());
    return form;
}

std::unique_ptr<TSeSkinObject> MakeButtonObject(TSeBitmapList* bitmaps)
{
    auto button = std::make_unique<TSeSkinObject>(nullptr);
    button->SetName("Button");
    button->SetColor(clNone);
    button->ArrangeIn(RECT{0, 0, 75, 25});
    auto* face = add<TSeButtonObject>(button.get(), "Face", saClient, RECT{});
    face->SetMarginLeft(3);
    face->SetMarginTop(3);
    face->SetMarginRight(3);
    face->SetMarginBottom(3);
    link(face->Bitmap(), "Parts", PanelRect);
    link(face->BitmapHot(), "Parts", HotRect);
    link(face->BitmapPressed(), "Parts", PressedRect);
    link(face->BitmapFocused(), "Parts", HotRect);
    auto* text = add<TSeSkinObject>(button.get(), "Text", saClient, RECT{});
    text->SetColor(clNone);
    text->SetTextAlign(TSeTextAlign::taCenter);
    text->Font()->SetColor(TColor(0xE8E8E8));
    button->SetBitmaps(bitmaps);
    button->UpdateLinks();
    layOut(button.get());
    return button;
}

HWND CreateFormWindow(FakeSkinForm* form)
{
    static bool registered = false;
    if (!registered) {
        SetBackend(std::make_unique<HeadlessBackend>());
        WNDCLASS wc;
        wc.lpfnWndProc = formProc;
        wc.lpszClassName = "SkinTestForm";
        RegisterClass(&wc);
        registered = true;
    }
    HWND hwnd = CreateWindowEx(0, "SkinTestForm", "Form", WS_POPUP, 0, 0, 375, 247, nullptr, nullptr, nullptr, nullptr);
    windows()[hwnd] = {form, 0};
    return hwnd;
}

int ObjectChangedCount(HWND hwnd) { return windows()[hwnd].second; }

void DestroyFormWindow(HWND hwnd)
{
    windows().erase(hwnd);
    DestroyWindow(hwnd);
}

std::string OutputPath(const std::string& fileName)
{
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    return std::string(BRIO_TEST_OUTPUT_DIR) + "/" + fileName;
}

std::string WriteSkinWith(const TSeSkinFilterClass& filterClass, TSeSkinSource& source)
{
    TStringStream stream;
    std::unique_ptr<TSeSkinFilter> filter(filterClass.create());
    filter->Source = &source;
    filter->StreamOut(stream);
    return stream.DataString();
}

void ReadSkinWith(const TSeSkinFilterClass& filterClass, TSeSkinSource& source, const std::string& bytes,
                  std::int64_t maxPixelBytes)
{
    TStringStream stream(bytes);
    std::unique_ptr<TSeSkinFilter> filter(filterClass.create());
    filter->Source = &source;
    filter->MaxPixelBytes = maxPixelBytes;
    filter->StreamIn(stream);
}

} // namespace skintest
