#include "player/PlayerKeyRouter.h"

#include "player/PlayerControl.h"

#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <algorithm>
#include <vector>

namespace player {

namespace {

std::vector<TPlayerControl*>& Controls()
{
    static std::vector<TPlayerControl*> controls;
    return controls;
}

// Shortcuts with Ctrl or Alt stay with their owners.
bool ModifierHeld() { return (GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000); }

bool RouteKey(const MSG& msg)
{
    if ((msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) || !msg.hwnd || ModifierHeld())
        return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root || root != GetActiveWindow())
        return false;
    for (TPlayerControl* control : std::vector<TPlayerControl*>(Controls())) {
        TCustomForm* form = GetParentForm(control);
        if (form && form->HandleAllocated() && form->Handle() == root &&
            control->HandleKey(msg.message, msg.wParam, msg.lParam))
            return true;
    }
    return false;
}

// A named type, so that the filter can tell whether it is already in front.
struct PlayerKeyFilter {
    std::function<bool(MSG&)> previous;
    bool operator()(MSG& msg) const
    {
        bool taken = false;
        try {
            taken = RouteKey(msg);
        } catch (...) {
            Application->HandleException(nullptr);
            taken = true;
        }
        return taken || (previous && previous(msg));
    }
};

} // namespace

void RegisterPlayerControl(TPlayerControl* control)
{
    auto& controls = Controls();
    if (std::find(controls.begin(), controls.end(), control) == controls.end())
        controls.push_back(control);
}

void UnregisterPlayerControl(TPlayerControl* control)
{
    auto& controls = Controls();
    controls.erase(std::remove(controls.begin(), controls.end(), control), controls.end());
}

void InstallPlayerKeyFilter()
{
    if (Application->MessageFilter.target<PlayerKeyFilter>())
        return;
    Application->MessageFilter = PlayerKeyFilter{Application->MessageFilter};
}

} // namespace player
