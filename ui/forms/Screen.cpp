// The screen object: forms, focus bookkeeping, display metrics, cursors.

#include "ui/forms/Screen.h"

#include "ui/component/Exception.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Font.h"

#include "platform/WinUser.h"

#include <algorithm>

TScreen* TScreenAccess::operator->() const
{
    return *this;
}

TScreenAccess::operator TScreen*() const
{
    // Never freed: controls may report to it while static objects go away.
    static TScreen* screen = new TScreen(nullptr);
    return screen;
}

TScreen::TScreen(TComponent* owner)
    : TComponent(owner), hintFont_(std::make_unique<TFont>()), menuFont_(std::make_unique<TFont>()),
      iconFont_(std::make_unique<TFont>())
{
    hintFont_->SetColor(clInfoText);
    menuFont_->SetColor(clMenuText);
}

TScreen::~TScreen() = default;

TCustomForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return forms_[std::size_t(index)];
}

void TScreen::AddForm(TCustomForm* form)
{
    forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form) {
        activeForm_ = nullptr;
        activeControl_ = nullptr;
    }
}

void TScreen::SetActiveForm(TCustomForm* form)
{
    if (form == activeForm_)
        return;
    activeForm_ = form;
    if (OnActiveFormChange)
        OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TCustomForm* form, TWinControl* control)
{
    activeForm_ = form;
    if (control == activeControl_)
        return;
    activeControl_ = control;
    if (OnActiveControlChange)
        OnActiveControlChange(this);
}

void TScreen::ControlRemoving(TWinControl* control)
{
    if (activeControl_ && control->ContainsControl(activeControl_))
        activeControl_ = nullptr;
}

int TScreen::Width() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const
{
    RECT r{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

void TScreen::refreshMonitors() const
{
    monitors_.clear();
    // The platform offers monitors by point; walk the virtual screen's corners.
    int count = std::max(1, GetSystemMetrics(SM_CMONITORS));
    HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    std::vector<HMONITOR> handles{primary};
    if (count > 1) {
        int x0 = GetSystemMetrics(SM_XVIRTUALSCREEN);
        int y0 = GetSystemMetrics(SM_YVIRTUALSCREEN);
        int w = GetSystemMetrics(SM_CXVIRTUALSCREEN);
        int h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        for (int y = y0; y < y0 + h; y += 64)
            for (int x = x0; x < x0 + w; x += 64)
                if (HMONITOR m = ::MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL);
                    m && std::find(handles.begin(), handles.end(), m) == handles.end())
                    handles.push_back(m);
    }
    for (HMONITOR handle : handles) {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        auto monitor = std::make_unique<TMonitor>();
        monitor->Handle = handle;
        monitor->MonitorNum = int(monitors_.size());
        if (GetMonitorInfo(handle, &info)) {
            monitor->BoundsRect = info.rcMonitor;
            monitor->WorkareaRect = info.rcWork;
            monitor->Primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        } else {
            monitor->BoundsRect = Rect(0, 0, Width(), Height());
            monitor->WorkareaRect = WorkAreaRect();
            monitor->Primary = true;
        }
        monitors_.push_back(std::move(monitor));
    }
}

int TScreen::MonitorCount() const
{
    refreshMonitors();
    return int(monitors_.size());
}

const TMonitor* TScreen::Monitors(int index) const
{
    refreshMonitors();
    if (index < 0 || index >= int(monitors_.size()))
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return monitors_[std::size_t(index)].get();
}

const TMonitor* TScreen::MonitorFromPoint(TPoint p) const
{
    refreshMonitors();
    HMONITOR handle = ::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST);
    for (const auto& m : monitors_)
        if (m->Handle == handle)
            return m.get();
    return monitors_.front().get();
}

void TScreen::SetCursor(TCursor value)
{
    if (value == cursor_)
        return;
    cursor_ = value;
    if (value != crDefault) {
        ::SetCursor(Cursors(value));
    } else {
        POINT p{};
        GetCursorPos(&p);
        SetCursorPos(p.x, p.y);
    }
}

HCURSOR TScreen::Cursors(TCursor cursor) const
{
    LPCSTR name = IDC_ARROW;
    switch (cursor) {
    case crNone:
        return nullptr;
    case crCross:
        name = IDC_CROSS;
        break;
    case crIBeam:
        name = IDC_IBEAM;
        break;
    case crSizeNESW:
        name = IDC_SIZENESW;
        break;
    case crSizeNS:
        name = IDC_SIZENS;
        break;
    case crSizeNWSE:
        name = IDC_SIZENWSE;
        break;
    case crSizeWE:
        name = IDC_SIZEWE;
        break;
    case crUpArrow:
        name = IDC_UPARROW;
        break;
    case crHourGlass:
    case crSQLWait:
        name = IDC_WAIT;
        break;
    case crHSplit:
        name = IDC_HSPLIT;
        break;
    case crVSplit:
        name = IDC_VSPLIT;
        break;
    case crNo:
    case crNoDrop:
        name = IDC_NO;
        break;
    case crAppStart:
        name = IDC_APPSTARTING;
        break;
    case crHelp:
        name = IDC_HELP;
        break;
    case crHandPoint:
        name = IDC_HAND;
        break;
    case crSizeAll:
        name = IDC_SIZEALL;
        break;
    default:
        break;
    }
    return LoadCursor(nullptr, name);
}
