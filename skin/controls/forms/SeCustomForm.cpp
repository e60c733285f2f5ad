#include "skin/controls/forms/SeCustomForm.h"

#include "skin/controls/hooks/UtilityWindow.h"
#include "skin/engine/SeBitmap.h"

#include "platform/RectMath.h"
#include "platform/window/ScreenOverlay.h"
#include "ui/control/Control.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Icon.h"
#include "ui/graphics/ImageList.h"
#include "ui/menus/Menu.h"

#include <algorithm>

namespace {

UINT nextTrayIconId()
{
    static UINT next = 1;
    return next++;
}

} // namespace

TSeCustomForm::TSeCustomForm(TComponent* owner)
    : TSeHook(owner),
      animation_(std::make_unique<TSeAnimation>()),
      blending_(std::make_unique<TSeBlending>()),
      dragging_(std::make_unique<TSeDragging>()),
      gravitation_(std::make_unique<TSeGravitation>()),
      shadow_(std::make_unique<TSeShadow>()),
      systemMenuOptions_(std::make_unique<TSePopupMenuOptions>()),
      trayMenuOptions_(std::make_unique<TSePopupMenuOptions>()),
      constraints_(std::make_unique<TSizeConstraints>())
{
    blending_->OnChange = [this] { optionsChanged(); };
    shadow_->OnChange = [this] { optionsChanged(); };
    readSystemMetrics();
    form_ = dynamic_cast<TCustomForm*>(owner);
    if (form_) {
        caption_ = form_->Caption();
        // The component draws the whole frame; a sizeable host keeps the
        // platform's sizing behaviour available underneath.
        form_->SetBorderStyle(bsSizeable);
        form_->SetBorderIcons({});
        constraints_->Assign(form_->Constraints());
    }
    trayWindow_ = std::make_unique<brio::UtilityWindow>(
        [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return trayWindowProc(hwnd, msg, wParam, lParam); });
    trayIcon_.uID = nextTrayIconId();
    trayIcon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIcon_.uCallbackMessage = SEM_TRAYNOTIFY;
}

TSeCustomForm::~TSeCustomForm()
{
    DetachHook();
    unchainApplicationEvents();
    deleteTrayIcon();
    outlineOverlay_.reset();
    if (captionFont_)
        DeleteObject(captionFont_);
    if (smallCaptionFont_)
        DeleteObject(smallCaptionFont_);
}

// ---- Properties -----------------------------------------------------------------------------

void TSeCustomForm::SetBorderIcons(TSeBorderIcons value)
{
    if (value == borderIcons_)
        return;
    borderIcons_ = value;
    if (!Loading())
        UpdateFrame();
}

void TSeCustomForm::SetBorderStyle(TSeBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    if (!Loading())
        UpdateFrame();
}

void TSeCustomForm::SetCaption(const std::string& value)
{
    caption_ = value;
    if (form_)
        form_->SetCaption(value);
}

void TSeCustomForm::SetConstraints(const TSizeConstraints* value)
{
    constraints_->Assign(value);
    if (form_) {
        int width = form_->Width(), height = form_->Height();
        if (constraints_->MinWidth > 0)
            width = std::max(width, constraints_->MinWidth);
        if (constraints_->MinHeight > 0)
            height = std::max(height, constraints_->MinHeight);
        if (width != form_->Width() || height != form_->Height())
            form_->SetBounds(form_->Left(), form_->Top(), width, height);
    }
    if (!Loading())
        UpdateFrame();
}

void TSeCustomForm::SetMenuBar(TComponent* value)
{
    if (menuBar_)
        menuBar_->RemoveFreeNotification(this);
    menuBar_ = value;
    if (menuBar_)
        menuBar_->FreeNotification(this);
}

void TSeCustomForm::SetSystemMenuLink(TPopupMenu* value)
{
    if (systemMenuLink_)
        systemMenuLink_->RemoveFreeNotification(this);
    systemMenuLink_ = value;
    if (systemMenuLink_)
        systemMenuLink_->FreeNotification(this);
}

void TSeCustomForm::SetTrayMenuLink(TPopupMenu* value)
{
    if (trayMenuLink_)
        trayMenuLink_->RemoveFreeNotification(this);
    trayMenuLink_ = value;
    if (trayMenuLink_)
        trayMenuLink_->FreeNotification(this);
}

