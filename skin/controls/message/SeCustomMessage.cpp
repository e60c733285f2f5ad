#include "skin/controls/message/SeCustomMessage.h"

#include "skin/controls/forms/SeCustomForm.h"
#include "skin/controls/message/SeMessageForm.h"
#include "skin/controls/message/SeMessageLayout.h"
#include "ui/forms/Application.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Font.h"
#include "ui/graphics/Icon.h"
#include "ui/graphics/Picture.h"
#include "ui/stdctrls/Image.h"

#include "platform/UxTheme.h"

namespace {

struct GlobalRole {
    TSeCustomMessage* holder = nullptr;
    // The holder made on demand; only it may be freed by a change of role.
    TSeCustomMessage* onDemand = nullptr;
};

GlobalRole& globalRole()
{
    static GlobalRole role;
    return role;
}

std::array<int, brio::kMessageButtonCount> captionWidths(HFONT font)
{
    std::array<int, brio::kMessageButtonCount> widths{};
    for (int b = 0; b < brio::kMessageButtonCount; ++b)
        widths[std::size_t(b)] = brio::messageCaptionWidth(font, TMsgDlgBtn(b));
    return widths;
}


} // namespace

TSeCustomMessage::TSeCustomMessage(TComponent* owner)
    : TComponent(owner), buttonFont_(std::make_unique<TFont>()), messageFont_(std::make_unique<TFont>())
{
}

TSeCustomMessage::~TSeCustomMessage()
{
    GlobalRole& role = globalRole();
    if (role.holder == this)
        role.holder = nullptr;
    if (role.onDemand == this)
        role.onDemand = nullptr;
}

void TSeCustomMessage::SetButtonFont(const TFont* font)
{
    buttonFont_->Assign(font);
}

void TSeCustomMessage::SetMessageFont(const TFont* font)
{
    messageFont_->Assign(font);
}

void TSeCustomMessage::SetGlobal(bool value)
{
    if (value == global_)
        return;
    global_ = value;
    if (value)
        takeGlobalRole();
    else if (globalRole().holder == this)
        globalRole().holder = nullptr;
}

void TSeCustomMessage::takeGlobalRole()
{
    GlobalRole& role = globalRole();
    TSeCustomMessage* previous = role.holder;
    role.holder = this;
    if (!previous || previous == this)
        return;
    previous->global_ = false;
    if (previous == role.onDemand) {
        role.onDemand = nullptr;
        delete previous;
    }
}

TSeCustomMessage* TSeCustomMessage::GlobalMessage()
{
    return globalRole().holder;
}

TSeCustomMessage* TSeCustomMessage::GlobalMessageOrNew()
{
    GlobalRole& role = globalRole();
    if (!role.holder) {
        auto* made = new TSeCustomMessage(Application);
        made->SetGlobal(true);
        role.onDemand = made;
    }
    return role.holder;
}

TSeMessageButton* TSeCustomMessage::CreateButton(TComponent* owner)
{
    return new TSeMessageButton(owner);
}

TSeMessageEdit* TSeCustomMessage::CreateEdit(TComponent* owner)
{
    return new TSeMessageEdit(owner);
}

TSeCustomForm* TSeCustomMessage::CreateFormSkin(TComponent* owner)
{
    return new TSeCustomForm(owner);
}

TSeMessageLabel* TSeCustomMessage::CreateLabel(TComponent* owner)
{
    return new TSeMessageLabel(owner);
}

TSeMessageCheckBox* TSeCustomMessage::CreateCheckBox(TComponent* owner)
{
    return new TSeMessageCheckBox(owner);
}

