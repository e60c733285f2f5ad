#include "dialogs/uAbout.h"

#include "app/uCommon.h"
#include "platform/desktop/Shell.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/Font.h"
#include "ui/stdctrls/Bevel.h"

namespace {

TLabel* makeLabel(TfrmAbout* form, int left, int top, int width, const std::string& text)
{
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(left, top, width, 13);
    label->SetCaption(text);
    label->SetTransparent(true);
    return label;
}

// Links in the scheme's link colour: the fixed blue of the light look
// would not read on the dark window colour.
void makeLink(TLabel* label)
{
    label->Font()->SetColor(clHotLight);
    label->Font()->SetStyle({fsUnderline});
    label->SetCursor(crHandPoint);
}

} // namespace

namespace brio {

std::string AboutWebAddress()
{
    return ShippedDocument("user-guide.md");
}

} // namespace brio

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner)
{
    BeginLoading();
    SetName("frmAbout");
    SetCaption("About");
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu});
    SetPosition(poDesktopCenter);
    SetBounds(310, 222, 454, 166);
    SetClientWidth(454);
    SetClientHeight(166);
    // The window colour of the scheme rather than a fixed white, so the
    // default-coloured text stays readable on the dark scheme.
    SetColor(clWindow);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);

    SeSkinLabel1 = new brio::LabelKind(this);
    SeSkinLabel1->SetParent(this);
    SeSkinLabel1->SetBounds(24, 8, 411, 32);
    SeSkinLabel1->SetAutoSize(false);
    SeSkinLabel1->SetTransparent(true);
    SeSkinLabel1->Font()->SetName("Arial");
    SeSkinLabel1->Font()->SetHeight(-27);
    SeSkinLabel1->Font()->SetStyle({fsBold, fsItalic});
    SeSkinLabel1->SetCaption("Brio (Clatterbox) v1.0");
    brio::BindSkin(SeSkinLabel1, "Label");

    Bevel1 = new TBevel(this);
    Bevel1->SetParent(this);
    Bevel1->SetBounds(16, 48, 425, 2);
    Bevel1->SetShape(bsBox);
    Bevel1->SetStyle(bsLowered);

    Label1 = makeLabel(this, 16, 56, 184, "Copyright (C) 2025-2026 the Clatterbox makers");
    Label2 = makeLabel(this, 16, 72, 77, "Programmed by the Clatterbox team");
    Label4 = makeLabel(this, 16, 96, 40, "Support:");
    Label5 = makeLabel(this, 64, 96, 110, brio::SupportAddress);
    makeLink(Label5);
    Label5->OnClick = [this](TObject* sender) { Label5Click(sender); };
    Label3 = makeLabel(this, 16, 112, 122, "The Clatterbox user guide");
    makeLink(Label3);
    Label3->OnClick = [this](TObject* sender) { Label3Click(sender); };

    SeSkinButton1 = new brio::ButtonKind(this);
    SeSkinButton1->SetParent(this);
    SeSkinButton1->SetBounds(376, 136, 75, 25);
    SeSkinButton1->SetKind(bkOK);
    SeSkinButton1->SetCaption("OK");
    SeSkinButton1->SetDefault(true);
    SeSkinButton1->SetModalResult(mrOk);
    SeSkinButton1->SetTabOrder(0);
    brio::BindSkin(SeSkinButton1, "Button");

    SeSkinForm1 = brio::SkinFrame(this, {kbiClose});
    EndLoading();
}

void TfrmAbout::Label3Click(TObject*)
{
    ShellExecute(HandleAllocated() ? Handle() : nullptr, "open", brio::AboutWebAddress().c_str(), nullptr, nullptr,
                 SW_SHOWNORMAL);
}

void TfrmAbout::Label5Click(TObject*)
{
    const std::string mail = std::string("mailto:") + brio::SupportAddress;
    ShellExecute(HandleAllocated() ? Handle() : nullptr, "open", mail.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
