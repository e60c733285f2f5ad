#pragma once
// TScreen: what the application knows about the display and its forms:
// the forms in creation order, the active form and control, screen and
// work-area sizes, monitors, the global cursor and the shared fonts.

#include "ui/component/Geometry.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <memory>
#include <vector>

class TCustomForm;
class TWinControl;
class TFont;

class TMonitor : public TObject {
public:
    HMONITOR Handle = nullptr;
    int MonitorNum = 0;
    bool Primary = false;
    TRect BoundsRect{};
    TRect WorkareaRect{};
    int Left() const { return BoundsRect.left; }
    int Top() const { return BoundsRect.top; }
    int Width() const { return ::Width(BoundsRect); }
    int Height() const { return ::Height(BoundsRect); }
};

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int FormCount() const { return int(forms_.size()); }
    TCustomForm* Forms(int index) const;
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int MonitorCount() const;
    // Raises EListError for an index out of range.
    const TMonitor* Monitors(int index) const;
    const TMonitor* MonitorFromPoint(TPoint p) const;

    // Overrides every control's cursor while not crDefault.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    // The platform cursor for a cursor value (the arrow for unknown ones).
    HCURSOR Cursors(TCursor cursor) const;

    TFont* HintFont() const { return hintFont_.get(); }
    TFont* MenuFont() const { return menuFont_.get(); }
    TFont* IconFont() const { return iconFont_.get(); }

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // Bookkeeping for forms and focus.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);
    void SetActiveControl(TCustomForm* form, TWinControl* control);
    void ControlRemoving(TWinControl* control);

private:
    void refreshMonitors() const;

    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCursor cursor_ = crDefault;
    std::unique_ptr<TFont> hintFont_;
    std::unique_ptr<TFont> menuFont_;
    std::unique_ptr<TFont> iconFont_;
    mutable std::vector<std::unique_ptr<TMonitor>> monitors_;
};

// The one screen object, made when first used.
class TScreenAccess {
public:
    TScreen* operator->() const;
    operator TScreen*() const;
};
inline constexpr TScreenAccess Screen{};
