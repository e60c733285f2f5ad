#pragma once
// TSeClickHandler: the one hidden window per process through which menu
// clicks are deferred. A chosen item is posted here as SEM_ITEMCLICK and
// runs only after the messages already waiting are handled, so that the
// popup is gone and the windows below have repainted when its handler
// runs. The message carries the item's serial, not its address: an item
// freed in the meantime (a menu rebuilt while the click waited) is simply
// not clicked.

#include "platform/WinUser.h"

#include <cstdint>

class TSeCustomItem;

constexpr UINT SEM_ITEMCLICK = 0x08BA;

class TSeClickHandler {
public:
    // The handler, made on first use (and again when its window went away
    // with the window system it lived in).
    static TSeClickHandler& Instance();
    // The handler when it exists, else null.
    static TSeClickHandler* Existing();

    void Post(TSeCustomItem* item);
    HWND Handle() const { return hwnd_; }

private:
    TSeClickHandler();
    ~TSeClickHandler();
    void createWindow();
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void runClick(std::uint64_t serial);

    HWND hwnd_ = nullptr;
    WNDPROC proc_ = nullptr;
};