void TSeCustomForm::SetStayOnTop(bool value)
{
    stayOnTop_ = value;
    if (HWND hwnd = windowHandle())
        SetWindowPos(hwnd, value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TSeCustomForm::Notification(TComponent* component, TOperation operation)
{
    TSeHook::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == menuBar_)
        menuBar_ = nullptr;
    if (component == systemMenuLink_)
        systemMenuLink_ = nullptr;
    if (component == trayMenuLink_)
        trayMenuLink_ = nullptr;
    if (component == builtInMenu_)
        builtInMenu_ = nullptr;
    if (component == menuImages_)
        menuImages_ = nullptr;
}

HICON TSeCustomForm::FormIcon() const
{
    if (form_ && form_->Icon() && !form_->Icon()->Empty())
        return form_->Icon()->Handle();
    return nullptr;
}

void TSeCustomForm::ShowButtonHint(TSeSkinObject*, POINT screenPoint)
{
    Application->ActivateHint(TPoint{screenPoint.x, screenPoint.y});
}

// ---- Loading --------------------------------------------------------------------------------

void TSeCustomForm::Loaded()
{
    // A state from the definition waits for the first show; meanwhile the
    // frame is measured as a normal one.
    deferredState_ = windowState_;
    windowState_ = kwsNormal;
    TSeHook::Loaded();
    AfterLoad();
}

void TSeCustomForm::AfterLoad()
{
    if (!Attached())
        return;
    if (effectsNeedBuffer())
        resizeEffectImages();
    trayIcon_.hWnd = TrayWindow();
    trayIcon_.hIcon = FormIcon();
    if (!trayIcon_.hIcon && Application->Icon() && !Application->Icon()->Empty())
        trayIcon_.hIcon = Application->Icon()->Handle();
    Shell_NotifyIcon(NIM_MODIFY, &trayIcon_);
    TSeWindowState fromDefinition = deferredState_;
    deferredState_ = kwsNormal;

    if (form_) {
        TNotifyEvent resize = std::move(form_->OnResize);
        form_->OnResize = nullptr;
        try {
            UpdateFrame();
        } catch (...) {
            form_->OnResize = std::move(resize);
            throw;
        }
        form_->OnResize = std::move(resize);
    }
    if (fromDefinition != kwsNormal) {
        // Applied before the first show (or at once when already shown):
        // a window moved off screen would be pulled back by the manager.
        deferredState_ = fromDefinition;
        storeNormalBounds();
        if (IsWindowVisible(windowHandle()))
            PostMessage(windowHandle(), SEM_SETWINDOWSTATE, WPARAM(deferredState_), 0);
    }
    if (OnCreate)
        OnCreate(this);
    if (stayOnTop_)
        SetStayOnTop(true);
}

void TSeCustomForm::HookReinstalled()
{
    // The host made a new window, measured by the platform's own frame
    // meanwhile: measure it again, keeping the client size it had.
    if (!form_)
        return;
    HWND hwnd = windowHandle();
    if (!hwnd)
        return;
    RECT window{};
    GetWindowRect(hwnd, &window);
    measureWindow(Width(window), Height(window));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SIZE now{form_->ClientWidth(), form_->ClientHeight()};
    SIZE wanted = clientBeforeRecreate_;
    if (wanted.cx >= 0 && (now.cx != wanted.cx || now.cy != wanted.cy))
        SetWindowPos(hwnd, nullptr, 0, 0, Width(window) + wanted.cx - now.cx, Height(window) + wanted.cy - now.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    clientBeforeRecreate_ = SIZE{-1, -1};
    invalidateAll();
}

// ---- Frame measuring ------------------------------------------------------------------------

TWinControl* TSeCustomForm::host() const
{
    if (form_)
        return form_;
    return Control();
}

HWND TSeCustomForm::windowHandle() const
{
    TWinControl* window = host();
    if (!window || !window->HandleAllocated())
        return nullptr;
    return window->Handle();
}

bool TSeCustomForm::hostModal() const
{
    return form_ && form_->FormState().Contains(fsModal);
}

int TSeCustomForm::ShadowExtent() const
{
    return shadow_->Enabled() && windowState_ != kwsMaximized ? shadow_->Size() : 0;
}

void TSeCustomForm::measureWindow(int width, int height)
{
    windowSize_ = SIZE{width, height};
    int shadow = ShadowExtent();
    frameSize_ = SIZE{std::max(0, width - shadow), std::max(0, height - shadow)};
}

void TSeCustomForm::UpdateFrame()
{
    if (!Active() || !Attached() || !form_ || !windowHandle())
        return;
    captureSuspended_ = true;
    try {
        SIZE client{form_->ClientWidth(), form_->ClientHeight()};
        RECT window{};
        GetWindowRect(windowHandle(), &window);
        int width = Width(window), height = Height(window);
        // A new height makes the platform measure the frame again.
        SetWindowPos(windowHandle(), nullptr, 0, 0, width, height + 1,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        SetWindowPos(windowHandle(), nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        SIZE now{form_->ClientWidth(), form_->ClientHeight()};
        if (windowState_ == kwsNormal && (now.cx != client.cx || now.cy != client.cy))
            SetWindowPos(windowHandle(), nullptr, 0, 0, width + client.cx - now.cx, height + client.cy - now.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } catch (...) {
        captureSuspended_ = false;
        throw;
    }
    captureSuspended_ = false;
    invalidateAll();
}

void TSeCustomForm::invalidateAll()
{
    if (HWND hwnd = windowHandle())
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSeCustomForm::applyBounds(const RECT& bounds)
{
    if (!form_)
        return;
    if (HWND hwnd = windowHandle(); hwnd && IsIconic(hwnd))
        ShowWindow(hwnd, SW_RESTORE);
    form_->SetBounds(bounds.left, bounds.top, Width(bounds), Height(bounds));
}

void TSeCustomForm::UpdateRegion()
{
    HWND hwnd = windowHandle();
    if (!hwnd)
        return;
    if (performance_ == ksfpPersistentBuffer) {
        if (!persistentBuffer_)
            persistentBuffer_ = std::make_unique<TSeBitmap>();
        if (windowSize_.cx > 0 && windowSize_.cy > 0)
            persistentBuffer_->Allocate(windowSize_.cx, windowSize_.cy);
    }
    paintingAllowed_ = false;
    HRGN region = withShadowRegion(CreateRegion());
    SetWindowRgn(hwnd, region, TRUE);
    paintingAllowed_ = true;
    if (OnResize)
        OnResize(this);
}

SIZE TSeCustomForm::GetMinTrackSize()
{
    SIZE size{150, 40};
    if (constraints_->MinWidth > 0)
        size.cx = constraints_->MinWidth;
    if (constraints_->MinHeight > 0)
        size.cy = constraints_->MinHeight;
    return size;
}

SIZE TSeCustomForm::GetMaxTrackSize()
{
    RECT maximized = GetMaximizedBounds();
    SIZE size{Width(maximized), Height(maximized)};
    if (constraints_->MaxWidth > 0)
        size.cx = constraints_->MaxWidth;
    if (constraints_->MaxHeight > 0)
        size.cy = constraints_->MaxHeight;
    return size;
}

RECT TSeCustomForm::GetRollupBounds()
{
    RECT window{};
    GetWindowRect(windowHandle(), &window);
    RECT client = GetClientBounds();
    int height = client.top + (frameSize_.cy - client.bottom);
    return RECT{window.left, window.top, window.left + frameSize_.cx, window.top + height};
}

RECT TSeCustomForm::GetMinimizedBounds()
{
    RECT area{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    RECT client = GetClientBounds();
    int height = client.top + (frameSize_.cy - client.bottom);
    int width = GetSystemMetrics(SM_CXMINIMIZED);
    return RECT{area.left, area.bottom - height, area.left + width, area.bottom};
}

RECT TSeCustomForm::GetMaximizedBounds()
{
    RECT area{};
    if (stayOnTop_)
        area = RECT{0, 0, 10000, 10000};
    else
        SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromWindow(windowHandle(), MONITOR_DEFAULTTONEAREST), &info))
        area = Intersect(area, info.rcMonitor);
    // The plain frame's side borders fall outside the monitor.
    int inset = GetClientBounds().left;
    return RECT{area.left - inset, area.top - inset, area.right + inset, area.bottom + inset};
}

// ---- System metrics -------------------------------------------------------------------------

void TSeCustomForm::readSystemMetrics()
{
    frameMetric_ = GetSystemMetrics(SM_CXFRAME);
    captionMetric_ = GetSystemMetrics(SM_CYCAPTION);
    smallCaptionMetric_ = GetSystemMetrics(SM_CYSMCAPTION);
    NONCLIENTMETRICS metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        if (captionFont_)
            DeleteObject(captionFont_);
        if (smallCaptionFont_)
            DeleteObject(smallCaptionFont_);
        captionFont_ = CreateFontIndirect(&metrics.lfCaptionFont);
        smallCaptionFont_ = CreateFontIndirect(&metrics.lfSmCaptionFont);
    }
}

int TSeCustomForm::captionHeight() const
{
    return borderStyle_ == kbsToolWindow ? smallCaptionMetric_ : captionMetric_;
}

HFONT TSeCustomForm::captionFont() const
{
    return borderStyle_ == kbsToolWindow ? smallCaptionFont_ : captionFont_;
}

HWND TSeCustomForm::TrayWindow()
{
    return trayWindow_->handle();
}
