#pragma once
// TControlHook: the record of one hooked window. It holds the hooks attached
// to the control, the replacement procedure bound to this record and the
// procedure that was installed before it. Only THookList makes and frees
// records; it frees one through a posted message, never while the record's
// procedure is on the stack.

#include "platform/WinUser.h"

#include <vector>

class TSeHook;
class TWinControl;

class TControlHook {
public:
    explicit TControlHook(TWinControl* control);
    ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    TWinControl* Control() const { return control_; }
    const std::vector<TSeHook*>& Hooks() const { return hooks_; }
    WNDPROC Procedure() const { return proc_; }
    WNDPROC PreviousProcedure() const { return previous_; }
    HWND Window() const { return window_; }
    bool Destroying() const { return destroying_; }
    void SetDestroying() { destroying_ = true; }
    // Detached from every hook but still called by a procedure installed
    // after it: it passes every message on until its window goes away.
    bool PassThrough() const { return passThrough_; }
    // Some window procedure may still reach this record.
    bool Reachable() const;
    // The record's procedure is running (possibly nested).
    bool Running() const { return depth_ > 0; }
    // Its last hook left: the list never hands it out again.
    bool Retired() const { return retired_; }
    // A release came while the procedure ran; it is posted again on return.
    void SetReleasePending() { releasePending_ = true; }

    void Add(TSeHook* hook);
    // Returns true when no hook is left.
    bool Remove(TSeHook* hook);
    bool Contains(const TSeHook* hook) const;

    // Makes sure the control has a window and that this record's procedure
    // is the window's current one.
    void Install();
    // Puts the previous procedure back when this record's is still the
    // current one; otherwise the record stays chained as a pass-through.
    void Uninstall();

private:
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT callPrevious(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const;
    LRESULT dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void afterDestroy();

    TWinControl* control_;
    std::vector<TSeHook*> hooks_;
    WNDPROC proc_ = nullptr;
    WNDPROC previous_ = nullptr;
    HWND window_ = nullptr;
    bool destroying_ = false;
    bool passThrough_ = false;
    bool installed_ = false;
    bool retired_ = false;
    bool releasePending_ = false;
    int depth_ = 0;
};
