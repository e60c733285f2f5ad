#pragma once
// A fixture for skinned menu tests on the headless backend: a shown form
// owning a TSeCustomPopupMenu, rows that log their clicks (and whether a
// popup was still on the screen then), and the open levels' geometry.

#include "tests/support/UiTestSupport.h"

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeCustomPopupMenu.h"
#include "skin/controls/menus/SePopupWindow.h"

#include <string>
#include <vector>

namespace menutest {

class MenuTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        menu = new TSeCustomPopupMenu(form);
        form->Show();
        pump();
    }

    // A row under `parent` that logs its caption when clicked.
    TSeCustomItem* add(TSeCustomItem* parent, const std::string& caption)
    {
        TSeCustomItem* item = parent->CreateItem(form);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) {
            log.add(caption + (visibleLevels().empty() ? "" : " while a menu shows"));
        };
        parent->Add(item);
        return item;
    }

    // The popup windows on the screen, the first level first.
    static std::vector<TSePopupWindow*> visibleLevels()
    {
        std::vector<TSePopupWindow*> levels;
        for (TSePopupWindow* window : TSePopupWindow::OpenWindows())
            if (window->HandleAllocated() && IsWindowVisible(window->Handle()))
                levels.push_back(window);
        return levels;
    }

    static RECT levelRect(std::size_t level)
    {
        RECT r{};
        auto levels = visibleLevels();
        if (level < levels.size())
            GetWindowRect(levels[level]->Handle(), &r);
        return r;
    }

    // The screen point in the middle of visible row `row` of a level.
    static POINT rowPoint(std::size_t level, int row)
    {
        auto levels = visibleLevels();
        if (level >= levels.size())
            return POINT{-1, -1};
        const RECT r = levels[level]->View()->RowScreenRect(row);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    // The caption of the selected row of a level ("" for none).
    static std::string selectedAt(std::size_t level)
    {
        auto levels = visibleLevels();
        if (level >= levels.size())
            return "(no level)";
        TSeCustomItem* item = levels[level]->View()->SelectedItem();
        return item ? item->Caption() : "";
    }

    std::function<void()> noteSelection(std::size_t level = 0)
    {
        return [this, level] { log.add("selected " + selectedAt(level)); };
    }
    std::function<void()> noteLevels()
    {
        return [this] { log.add("levels " + std::to_string(visibleLevels().size())); };
    }
    std::function<void()> press(int key)
    {
        return [this, key] { backend().pressKey(key); };
    }

    // Pops the menu up at (x, y) and handles the deferred click after it.
    void popup(int x = 200, int y = 200)
    {
        menu->Popup(x, y);
        pump();
    }

    TForm* form = nullptr;
    TSeCustomPopupMenu* menu = nullptr;
    uitest::EventLog log;
};

} // namespace menutest
