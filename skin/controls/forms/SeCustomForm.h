#pragma once
// TSeCustomForm: a component that takes over the frame of the form that
// owns it. It measures, paints and hit-tests the frame itself (a plain,
// themed frame here; TSeSkinForm draws it from a skin), moves and sizes the
// window, and adds window states the platform lacks: rolled up to the
// caption and hidden in the notification area.
//
// The frame logic is split by concern: SeCustomForm.cpp (creation,
// properties, loading, frame measuring), SeCustomFormMessages.cpp (the
// window messages), SeCustomFormStates.cpp (the window states and closing),
// SeCustomFormMouse.cpp (frame mouse, dragging, snapping),
// SeCustomFormPaint.cpp (frame and client painting), SePlainFrame.cpp (the
// frame without a skin) and SeCustomFormEffects.cpp (where the window
// effects hook in).

#include "skin/controls/effects/SeWindowEffects.h"
#include "skin/controls/forms/SeFrameZone.h"
#include "skin/controls/hooks/SeHook.h"
#include "skin/controls/options/SeAnimation.h"
#include "skin/controls/options/SeBlending.h"
#include "skin/controls/options/SeDragging.h"
#include "skin/controls/options/SeFormTypes.h"
#include "skin/controls/options/SeGravitation.h"
#include "skin/controls/options/SeShadow.h"
#include "skin/controls/options/SeWindowOptions.h"
#include "skin/engine/SeSkinTypes.h"

#include "platform/WinUser.h"
#include "platform/desktop/NotifyIcon.h"
#include "ui/component/Types.h"

#include <memory>
#include <string>

class TCanvas;
class TCustomForm;
class TImageList;
class TMenuItem;
class TPopupMenu;
class TSeBitmap;
class TSizeConstraints;
class TWinControl;

namespace brio {
class ScreenOverlay;
class UtilityWindow;
} // namespace brio

constexpr UINT SEM_TRAYNOTIFY = 0x056C;
constexpr UINT SEM_REFRESHFRAME = 0x056D;
constexpr UINT SEM_MAXIMIZE = 0x056E;
constexpr UINT SEM_SETWINDOWSTATE = 0x056F;
constexpr UINT SEM_PAINTFORM = 0xB1C8;
// SEM_REFRESHFRAME's wParam that first puts the caption bits back.
constexpr WPARAM kRestoreCaptionBits = 13;

// The index of each caption button in GetButtonRect.
enum : int {
    kButtonClose, kButtonSystemMenu, kButtonMinimize, kButtonMaximize, kButtonHelp, kButtonRollup, kButtonTray,
};

class TSeCustomForm : public TSeHook, public TSeSkinFormLink {
public:
    explicit TSeCustomForm(TComponent* owner);
    ~TSeCustomForm() override;

