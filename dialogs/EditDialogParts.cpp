#include "dialogs/EditDialogParts.h"

#include "app/uCommon.h"
#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/controls/edit/SeSkinEditButton.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Font.h"

namespace brio {

namespace {

void shapeEdit(TSeCustomEdit* edit, TWinControl* parent, int left, int top, int width)
{
    edit->SetParent(parent);
    edit->SetBounds(left, top, width, 23);
    edit->SetAutoSize(true);
    edit->SetBevelKind(kbkFlat);
    edit->SetBevelWidth(1);
    edit->SetBorderWidth(3);
}

} // namespace

TSeSkinForm* EditDialogFrame(TCustomForm* form)
{
    TSeSkinForm* frame = SkinFrame(form, {kbiClose});
    frame->Shadow()->SetEnabled(true);
    frame->Animation()->SetEnabled(true);
    return frame;
}

CaptionGroupBoxKind* EditDialogBody(TCustomForm* form, const char* name, int left, int top, int width, int height)
{
    form->SetName(name);
    form->SetCaption("Brio");
    form->SetBorderIcons({});
    form->SetPosition(poOwnerFormCenter);
    form->SetBounds(left, top, width, height);
    form->SetClientWidth(width);
    form->SetClientHeight(height);
    form->Font()->SetName("MS Sans Serif");
    form->Font()->SetHeight(-11);
    auto* body = new CaptionGroupBoxKind(form);
    body->SetName("SeSkinGroupBox1");
    body->SetParent(form);
    body->SetAlign(alClient);
    StyleCaptionGroupBox(body, "");
    return body;
}

ButtonKind* OkButton(TCustomForm* form, TWinControl* parent, int left, int top)
{
    auto* button = new ButtonKind(form);
    button->SetName("SeSkinButton1");
    button->SetParent(parent);
    button->SetBounds(left, top, 75, 25);
    button->SetKind(bkOK);
    button->SetNumGlyphs(2);
    button->SetTabOrder(0);
    BindSkin(button, "Button");
    return button;
}

ButtonKind* CancelButton(TCustomForm* form, TWinControl* parent, int left, int top)
{
    auto* button = new ButtonKind(form);
    button->SetName("SeSkinButton2");
    button->SetParent(parent);
    button->SetBounds(left, top, 75, 25);
    button->SetKind(bkCancel);
    button->SetCancel(false); // Escape is bound to nothing in these dialogs
    button->SetNumGlyphs(2);
    button->SetTabOrder(1);
    BindSkin(button, "Button");
    return button;
}

LabelKind* DialogLabel(TCustomForm* form, TWinControl* parent, int left, int top, int width, const std::string& text)
{
    auto* label = new LabelKind(form);
    label->SetParent(parent);
    label->SetBounds(left, top, width, 13);
    label->SetTransparent(true);
    label->SetCaption(text);
    BindSkin(label, "Label");
    return label;
}

TSeSkinEdit* DialogEdit(TCustomForm* form, TWinControl* parent, int left, int top, int width)
{
    auto* edit = new TSeSkinEdit(form);
    shapeEdit(edit, parent, left, top, width);
    BindSkin(edit, "Edit");
    return edit;
}

TSeSkinEditButton* DialogEditWithButton(TCustomForm* form, TWinControl* parent, int left, int top, int width)
{
    auto* edit = new TSeSkinEditButton(form);
    shapeEdit(edit, parent, left, top, width);
    edit->SetButtonWidth(21);
    edit->SetButtonTabStop(false);
    BindSkin(edit, "Edit");
    return edit;
}

bool AcceptableFileName(const std::string& path)
{
    if (!HasLineBreak(path))
        return true;
    ShowPlainMessage("A file whose name holds a line break cannot be used. Please rename it and choose it again.");
    return false;
}

} // namespace brio
