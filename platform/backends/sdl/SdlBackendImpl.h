#pragma once
// The SDL backend's state, shared by its source files. Internal.

#include "platform/window/Backend.h"
#include "platform/desktop/StatusNotifierTray.h"
#include "platform/gdi/Region.h"

#include <cstdint>
#include <optional>
#include <unordered_map>

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

class SdlBackend : public Backend {
public:
    SdlBackend();
    ~SdlBackend() override;

    SIZE screenSize() const override;
    RECT workArea() const override;
    void setWorkArea(const RECT& area) override { workAreaOverride_ = area; }
    PixelBufferPtr screenPixels() override;

    void windowCreated(HWND hwnd) override;
    void windowDestroyed(HWND hwnd) override;
    void windowChanged(HWND hwnd, unsigned what) override;
    void surfaceChanged(HWND hwnd, const RECT& area) override;

    void pumpEvents() override;
    void presentNow() override { presentPending(); }
    void waitEvents(int timeoutMs) override;
    void wake() override;

    void setCursor(HCURSOR cursor) override;
    void setCursorPos(POINT p) override;
    void captureChanged(HWND hwnd) override;
    std::string clipboardText() const override;
    void setClipboardText(const std::string& utf8) override;

    // SdlTray.cpp: a StatusNotifierItem tray, made on first use.
    brio::TrayHost* trayHost() override;

    // The native window of a top-level window, null when it has none.
    SDL_Window* nativeWindow(HWND hwnd) const;

private:
    struct Native {
        SDL_Window* window = nullptr;
        std::uint32_t id = 0;
        bool shown = false;
        bool minimized = false;
        bool maximized = false;  // by the manager
        bool offDesktop = false; // unmapped by the manager, not minimized
        bool topmost = false;
        bool resizable = false;
        bool shaped = false;
        std::optional<Region> pending; // window coordinates, waiting to be presented
        // Where the manager put the window, gathered over one pump.
        std::optional<POINT> placedAt;
        std::optional<SIZE> sizedTo;
    };

    // SdlWindowSync.cpp
    void syncBounds(HWND hwnd, Native& native);
    void syncVisibility(HWND hwnd, Native& native);
    void syncState(HWND hwnd, Native& native);
    void syncShape(HWND hwnd, Native& native);
    void syncZOrder(HWND hwnd);
    void markWhole(HWND hwnd, Native& native);
    void refocusWithoutManager(HWND leaving);
    void presentPending();
    void present(HWND hwnd, Native& native);

    // SdlEvents.cpp
    void handleEvent(const SDL_Event& event);
    void handleWindowEvent(const SDL_Event& event);
    void handleFocusLoss();
    void followManagerPlacement();
    POINT screenPoint(std::uint32_t windowId, int x, int y);
    HWND windowOf(std::uint32_t windowId) const;

    std::unordered_map<HWND, Native> natives_;
    std::unordered_map<std::uint32_t, HWND> byId_;
    std::optional<RECT> workAreaOverride_;
    std::unordered_map<int, SDL_Cursor*> cursors_;
    PixelBufferPtr composed_;
    std::uint32_t wakeEvent_ = 0;
    std::optional<POINT> nativePointer_; // from the native event just before SDL's own
    bool focusLost_ = false;
    bool pumping_ = false;
    std::unique_ptr<brio::StatusNotifierTray> tray_;
    // The menu window that holds the keyboard while its loop runs, and
    // whether the server granted it (a window not yet mapped is refused
    // and asked again once shown).
    void grabKeyboardFor(HWND hwnd);
    void releaseKeyboard();
    HWND keyboardGrab_ = nullptr;
    bool keyboardGrabbed_ = false;
};