    // ---- Published properties -----------------------------------------------------------
    TSeAnimation* Animation() const { return animation_.get(); }
    TSeBlending* Blending() const { return blending_.get(); }
    TSeBorderIcons BorderIcons() const override { return borderIcons_; }
    void SetBorderIcons(TSeBorderIcons value);
    TSeBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TSeBorderStyle value);
    const std::string& Caption() const { return caption_; }
    // Sets the host form's text, which comes back here.
    void SetCaption(const std::string& value);
    TSeDragging* Dragging() const { return dragging_.get(); }
    TSeGravitation* Gravitation() const { return gravitation_.get(); }
    TSizeConstraints* Constraints() const { return constraints_.get(); }
    void SetConstraints(const TSizeConstraints* value);
    // Kept as a reference only: the menu bar is not part of this library.
    TComponent* MenuBar() const { return menuBar_; }
    void SetMenuBar(TComponent* value);
    TSePopupMenuOptions* SystemMenuOptions() const { return systemMenuOptions_.get(); }
    TSePopupMenuOptions* TrayMenuOptions() const { return trayMenuOptions_.get(); }
    TPopupMenu* SystemMenuLink() const { return systemMenuLink_; }
    void SetSystemMenuLink(TPopupMenu* value);
    TPopupMenu* TrayMenuLink() const { return trayMenuLink_; }
    void SetTrayMenuLink(TPopupMenu* value);
    bool MinimizeApplication() const { return minimizeApplication_; }
    void SetMinimizeApplication(bool value) { minimizeApplication_ = value; }
    TSeFormPerformance Performance() const { return performance_; }
    void SetPerformance(TSeFormPerformance value) { performance_ = value; }
    TSeShadow* Shadow() const { return shadow_.get(); }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool value);
    bool StretchBackground() const { return stretchBackground_; }
    void SetStretchBackground(bool value) { stretchBackground_ = value; }
    TSeWindowState WindowState() const { return windowState_; }
    // While loading the state is only remembered; a value equal to the
    // current state changes nothing.
    void SetWindowState(TSeWindowState value);

    TNotifyEvent OnCreate;
    TNotifyEvent OnPaint;
    TNotifyEvent OnResize;
    TSeFormActionEvent OnClose;
    TSeFormActionEvent OnMinimize;
    TSeFormActionEvent OnMaximize;
    TSeFormActionEvent OnRollup;
    TSeFormActionEvent OnMinToTray;

    // ---- Operations -----------------------------------------------------------------------
    void Close() override;
    void Maximize() override;
    void Minimize() override;
    void Rollup() override;
    void MinimizeToTray() override;
    void Restore() override;
    void ShowHelp() override;
    void ShowSystemMenu() override;
    void CustomAction(TSeSkinObject*) override {}
    void ShowButtonHint(TSeSkinObject* button, POINT screenPoint) override;
    HICON FormIcon() const override;
    // Measures the frame again keeping the client size, then repaints.
    void UpdateFrame();
    void PaintNonClient();

    // ---- Frame geometry and painting (window coordinates) --------------------------------
    virtual void UpdateRegion();
    // A new region for the frame (the caller owns it), or null for none.
    virtual HRGN CreateRegion();
    virtual RECT GetButtonRect(int index);
    virtual RECT GetClientBounds();
    virtual RECT GetRollupBounds();
    virtual RECT GetMinimizedBounds();
    virtual RECT GetMaximizedBounds();
    virtual SIZE GetMaxTrackSize();
    virtual SIZE GetMinTrackSize();
    // Paints the whole frame into `canvas`, whose origin is the window's corner.
    virtual void PaintFrame(TCanvas& canvas);
    // Paints the client background; the canvas origin is the client's corner.
    virtual void PaintClient(TCanvas& canvas);
    virtual TSeFrameZone HitTestZone(POINT p);
    virtual void FrameMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void FrameMouseMove(TShiftState shift, int x, int y);
    virtual void FrameMouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // ---- What the frame knows ---------------------------------------------------------------
    TCustomForm* Form() const { return form_; }
    TSeWindowState PreviousState() const { return previousState_; }
    TSeWindowState DeferredState() const { return deferredState_; }
    // Screen bounds the form returns to from the other states.
    RECT NormalBounds() const { return normalBounds_; }
    // Outer size without the shadow band, and with it.
    SIZE FrameSize() const { return frameSize_; }
    SIZE WindowSize() const { return windowSize_; }
    bool FrameActive() const { return active_; }
    TSeFrameZone HoverZone() const { return hoverZone_; }
    TSeFrameZone PressedZone() const { return pressedZone_; }
    bool DragInProgress() const { return dragInProgress_; }
    // The built-in system menu as last built (BuildSystemMenu).
    TPopupMenu* BuiltInMenu() const { return builtInMenu_; }
    // Fills the built-in menu for the current icons and state.
    TPopupMenu* BuildSystemMenu();
    const NOTIFYICONDATA& TrayIconData() const { return trayIcon_; }
    bool TrayIconShown() const { return trayIconShown_; }
    HWND TrayWindow();
    // The shadow band's width when it is drawn (on and not maximized), else 0.
    int ShadowExtent() const;
    bool Loading() const { return ComponentState().Contains(csLoading); }
    // The desktop picture, the frame's shape and the show animation.
    const brio::WindowEffects& Effects() const { return effects_; }
    // The canvas OnPaint draws on (origin at the client's corner); null
    // outside OnPaint.
    TCanvas* Canvas() const { return paintCanvas_; }

protected:
    void HandleMessage(TMessage& m) override;
    void AfterMessage(TMessage& m, bool& handled) override;
    void HookReinstalled() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The application was minimized or restored (forms with MinimizeApplication).
    void applicationMinimized();
    void applicationRestored();
    // Runs after the hook attached at the end of loading.
    virtual void AfterLoad();
    // Plays the show animation; called as the window is about to show
    // with the animation on.
    virtual void RunShowAnimation();

    HWND windowHandle() const;
    // The window whose frame this is: the host form, or the windowed
    // control hooked when the owner is no form (a hint window).
    TWinControl* host() const;
    bool hostModal() const;
    // Repaints the frame and asks the client to repaint.
    void invalidateAll();
    void applyBounds(const RECT& bounds);
    // The frame rectangle (window coordinates, without the shadow).
    RECT frameRect() const { return RECT{0, 0, frameSize_.cx, frameSize_.cy}; }
    void measureWindow(int width, int height);
    // Metrics of the plain frame, read again when the theme changes.
    int frameWidth() const { return frameMetric_; }
    int captionHeight() const;
    HFONT captionFont() const;
    void readSystemMetrics();
    void paintClientBackground(HDC dc, const RECT* only);
    // OnPaint when assigned, else PaintClient.
    void paintClientInto(TCanvas& canvas);

    bool paintingAllowed_ = true;
    // PaintFrame draws straight onto the window (no buffer in between).
    bool paintingToWindow_ = false;
    bool active_ = false;
    TSeFrameZone hoverZone_ = fzNone;
    TSeFrameZone pressedZone_ = fzNone;

