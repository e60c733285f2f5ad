#pragma once
// THookList: the process-wide list of hooked windows (TControlHook records)
// with an invisible window of its own that re-installs hooks on recreated
// windows and frees records nobody uses any more, both through posted
// messages so that a record is never freed while its procedure runs.

#include "platform/WinTypes.h"

#include <memory>
#include <vector>

class TControlHook;
class TWinControl;

constexpr UINT SEM_HOOKREINSTALL = 0xB0DE;
constexpr UINT SEM_HOOKRELEASE = 0xB0DF;

namespace brio {
class UtilityWindow;
}

class THookList {
public:
    // The one list, made on first use.
    static THookList& Instance();
    ~THookList();

    // The live record of `control`, made when there is none. Records being
    // released are never handed out again.
    TControlHook* FindOrCreate(TWinControl* control);
    TControlHook* Find(const TWinControl* control) const;
    bool Contains(const TControlHook* hook) const;
    int Count() const { return int(hooks_.size()); }

    void PostReinstall(TControlHook* hook);
    void PostRelease(TControlHook* hook);
    HWND Window() const;

private:
    THookList();
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void reinstall(TControlHook* hook);
    void release(TControlHook* hook);

    std::vector<std::unique_ptr<TControlHook>> hooks_;
    std::unique_ptr<brio::UtilityWindow> window_;
};
