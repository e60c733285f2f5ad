#pragma once
// TSeCustomMessage: a non-visual component that shows a modal message box
// laid out from its text and buttons and returns the modal result of the
// button pressed. One component may hold the process-wide role (Global);
// messages asked without a component go to it, and one is made on demand
// when nobody holds the role.
//
// The role changes hands only when some component's Global becomes True.
// The holder that loses it is freed only when it is the on-demand one
// (which nobody else references); a component a form owns just loses the
// role. Setting Global False on the holder clears the role.

#include "skin/controls/message/SeMessageParts.h"
#include "skin/controls/options/SeDragging.h"
#include "skin/controls/options/SeWindowOptions.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/component/Component.h"

#include <memory>
#include <string>

class TFont;
class TSeCustomForm;
class TSeMessageForm;

class TSeCustomMessage : public TComponent {
public:
    explicit TSeCustomMessage(TComponent* owner);
    ~TSeCustomMessage() override;

    TSeAnimation* Animation() { return options_.Animation(); }
    TSeBlending* Blending() { return options_.Blending(); }
    TSeShadow* Shadow() { return options_.Shadow(); }
    TSeDragging* Dragging() { return &dragging_; }
    TSeBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TSeBorderIcons value) { borderIcons_ = value; }
    TFont* ButtonFont() const { return buttonFont_.get(); }
    void SetButtonFont(const TFont* font);
    TFont* MessageFont() const { return messageFont_.get(); }
    void SetMessageFont(const TFont* font);
    bool Global() const { return global_; }
    void SetGlobal(bool value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    bool ShowButtonGlyph() const { return showButtonGlyph_; }
    void SetShowButtonGlyph(bool value) { showButtonGlyph_ = value; }
    bool ShowIconImage() const { return showIconImage_; }
    void SetShowIconImage(bool value) { showIconImage_ = value; }
    bool ShowHints() const { return showHints_; }
    void SetShowHints(bool value) { showHints_ = value; }

    // Shows the box modally at Position; returns the modal result of the
    // button pressed, or 2 when the box is closed otherwise.
    int AskDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
    // As AskDialog; with x and y both negative at Position, otherwise at the
    // given left and/or top (each only when not negative).
    int AskDialogAt(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext, int x, int y);
    // A plain notice: the application title, no icon, one OK.
    int ShowNotice(const std::string& text);

    // The laid-out form, owned by the application and not shown yet.
    TSeMessageForm* CreateMessageForm(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

    // The component holding the process-wide role, or null.
    static TSeCustomMessage* GlobalMessage();
    // The holder, after making one (owned by the application) if needed.
    static TSeCustomMessage* GlobalMessageOrNew();

protected:
    // The parts of the form, each made for `owner`; the skinned component
    // makes skinned ones.
    virtual TSeMessageButton* CreateButton(TComponent* owner);
    virtual TSeMessageEdit* CreateEdit(TComponent* owner);
    virtual TSeCustomForm* CreateFormSkin(TComponent* owner);
    virtual TSeMessageLabel* CreateLabel(TComponent* owner);
    virtual TSeMessageCheckBox* CreateCheckBox(TComponent* owner);

private:
    void takeGlobalRole();

    TSeWindowOptions options_;
    TSeDragging dragging_;
    TSeBorderIcons borderIcons_{kbiClose, kbiSystemMenu};
    std::unique_ptr<TFont> buttonFont_;
    std::unique_ptr<TFont> messageFont_;
    bool global_ = false;
    TPosition position_ = poScreenCenter;
    bool showButtonGlyph_ = true;
    bool showIconImage_ = true;
    bool showHints_ = false;
};

// Through the process-wide message component, made on demand.
int AskDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
int ShowNotice(const std::string& text);
