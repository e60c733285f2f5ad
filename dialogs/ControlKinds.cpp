#include "dialogs/ControlKinds.h"

#include "skin/controls/message/SeCustomMessage.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Picture.h"

namespace brio {

namespace {

TSeSkinEngine* programSkin = nullptr;
MessageAnswerer answerer;

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

void SetMessageAnswerer(MessageAnswerer value)
{
    answerer = std::move(value);
}

void ShowPlainMessage(const std::string& text)
{
    if (answerer) {
        answerer(text, false);
        return;
    }
    ::ShowNotice(text);
}

bool ConfirmYesNo(const std::string& text)
{
    if (answerer)
        return answerer(text, true);
    return ::AskDialog(text, mtConfirmation, {mbYes, mbNo}) == mrYes;
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
    box->SetCaption("");
    box->SetCaptionMargin(12);
    box->SetUseCheckBox(false);
    box->SetTransparent(true);
}

void StyleCaptionGroupBox(CaptionGroupBoxKind* box, const std::string& caption)
{
    box->SetCaption(caption);
    box->SetCaptionMargin(12);
    box->SetTransparent(true);
    box->SetSkinObject("GroupBox");
}

} // namespace brio
