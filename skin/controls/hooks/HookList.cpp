#include "skin/controls/hooks/HookList.h"

#include "skin/controls/hooks/ControlHook.h"
#include "skin/controls/hooks/SeHook.h"
#include "skin/controls/hooks/UtilityWindow.h"

#include "platform/WinUser.h"

#include <algorithm>

THookList& THookList::Instance()
{
    // Never destroyed: records may still be chained into windows that the
    // platform tears down at exit.
    static THookList* list = new THookList();
    return *list;
}

THookList::THookList()
    : window_(std::make_unique<brio::UtilityWindow>(
          [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return windowProc(hwnd, msg, wParam, lParam); }))
{
}

THookList::~THookList()
{
    for (auto& hook : hooks_)
        hook->SetDestroying();
    hooks_.clear();
}

TControlHook* THookList::Find(const TWinControl* control) const
{
    for (auto& hook : hooks_)
        if (hook->Control() == control && !hook->Retired())
            return hook.get();
    return nullptr;
}

TControlHook* THookList::FindOrCreate(TWinControl* control)
{
    if (TControlHook* hook = Find(control))
        return hook;
    hooks_.push_back(std::make_unique<TControlHook>(control));
    return hooks_.back().get();
}

bool THookList::Contains(const TControlHook* hook) const
{
    return std::any_of(hooks_.begin(), hooks_.end(), [hook](auto& h) { return h.get() == hook; });
}

HWND THookList::Window() const
{
    return window_->handle();
}

void THookList::PostReinstall(TControlHook* hook)
{
    window_->post(SEM_HOOKREINSTALL, 0, reinterpret_cast<LPARAM>(hook));
}

void THookList::PostRelease(TControlHook* hook)
{
    window_->post(SEM_HOOKRELEASE, 0, reinterpret_cast<LPARAM>(hook));
}

LRESULT THookList::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case SEM_HOOKREINSTALL: reinstall(reinterpret_cast<TControlHook*>(lParam)); return 0;
    case SEM_HOOKRELEASE:   release(reinterpret_cast<TControlHook*>(lParam)); return 0;
    default:                return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void THookList::reinstall(TControlHook* hook)
{
    if (!Contains(hook) || hook->Hooks().empty() || hook->Destroying())
        return;
    hook->Install();
    for (TSeHook* component : std::vector<TSeHook*>(hook->Hooks()))
        if (hook->Contains(component))
            component->HookReinstalled();
}

void THookList::release(TControlHook* hook)
{
    if (!Contains(hook) || !hook->Hooks().empty())
        return;
    if (hook->Running()) {
        hook->SetReleasePending();
        return;
    }
    // Something installed after the record still calls it: it stays a
    // pass-through until its window is destroyed, which posts this again.
    if (hook->Reachable())
        return;
    hooks_.erase(std::find_if(hooks_.begin(), hooks_.end(), [hook](auto& h) { return h.get() == hook; }));
}
