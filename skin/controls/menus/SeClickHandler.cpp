// The deferred-click window.

#include "skin/controls/menus/SeClickHandler.h"

#include "skin/controls/menus/SeCustomItem.h"

#include "ui/forms/Application.h"

#include "platform/WindowProcedure.h"

namespace {

constexpr const char* kClickHandlerClass = "TSeClickHandler";

TSeClickHandler*& instance()
{
    static TSeClickHandler* handler = nullptr;
    return handler;
}

} // namespace

TSeClickHandler::TSeClickHandler()
{
    proc_ = MakeWindowProc([this](HWND h, UINT m, WPARAM w, LPARAM l) { return windowProc(h, m, w, l); });
    createWindow();
}

TSeClickHandler::~TSeClickHandler()
{
    if (hwnd_ && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    FreeWindowProc(proc_);
}

TSeClickHandler& TSeClickHandler::Instance()
{
    TSeClickHandler*& handler = instance();
    if (!handler)
        handler = new TSeClickHandler;
    else if (!IsWindow(handler->hwnd_))
        handler->createWindow();
    return *handler;
}

TSeClickHandler* TSeClickHandler::Existing()
{
    TSeClickHandler* handler = instance();
    return handler && IsWindow(handler->hwnd_) ? handler : nullptr;
}

void TSeClickHandler::createWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASS wc;
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = kClickHandlerClass;
        RegisterClass(&wc);
        registered = true;
    }
    // Far off every screen and without size: it only receives messages.
    hwnd_ = CreateWindowEx(0, kClickHandlerClass, "", WS_POPUP, 10000, 10000, 0, 0, nullptr, nullptr, nullptr,
                           nullptr);
    if (hwnd_)
        SetWindowLongPtr(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc_));
}

void TSeClickHandler::Post(TSeCustomItem* item)
{
    if (!item)
        return;
    if (!hwnd_ || !IsWindow(hwnd_) || !PostMessage(hwnd_, SEM_ITEMCLICK, 0, LPARAM(item->Serial())))
        item->RunClick();
}

LRESULT TSeClickHandler::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != SEM_ITEMCLICK)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    runClick(std::uint64_t(lParam));
    return 0;
}

void TSeClickHandler::runClick(std::uint64_t serial)
{
    try {
        // The popup's windows are gone; let what lay below repaint first.
        Application->ProcessMessages();
        // Looked up only now: the wait above may have freed the item.
        TSeCustomItem* item = TSeCustomItem::FromSerial(serial);
        if (!item || !item->Enabled() || item->IsSeparator() || item->Count() > 0)
            return;
        item->RunClick();
    } catch (...) {
        Application->HandleException(nullptr);
    }
}