TSeMessageForm* TSeCustomMessage::CreateMessageForm(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    auto form = std::make_unique<TSeMessageForm>(Application);
    form->BeginLoading();
    // Attached and loaded when the form's loading ends, with the client
    // size set below kept.
    TSeCustomForm* skin = CreateFormSkin(form.get());
    form->SetFormSkin(skin);
    skin->Blending()->Assign(options_.Blending());
    skin->Dragging()->Assign(&dragging_);
    skin->Shadow()->Assign(options_.Shadow());
    skin->Animation()->Assign(options_.Animation());
    skin->SetBorderIcons(borderIcons_);
    const bool rightToLeft = form->BiDiMode() != bdLeftToRight;

    const brio::MessageTypeInfo& typeInfo = brio::messageTypeInfo(type);
    brio::MessageLayoutRequest request;
    request.metrics = brio::messageMetrics(brio::messageDialogUnits(buttonFont_->Handle()), IsThemeActive() ? 17 : 14,
                                           buttons, captionWidths(buttonFont_->Handle()));
    request.text = brio::measureMessageText(messageFont_->Handle(), text, Screen->Width() / 2, rightToLeft);
    request.icon = typeInfo.icon && showIconImage_;
    request.rightToLeft = rightToLeft;
    request.buttons = buttons;
    const brio::MessageLayout layout = brio::layoutMessage(request);

    form->SetClientWidth(layout.client.cx);
    form->SetClientHeight(layout.client.cy);
    form->SetPosition(poScreenCenter);
    skin->SetCaption(typeInfo.caption ? typeInfo.caption : Application->Title());

    if (layout.icon) {
        auto* image = new TImage(form.get());
        image->SetName("Image");
        image->SetParent(form.get());
        TIcon icon;
        icon.SetHandle(LoadIcon(nullptr, typeInfo.icon));
        image->Picture()->SetIcon(&icon);
        const RECT& r = *layout.icon;
        image->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }

    TSeMessageLabel* label = CreateLabel(form.get());
    label->SetName("Message");
    label->SetParent(form.get());
    brio::setMessageLabelStyle(*label);
    label->SetFont(messageFont_.get());
    label->SetCaption(text);
    label->SetBounds(layout.text.left, layout.text.top, layout.text.right - layout.text.left,
                     layout.text.bottom - layout.text.top);

    const std::optional<TMsgDlgBtn> defaultButton = brio::messageDefaultButton(buttons);
    const std::optional<TMsgDlgBtn> cancelButton = brio::messageCancelButton(buttons);
    TSeMessageButton* focused = nullptr;
    for (const brio::MessageButtonPlace& place : layout.buttons) {
        TSeMessageButton* button = CreateButton(form.get());
        button->SetName(brio::messageButtonInfo(place.button).name);
        button->SetParent(form.get());
        brio::setMessageButtonKind(*button, place.button, showButtonGlyph_);
        button->SetFont(buttonFont_.get());
        button->SetHint(std::string());
        button->SetShowHint(showHints_);
        brio::setMessageButtonTransparent(*button);
        button->SetBounds(place.bounds.left, place.bounds.top, place.bounds.right - place.bounds.left,
                          place.bounds.bottom - place.bounds.top);
        // Stock kinds may make a button default on their own; only the
        // chosen one stays so.
        button->SetDefault(place.button == defaultButton);
        button->SetCancel(place.button == cancelButton);
        if (place.button == defaultButton || !focused)
            focused = button;
    }
    form->EndLoading();
    if (focused)
        form->SetActiveControl(focused);
    return form.release();
}

int TSeCustomMessage::AskDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    return AskDialogAt(text, type, buttons, helpContext, -1, -1);
}

int TSeCustomMessage::AskDialogAt(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                                  int x, int y)
{
    std::unique_ptr<TSeMessageForm> form(CreateMessageForm(text, type, buttons));
    form->SetHelpContext(helpContext);
    if (x < 0 && y < 0) {
        form->SetPosition(position_);
    } else {
        form->SetPosition(poDefault);
        if (x >= 0)
            form->SetLeft(x);
        if (y >= 0)
            form->SetTop(y);
    }
    Application->ProcessMessages();
    form->FormSkin()->UpdateFrame();
    return form->ShowModal();
}

int TSeCustomMessage::ShowNotice(const std::string& text)
{
    return AskDialog(text, mtCustom, {mbOK});
}

int AskDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    return TSeCustomMessage::GlobalMessageOrNew()->AskDialog(text, type, buttons, helpContext);
}

int ShowNotice(const std::string& text)
{
    return TSeCustomMessage::GlobalMessageOrNew()->ShowNotice(text);
}
