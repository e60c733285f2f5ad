// The message box form.

#include "ui/commondlg/MessageBox.h"

#include "ui/stdctrls/ButtonControl.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Font.h"

#include "platform/gdi/MeasuringDc.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

TMessageBoxHook& messageBoxHook()
{
    static TMessageBoxHook hook;
    return hook;
}

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 420;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

class TMessageIcon : public TGraphicControl {
public:
    TMessageIcon(TComponent* owner, HICON icon) : TGraphicControl(owner), icon_(icon) { SetBounds(0, 0, kIconSize, kIconSize); }

protected:
    void Paint() override { DrawIcon(Canvas()->Handle(), 0, 0, icon_); }

private:
    HICON icon_;
};

class TMessageText : public TGraphicControl {
public:
    explicit TMessageText(TComponent* owner) : TGraphicControl(owner) {}

    SIZE measure(int maxWidth)
    {
        const RECT r = brio::MeasuringDc(Font()->Handle()).textRect(Caption(), RECT{0, 0, maxWidth, 0}, kTextFormat);
        return SIZE{::Width(r), ::Height(r)};
    }

protected:
    void Paint() override
    {
        HDC dc = Canvas()->Handle();
        RECT r = ClientRect();
        SelectObject(dc, Font()->Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        DrawText(dc, Caption().c_str(), -1, &r, kTextFormat);
    }
};

struct ButtonSpec {
    const char* caption;
    TModalResult result;
};

std::vector<ButtonSpec> buttonsFor(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{"OK", mrOk}, {"Cancel", mrCancel}};
    case MB_ABORTRETRYIGNORE:
        return {{"&Abort", mrAbort}, {"&Retry", mrRetry}, {"&Ignore", mrIgnore}};
    case MB_YESNOCANCEL:
        return {{"&Yes", mrYes}, {"&No", mrNo}, {"Cancel", mrCancel}};
    case MB_YESNO:
        return {{"&Yes", mrYes}, {"&No", mrNo}};
    case MB_RETRYCANCEL:
        return {{"&Retry", mrRetry}, {"Cancel", mrCancel}};
    default:
        return {{"OK", mrOk}};
    }
}

LPCSTR iconFor(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return IDI_HAND;
    case MB_ICONQUESTION:
        return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
        return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
        return IDI_ASTERISK;
    default:
        return nullptr;
    }
}

std::unique_ptr<TForm> buildMessageForm(const std::string& text, const std::string& caption, UINT type)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->BeginLoading();
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetCaption(caption);
    std::vector<ButtonSpec> specs = buttonsFor(type);
    bool hasCancel = std::any_of(specs.begin(), specs.end(), [](const ButtonSpec& s) { return s.result == mrCancel; });
    if (!hasCancel && specs.size() > 1)
        form->SetBorderIcons({});

    int textLeft = kMargin;
    int iconHeight = 0;
    if (LPCSTR iconName = iconFor(type)) {
        auto* icon = new TMessageIcon(form.get(), LoadIcon(nullptr, iconName));
        icon->SetParent(form.get());
        icon->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
        textLeft = kMargin * 2 + kIconSize;
        iconHeight = kIconSize;
    }
    auto* label = new TMessageText(form.get());
    label->SetCaption(text);
    label->SetParent(form.get());
    SIZE textSize = label->measure(kMaxTextWidth);
    int textTop = kMargin + std::max(0, (iconHeight - int(textSize.cy)) / 2);
    label->SetBounds(textLeft, textTop, textSize.cx, textSize.cy);

    int buttonsWidth = int(specs.size()) * kButtonWidth + int(specs.size() - 1) * kButtonGap;
    int clientWidth = std::max(textLeft + int(textSize.cx) + kMargin, buttonsWidth + 2 * kMargin);
    int buttonsTop = kMargin + std::max(iconHeight, int(textSize.cy)) + kMargin + 4;
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(buttonsTop + kButtonHeight + kMargin);

    std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    if (defaultIndex >= specs.size())
        defaultIndex = 0;
    int x = (clientWidth - buttonsWidth) / 2;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        auto* button = new TButtonControl(form.get());
        button->SetName("Button" + std::to_string(i + 1));
        button->SetCaption(specs[i].caption);
        button->SetModalResult(specs[i].result);
        button->SetBounds(x, buttonsTop, kButtonWidth, kButtonHeight);
        button->SetParent(form.get());
        button->SetCancel(specs[i].result == mrCancel || (specs.size() == 1));
        if (i == defaultIndex) {
            button->SetDefault(true);
            form->SetActiveControl(button);
        }
        x += kButtonWidth + kButtonGap;
    }
    form->EndLoading();
    return form;
}

} // namespace

void SetMessageBoxHook(TMessageBoxHook hook)
{
    messageBoxHook() = std::move(hook);
}

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    if (const TMessageBoxHook& hook = messageBoxHook())
        return hook(owner, text, caption, type);
    std::unique_ptr<TForm> form = buildMessageForm(text, caption, type);
    MessageBeep(type & MB_ICONMASK);
    TModalResult result = form->ShowModal();
    return result == mrNone ? IDCANCEL : int(result);
}
