#pragma once
// TApplication: the message loop, the main form, the error report for
// exceptions that escape event handlers, idle processing (action updates),
// the control under the pointer (CM_MOUSEENTER / CM_MOUSELEAVE) and hints.

#include "ui/component/Geometry.h"
#include "ui/graphics/Colors.h"
#include "ui/forms/HintWindow.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include "platform/WinUser.h"

#include <exception>
#include <memory>
#include <string>

class TControl;
class TCustomForm;
class TIcon;
class Exception;

struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass;
    TPoint HintPos{};      // screen position of the hint window
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect{};    // client coordinates of HintControl
    TPoint CursorPos{};    // client coordinates of HintControl
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    std::string HintStr;
    void* HintData = nullptr;
};

using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;
using TIdleEvent = std::function<void(TObject* sender, bool& done)>;
using TExceptionEvent = std::function<void(TObject* sender, const Exception& error)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // Readies the loop for a (new) run: not terminated, no main form left.
    void Initialize();
    // Makes a form owned by the application; the first becomes the main form.
    template <class T>
    T* CreateForm(T*& reference)
    {
        reference = new T(this);
        formCreated(reference);
        return reference;
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form and handles messages until the application ends.
    void Run();
    // Handles one message, or idles (and waits) when there is none.
    void HandleMessage();
    // Handles every message waiting, without waiting.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    TIcon* Icon() const { return icon_.get(); }
    void Minimize();
    void Restore();

    // The error report for the exception being handled (call it from a
    // catch block): OnException when set, otherwise a message box.
    void HandleException(TObject* sender);
    void ShowException(const Exception& error);
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);

    // ---- Hints
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    int HintPause = 500;
    int HintShortPause = 50;
    int HintHidePause = 2500;
    TColor HintColor = clInfoBk;
    THintWindowClass HintWindowClass;
    // Shows the hint of the control at a screen point now.
    void ActivateHint(TPoint cursorPos);
    void CancelHint();
    THintWindow* HintWindow() const { return hintWindow_; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);

    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnHint;
    TShowHintEvent OnShowHint;
    TIdleEvent OnIdle;
    TExceptionEvent OnException;
    // Sees every message before it is dispatched; returning true swallows
    // it. Nested loops such as pop-up menus install one for their time.
    std::function<bool(MSG& msg)> MessageFilter;

    // ---- Bookkeeping from controls and forms
    // The pointer moved over a window (client coordinates).
    void TrackMouseControl(TControl* window, TPoint clientPos);
    void MouseLeftWindow(TControl* window);
    TControl* MouseControl() const { return mouseControl_; }
    void ControlDestroyed(TControl* control);
    void FormDestroyed(TCustomForm* form);

private:
    void formCreated(TComponent* form);
    bool processMessage();
    void idle();
    void setMouseControl(TControl* control);
    // Asks the hint window (or a plain one's rule) whether `msg` ends the hint.
    bool isHintMessage(const MSG& msg) const;
    void startHintTimer(int ms);
    void stopHintTimer();
    static void hintTimerProc(HWND, UINT, UINT_PTR, DWORD);
    void hintTimerExpired();

    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::string title_;
    std::unique_ptr<TIcon> icon_;
    bool showHint_ = true;
    std::string hint_;
    TControl* mouseControl_ = nullptr;
    HWND trackedWindow_ = nullptr;
    TControl* hintControl_ = nullptr;
    THintWindow* hintWindow_ = nullptr;
    UINT_PTR hintTimer_ = 0;
    bool hintShowing_ = false;
    bool hintWaitingToHide_ = false;
};

// The one application object, made when first used.
class TApplicationAccess {
public:
    TApplication* operator->() const;
    operator TApplication*() const;
};
inline constexpr TApplicationAccess Application{};
