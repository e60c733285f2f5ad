// One picture of a form with a few controls, for a person to look at.

#include "tests/support/UiTestSupport.h"

#include "platform/images/PngIo.h"
#include "ui/commondlg/MessageBox.h"
#include "ui/graphics/Bitmap.h"
#include "ui/menus/Menu.h"

#include <filesystem>

namespace {

using uitest::UiTest;

// A framed, sunken area with a caption, standing in for a panel.
class TGalleryPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        RECT r = ClientRect();
        DrawEdge(Canvas()->Handle(), &r, EDGE_SUNKEN, BF_RECT);
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->TextOut(8, 6, Caption());
    }
};

// A windowless swatch: a filled ellipse with a frame.
class TGallerySwatch : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Pen()->SetColor(clNavy);
        Canvas()->Brush()->SetColor(Color());
        Canvas()->Ellipse(0, 0, Width(), Height());
    }
};

class UiGallery : public UiTest {};

TEST_F(UiGallery, WritesAPicture)
{
    TForm* form = makeForm("Gallery");
    form->SetCaption("Component gallery");
    form->BeginLoading();
    auto* top = new TGalleryPanel(form);
    top->SetCaption("alTop panel");
    top->SetHeight(30);
    top->SetAlign(alTop);
    top->SetParent(form);
    auto* left = new TGalleryPanel(form);
    left->SetCaption("alLeft");
    left->SetWidth(70);
    left->SetAlign(alLeft);
    left->SetParent(form);
    auto* swatch = new TGallerySwatch(form);
    swatch->SetColor(clYellow);
    swatch->SetBounds(10, 30, 40, 40);
    swatch->SetParent(left);
    auto* ok = new TButtonControl(form);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetBounds(90, 60, 75, 25);
    ok->SetParent(form);
    auto* cancel = new TButtonControl(form);
    cancel->SetCaption("&Cancel");
    cancel->SetBounds(180, 60, 75, 25);
    cancel->SetParent(form);
    auto* off = new TButtonControl(form);
    off->SetCaption("Disabled");
    off->SetEnabled(false);
    off->SetBounds(90, 100, 75, 25);
    off->SetParent(form);
    form->EndLoading();
    form->Show();
    pump();

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    std::string dir = BRIO_TEST_OUTPUT_DIR;
    backend().writeWindowPng(form->Handle(), dir + "/ui-gallery-form.png");

    // PaintTo draws the same client area into any DC.
    TBitmap picture(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(picture.Canvas()->Handle(), 0, 0);
    EXPECT_EQ(picture.Canvas()->Pixels(ok->Left(), ok->Top() + 5), clBlack) << "default button frame";
    EXPECT_EQ(picture.Canvas()->Pixels(left->Left() + 30, left->Top() + 50), clYellow) << "windowless swatch";
    picture.SaveToFile(dir + "/ui-gallery-paintto.bmp");

    // The message box and a popup menu, on the screen together.
    auto* menu = new TPopupMenu(form);
    for (const char* caption : {"&Play", "-", "Play &Loop", "&Remove"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    menu->Items()->Items(3)->SetEnabled(false);
    menu->Items()->Items(0)->SetShortCut(ShortCut('P', {ssCtrl}));
    script({[&] { backend().pressKey(VK_DOWN); },
            [&] {
                backend().writeScreenPng(dir + "/ui-gallery-menu.png");
                backend().pressKey(VK_ESCAPE);
            }});
    menu->Popup(form->Left() + 200, form->Top() + 150);

    SetMessageBoxHook(nullptr);
    script({[&] {
        backend().writeScreenPng(dir + "/ui-gallery-messagebox.png");
        backend().pressKey(VK_RETURN);
    }});
    EXPECT_EQ(MessageBox(form->Handle(), "Cannot load plug-in player! Please re-install and retry.", "Clatterbox",
                         MB_OKCANCEL | MB_ICONWARNING),
              IDOK);
}

} // namespace
