// One form with every standard control, written as a picture to look at.

#include "tests/support/UiTestSupport.h"

#include "ui/stdctrls/Bevel.h"
#include "ui/stdctrls/Button.h"
#include "ui/stdctrls/CheckBox.h"
#include "ui/stdctrls/ComboBox.h"
#include "ui/stdctrls/Edit.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Font.h"
#include "ui/graphics/Picture.h"
#include "ui/stdctrls/Image.h"
#include "ui/stdctrls/Label.h"
#include "ui/stdctrls/Panel.h"

#include <filesystem>

namespace {

using uitest::UiTest;

class StdControlsGallery : public UiTest {};

template <class T> T* Place(TWinControl* parent, int x, int y, int w = 0, int h = 0)
{
    auto* control = new T(parent);
    control->SetBounds(x, y, w ? w : control->Width(), h ? h : control->Height());
    control->SetParent(parent);
    return control;
}

TEST_F(StdControlsGallery, WritesAPicture)
{
    TForm* form = makeForm("Gallery");
    form->SetCaption("Standard controls");
    form->SetClientWidth(460);
    form->SetClientHeight(300);
    form->SetColor(clBtnFace);

    auto* title = Place<TLabel>(form, 12, 8);
    title->Font()->SetHeight(-19);
    title->Font()->SetStyle({fsBold});
    title->SetCaption("Standard controls");
    Place<TBevel>(form, 12, 34, 436, 2)->SetShape(bsBox);

    auto* name = Place<TLabel>(form, 12, 48);
    name->SetCaption("&Name:");
    auto* edit = Place<TEdit>(form, 70, 44, 140);
    edit->SetText("Selected text");
    name->SetFocusControl(edit);
    auto* password = Place<TEdit>(form, 70, 72, 140);
    password->SetPasswordChar(u'*');
    password->SetText("secret");
    auto* off = Place<TEdit>(form, 70, 100, 140);
    off->SetText("Disabled edit");
    off->SetEnabled(false);

    auto* combo = Place<TComboBox>(form, 230, 44, 140);
    for (const char* item : {"Cherry", "Apple", "Banana"})
        combo->Items()->Add(item);
    combo->SetItemIndex(0);
    auto* plainCombo = Place<TComboBox>(form, 230, 72, 140);
    plainCombo->Items()->Add("Not focused");
    plainCombo->SetItemIndex(0);

    auto* checked = Place<TCheckBox>(form, 230, 102, 110);
    checked->SetCaption("&Checked");
    checked->SetChecked(true);
    auto* grayed = Place<TCheckBox>(form, 230, 122, 110);
    grayed->SetCaption("Grayed");
    grayed->SetAllowGrayed(true);
    grayed->SetState(cbGrayed);
    auto* unchecked = Place<TCheckBox>(form, 340, 102, 110);
    unchecked->SetCaption("Unchecked");
    auto* disabled = Place<TCheckBox>(form, 340, 122, 110);
    disabled->SetCaption("Disabled");
    disabled->SetChecked(true);
    disabled->SetEnabled(false);
    auto* leftBox = Place<TCheckBox>(form, 12, 130, 120);
    leftBox->SetCaption("Box on the right");
    leftBox->SetAlignment(taLeftJustify);

    auto* panel = Place<TPanel>(form, 12, 156, 200, 90);
    panel->SetCaption("Raised panel");
    panel->SetBevelInner(bvLowered);
    panel->SetBorderWidth(2);
    panel->SetAlignment(taCenter);
    auto* wrap = Place<TLabel>(panel, 10, 8);
    wrap->SetWordWrap(true);
    wrap->SetWidth(180);
    wrap->SetCaption("A word-wrapped label inside the panel, left aligned.");
    auto* dimmed = Place<TLabel>(panel, 10, 64);
    dimmed->SetCaption("Disabled label");
    dimmed->SetEnabled(false);

    auto* lowered = Place<TPanel>(form, 222, 156, 100, 90);
    lowered->SetBevelOuter(bvLowered);
    lowered->SetColor(clWindow);
    lowered->SetCaption("Lowered");
    auto* frame = Place<TBevel>(form, 332, 156, 56, 40);
    frame->SetShape(bsFrame);
    auto* raisedBox = Place<TBevel>(form, 398, 156, 50, 40);
    raisedBox->SetStyle(bsRaised);

    TBitmap picture(32, 32);
    picture.Canvas()->Brush()->SetColor(clTeal);
    picture.Canvas()->FillRect(RECT{0, 0, 32, 32});
    picture.Canvas()->Brush()->SetColor(clYellow);
    picture.Canvas()->Ellipse(4, 4, 28, 28);
    auto* image = Place<TImage>(form, 332, 204, 56, 42);
    image->Picture()->SetBitmap(&picture);
    image->SetCenter(true);
    auto* stretched = Place<TImage>(form, 398, 204, 50, 42);
    stretched->Picture()->SetBitmap(&picture);
    stretched->SetStretch(true);
    stretched->SetProportional(true);
    stretched->SetCenter(true);

    auto* link = Place<TLabel>(form, 12, 270);
    link->SetCaption("www.example.com");
    link->Font()->SetColor(clBlue);
    link->Font()->SetStyle({fsUnderline});
    link->SetCursor(crHandPoint);

    auto* ok = Place<TButton>(form, 212, 264);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    auto* cancel = Place<TButton>(form, 292, 264);
    cancel->SetCaption("Cancel");
    auto* help = Place<TButton>(form, 372, 264);
    help->SetCaption("&Help");
    help->SetEnabled(false);

    form->Show();
    pump();
    combo->SetFocus();
    edit->SelectAll();
    pump();
    // The edit shows its selection only while focused: paint it focused last.
    edit->SetFocus();
    edit->SetSelStart(0);
    edit->SetSelLength(8);
    pump();

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    std::string path = std::string(BRIO_TEST_OUTPUT_DIR) + "/stdctl-gallery.png";
    backend().writeWindowPng(form->Handle(), path);
    EXPECT_TRUE(std::filesystem::exists(path));
}

} // namespace