private:
    // ---- Messages (SeCustomFormMessages.cpp)
    void onNcCalcSize(TMessage& m);
    void onNcActivate(TMessage& m);
    void onNcHitTest(TMessage& m);
    void onNcButton(TMessage& m);
    void onMouseMove(TMessage& m);
    void onLButtonUp(TMessage& m);
    void onActivate(TMessage& m);
    void onEraseBackground(TMessage& m);
    void onPaint(TMessage& m);
    void onWindowPosChanging(TMessage& m);
    void onSysCommand(TMessage& m);
    void onSetText(TMessage& m);
    void onRefreshFrame(TMessage& m);
    void onSetWindowState(TMessage& m);
    void onPaintForm(TMessage& m);
    void applyDeferredStateAtShow(WINDOWPOS& wp);
    LRESULT trayWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // ---- States (SeCustomFormStates.cpp)
    bool ask(const TSeFormActionEvent& event);
    void beginStateChange();
    void storeNormalBounds();
    void applyNormalBounds();
    void restoreFromTray();
    // The window part of Minimize: the application's, or the form's own bounds.
    void minimizeWindow();
    bool addTrayIcon();
    void deleteTrayIcon();
    void chainApplicationEvents();
    void unchainApplicationEvents();
    void runMenuCommand(const std::string& caption);

    // ---- Frame mouse (SeCustomFormMouse.cpp)
    void dragTo(POINT pointer);
    RECT snapToEdges(RECT bounds) const;
    void drawDragOutline(const RECT* bounds);
    void dispatchPendingPaints();

    // ---- Painting (SeCustomFormPaint.cpp)
    TSeBitmap* frameBuffer(std::unique_ptr<TSeBitmap>& temporary);
    void copyFrameStrips(HDC target, HDC source, const RECT& client);

    // ---- Window effects (SeCustomFormEffects.cpp)
    bool effectsNeedBuffer() const;
    void resizeEffectImages();
    void captureDesktopFor(const RECT& windowRect);
    void showWindowEffects(const WINDOWPOS& wp);
    void paintShadowInto(TSeBitmap& bitmap);
    void blendFrameInto(TSeBitmap& bitmap, const RECT& client);
    void blendClientInto(TSeBitmap& bitmap, const RECT& area);
    HRGN withShadowRegion(HRGN region);
    TSeBitmap* animationImage() const;
    void optionsChanged();
    void composeShowPicture(TSeBitmap& image);

    TCustomForm* form_ = nullptr;
    std::unique_ptr<TSeAnimation> animation_;
    std::unique_ptr<TSeBlending> blending_;
    std::unique_ptr<TSeDragging> dragging_;
    std::unique_ptr<TSeGravitation> gravitation_;
    std::unique_ptr<TSeShadow> shadow_;
    std::unique_ptr<TSePopupMenuOptions> systemMenuOptions_;
    std::unique_ptr<TSePopupMenuOptions> trayMenuOptions_;
    std::unique_ptr<TSizeConstraints> constraints_;
    TSeBorderIcons borderIcons_{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray};
    TSeBorderStyle borderStyle_ = kbsStandard;
    std::string caption_;
    TComponent* menuBar_ = nullptr;
    TPopupMenu* systemMenuLink_ = nullptr;
    TPopupMenu* trayMenuLink_ = nullptr;
    bool minimizeApplication_ = true;
    TSeFormPerformance performance_ = ksfpNoBuffer;
    bool stayOnTop_ = false;
    bool stretchBackground_ = false;

    TSeWindowState windowState_ = kwsNormal;
    TSeWindowState previousState_ = kwsNormal;
    TSeWindowState deferredState_ = kwsNormal;
    RECT normalBounds_{};
    SIZE frameSize_{};
    SIZE windowSize_{};
    POINT pressPoint_{};
    POINT lastPoint_{};
    POINT menuPoint_{};
    bool menuPointSet_ = false;
    bool dragInProgress_ = false;
    bool buttonDown_ = false;
    bool leftDown_ = false;
    RECT dragStart_{};
    RECT dragOutline_{};
    bool dragOutlineShown_ = false;
    std::unique_ptr<brio::ScreenOverlay> outlineOverlay_;

    int frameMetric_ = 4;
    int captionMetric_ = 18;
    int smallCaptionMetric_ = 15;
    HFONT captionFont_ = nullptr;
    HFONT smallCaptionFont_ = nullptr;

    std::unique_ptr<TSeBitmap> persistentBuffer_;
    TPopupMenu* builtInMenu_ = nullptr;
    TImageList* menuImages_ = nullptr;
    std::unique_ptr<brio::UtilityWindow> trayWindow_;
    NOTIFYICONDATA trayIcon_;
    bool trayIconShown_ = false;
    bool applicationChained_ = false;
    bool settingText_ = false;
    bool captionBitsCleared_ = false;
    TCanvas* paintCanvas_ = nullptr;
    // The client size when the host's window was destroyed, for the next one.
    SIZE clientBeforeRecreate_{-1, -1};

    // Window effects' state.
    bool captureSuspended_ = false;
    brio::WindowEffects effects_;
};
