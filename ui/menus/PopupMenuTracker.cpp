// Follows the plain pop-up menu and its open submenus while a nested loop
// runs. The root level holds the mouse capture; every mouse message is
// routed by its screen point to the deepest level under it, and keys go to
// the deepest level open. Hovering or Right opens a row's submenu beside
// it, Left or Escape closes one level, a choice anywhere closes them all.

#include "ui/menus/Menu.h"
#include "ui/menus/PopupMenuWindow.h"
#include "ui/menus/PopupTracking.h"

#include "platform/WinUser.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class TPopupMenuTracker {
public:
    explicit TPopupMenuTracker(TImageList* images) : images_(images) {}

    bool open(TMenuItem* items, TPoint at)
    {
        auto root = std::make_unique<TMenuPopupWindow>(items, images_);
        if (root->empty())
            return false;
        root->layoutAt(at);
        root->HandleNeeded();
        levels_.push_back(std::move(root));
        return true;
    }

    TMenuItem* run()
    {
        TrackPopupWindow(levels_.front()->Handle(), [this](MSG& msg) { return filter(msg); }, done_);
        // Every level goes before the caller clicks the choice.
        while (!levels_.empty())
            levels_.pop_back();
        return chosen_;
    }

private:
    TMenuPopupWindow& deepest() { return *levels_.back(); }
    std::size_t deepestLevel() const { return levels_.size() - 1; }

    void closeBelow(std::size_t level)
    {
        while (levels_.size() > level + 1)
            levels_.pop_back();
    }

    // Opens the submenu of the row selected at `level`; with
    // `selectFirst` (the keyboard's way) its first row is lit.
    bool openSubmenu(std::size_t level, bool selectFirst)
    {
        TMenuPopupWindow& window = *levels_[level];
        TMenuItem* item = window.selectedItem();
        if (!HasSubmenu(item) || !item->Enabled())
            return false;
        if (levels_.size() > level + 1 && levels_[level + 1]->parentItem() == item) {
            closeBelow(level + 1);
        } else {
            closeBelow(level);
            auto submenu = std::make_unique<TMenuPopupWindow>(item, images_);
            if (submenu->empty())
                return false;
            submenu->layoutBeside(window.rowScreenRect(window.selected()));
            submenu->HandleNeeded();
            ShowPopupWindow(submenu->Handle());
            levels_.push_back(std::move(submenu));
        }
        if (selectFirst && deepest().selected() < 0)
            deepest().step(1);
        return true;
    }

    void choose(TMenuItem* item)
    {
        if (!item || item->IsLine() || !item->Enabled() || HasSubmenu(item))
            return;
        chosen_ = item;
        done_ = true;
    }

    // What Enter or an accelerator does to a row of the deepest level.
    void activate(TMenuItem* item)
    {
        if (HasSubmenu(item))
            openSubmenu(deepestLevel(), true);
        else
            choose(item);
    }

    void closeOneLevel()
    {
        if (levels_.size() > 1)
            closeBelow(levels_.size() - 2);
        else
            done_ = true;
    }

    bool filter(MSG& msg)
    {
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            onKey(msg.wParam);
            return true;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (TMenuItem* item = deepest().itemWithAccelerator(msg.wParam)) {
                const auto& items = deepest().items();
                deepest().select(int(std::find(items.begin(), items.end(), item) - items.begin()));
                activate(item);
            }
            return true;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return true;
        case WM_CANCELMODE:
            done_ = true;
            return false;
        default:
            break;
        }
        if (!brio::isClientMouseMessage(msg.message))
            return false;
        onMouse(msg.message, MouseMessageScreenPoint(msg));
        return true;
    }

    void onKey(WPARAM key)
    {
        switch (key) {
        case VK_DOWN:
            deepest().step(1);
            break;
        case VK_UP:
            deepest().step(-1);
            break;
        case VK_HOME:
            deepest().select(-1);
            deepest().step(1);
            break;
        case VK_END:
            deepest().select(-1);
            deepest().step(-1);
            break;
        case VK_RIGHT:
            // A submenu that hovering opened has no row lit yet: Right
            // steps into it rather than past it.
            if (levels_.size() > 1 && deepest().selected() < 0)
                deepest().step(1);
            else
                openSubmenu(deepestLevel(), true);
            break;
        case VK_RETURN:
            activate(deepest().selectedItem());
            break;
        case VK_LEFT:
        case VK_ESCAPE:
            closeOneLevel();
            break;
        case VK_MENU:
            done_ = true;
            break;
        default:
            break;
        }
    }

    void onMouse(UINT message, POINT p)
    {
        // Levels may overlap; the deeper one is on top.
        int level = int(levels_.size()) - 1;
        while (level >= 0 && !levels_[std::size_t(level)]->containsScreenPoint(p))
            --level;
        if (level < 0) {
            if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN)
                done_ = true;
            return;
        }
        TMenuPopupWindow& window = *levels_[std::size_t(level)];
        int index = window.itemAt(window.ScreenToClient(p));
        switch (message) {
        case WM_MOUSEMOVE:
            if (index < 0)
                break;
            window.select(index);
            if (!openSubmenu(std::size_t(level), false))
                closeBelow(std::size_t(level));
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (index >= 0) {
                window.select(index);
                if (!openSubmenu(std::size_t(level), false))
                    choose(window.selectedItem());
            }
            break;
        default:
            break;
        }
    }

    TImageList* images_;
    std::vector<std::unique_ptr<TMenuPopupWindow>> levels_;
    TMenuItem* chosen_ = nullptr;
    bool done_ = false;
};

} // namespace

TMenuItem* TrackPopupItems(TMenuItem* items, TImageList* images, TPoint at)
{
    TPopupMenuTracker tracker(images);
    if (!tracker.open(items, at))
        return nullptr;
    return tracker.run();
}
