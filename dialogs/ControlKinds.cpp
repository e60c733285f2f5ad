#include "dialogs/ControlKinds.h"

#include "ui/commondlg/MessageBox.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Picture.h"

namespace brio {

namespace {

TSeSkinEngine* programSkin = nullptr;

HWND messageOwner()
{
    TCustomForm* form = Application->MainForm();
    return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

} // namespace

TSeSkinEngine* ProgramSkin()
{
    return programSkin;
}

void SetProgramSkin(TSeSkinEngine* engine)
{
    programSkin = engine;
}

TSeSkinForm* SkinFrame(TCustomForm* form, TSeBorderIcons icons)
{
    auto* frame = new TSeSkinForm(form);
    frame->SetName("SeSkinForm1");
    frame->SetSkinEngine(ProgramSkin());
    frame->SetSkinObject("Form");
    frame->SetBorderIcons(icons);
    frame->SetBorderStyle(kbsStandard);
    frame->Dragging()->SetSizeable(false);
    frame->SetStayOnTop(false);
    frame->SetPerformance(ksfpNoBuffer);
    return frame;
}

void ShowPlainMessage(const std::string& text)
{
    ::MessageBox(messageOwner(), text, Application->Title(), MB_OK);
}

bool ConfirmYesNo(const std::string& text)
{
    return ::MessageBox(messageOwner(), text, Application->Title(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void SetButtonGlyph(ButtonKind* button, TPicture* glyph, const std::string& caption)
{
    TBitmap* bitmap = glyph ? glyph->Bitmap() : nullptr;
    if (bitmap && !bitmap->Empty()) {
        button->SetGlyph(bitmap);
        button->SetCaption("");
    } else {
        button->SetGlyph(nullptr);
        button->SetCaption(caption);
    }
}

void StyleGroupBox(GroupBoxKind* box)
{
    box->SetBevelOuter(bvNone);
    box->SetCaption("");
}

} // namespace brio
