// The SDL backend on SDL's offscreen video driver: native windows follow
// the window system, pixels reach the native surface, and native events come
// back as messages.

#include "WindowTestSupport.h"

#include "platform/Gdi.h"
#include "platform/window/MessageQueue.h"
#include "platform/backends/sdl/SdlBackendImpl.h"
#include "platform/backends/sdl/SdlKeyMap.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace windowtest;

TEST(SdlKeyMap, KeysByLayoutSymbol)
{
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a, SDL_SCANCODE_A), 'A');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z, SDL_SCANCODE_Z), 'Z');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_0, SDL_SCANCODE_0), '0');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9, SDL_SCANCODE_9), '9');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1, SDL_SCANCODE_F1), VK_F1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12, SDL_SCANCODE_F12), VK_F12);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F13, SDL_SCANCODE_F13), VK_F12 + 1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F24, SDL_SCANCODE_F24), VK_F24);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_PAGEUP, SDL_SCANCODE_PAGEUP), VK_PRIOR);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN), VK_NEXT);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), VK_RETURN);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_0, SDL_SCANCODE_KP_0), VK_NUMPAD0);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_9, SDL_SCANCODE_KP_9), VK_NUMPAD9);
    // Left and right modifiers stay apart; the key state adds the generic one.
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT, SDL_SCANCODE_RSHIFT), VK_RSHIFT);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LCTRL, SDL_SCANCODE_LCTRL), VK_LCONTROL);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RALT, SDL_SCANCODE_RALT), VK_RMENU);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON), VK_OEM_1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE), VK_OEM_7);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE), VK_OEM_3);
}

TEST(SdlKeyMap, SymbolsWithoutAVirtualKeyFallBackToThePosition)
{
    // 'ö' where ';' sits on a US keyboard, a Cyrillic letter on the Q key.
    EXPECT_EQ(VirtualKeyFromSdl(0xF6, SDL_SCANCODE_SEMICOLON), VK_OEM_1);
    EXPECT_EQ(VirtualKeyFromSdl(0x0439, SDL_SCANCODE_Q), 'Q');
    EXPECT_EQ(VirtualKeyFromSdl(0x0439, SDL_SCANCODE_0), '0');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(VirtualKeyFromSdl(0x10FFFF, SDL_NUM_SCANCODES + 5), 0);
}

TEST(SdlWindowFlags, KindOfNativeWindowFollowsTheStyle)
{
    const Uint32 base = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    // A sizeable window lets the manager size and maximize it; a fixed one
    // says its size is fixed.
    EXPECT_EQ(SdlWindowFlagsFor(WS_OVERLAPPEDWINDOW, 0, false), base | SDL_WINDOW_RESIZABLE);
    EXPECT_EQ(SdlWindowFlagsFor(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, false), base);
    EXPECT_EQ(SdlWindowFlagsFor(WS_OVERLAPPEDWINDOW, WS_EX_TOPMOST, false),
              base | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_RESIZABLE);
    EXPECT_EQ(SdlWindowFlagsFor(WS_POPUP | WS_THICKFRAME, 0, true), base | SDL_WINDOW_POPUP_MENU);
    EXPECT_EQ(SdlWindowFlagsFor(WS_POPUP | WS_BORDER, 0, true), base | SDL_WINDOW_POPUP_MENU);
    EXPECT_EQ(SdlWindowFlagsFor(WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, true),
              base | SDL_WINDOW_TOOLTIP | SDL_WINDOW_ALWAYS_ON_TOP);
    EXPECT_EQ(SdlWindowFlagsFor(WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, true),
              base | SDL_WINDOW_UTILITY | SDL_WINDOW_SKIP_TASKBAR);
    // An unowned popup without a caption is a main window drawn by a skin.
    EXPECT_EQ(SdlWindowFlagsFor(WS_POPUP, 0, false), base);
}

namespace {

class SdlBackendTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const char* driver = std::getenv("SDL_VIDEODRIVER");
        savedDriver_ = driver ? driver : "";
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        try {
            auto backend = std::make_unique<SdlBackend>();
            sdl_ = backend.get();
            SetBackend(std::move(backend));
        } catch (const std::exception& e) {
            GTEST_SKIP() << e.what();
        }
    }

    void TearDown() override
    {
        WindowTest::TearDown();
        SetBackend(std::make_unique<HeadlessBackend>());
        if (savedDriver_.empty())
            unsetenv("SDL_VIDEODRIVER");
        else
            setenv("SDL_VIDEODRIVER", savedDriver_.c_str(), 1);
    }

    SDL_Window* native(HWND hwnd) { return sdl_->nativeWindow(hwnd); }

    void push(SDL_Event event) { SDL_PushEvent(&event); }

    SDL_Event mouseButton(HWND hwnd, Uint32 type, int x, int y)
    {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = SDL_GetWindowID(native(hwnd));
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = x;
        e.button.y = y;
        return e;
    }

    SDL_Event windowEvent(HWND hwnd, Uint8 what, int data1 = 0, int data2 = 0)
    {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = SDL_GetWindowID(native(hwnd));
        e.window.event = what;
        e.window.data1 = data1;
        e.window.data2 = data2;
        return e;
    }

    Uint32 nativePixel(HWND hwnd, int x, int y)
    {
        SDL_Surface* surface = SDL_GetWindowSurface(native(hwnd));
        if (!surface || x >= surface->w || y >= surface->h)
            return 0;
        Uint32 raw = static_cast<Uint32*>(surface->pixels)[std::ptrdiff_t(y) * surface->pitch / 4 + x];
        Uint8 r, g, b;
        SDL_GetRGB(raw, surface->format, &r, &g, &b);
        return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
    }

    SdlBackend* sdl_ = nullptr;
    std::string savedDriver_;
};

} // namespace

TEST_F(SdlBackendTest, NativeWindowFollowsPlaceSizeAndVisibility)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW, RECT{50, 60, 350, 260});
    ASSERT_NE(native(hwnd), nullptr);
    EXPECT_TRUE(SDL_GetWindowFlags(native(hwnd)) & SDL_WINDOW_HIDDEN);
    EXPECT_TRUE(SDL_GetWindowFlags(native(hwnd)) & SDL_WINDOW_BORDERLESS);

    ShowWindow(hwnd, SW_SHOW);
    Pump();
    EXPECT_TRUE(SDL_GetWindowFlags(native(hwnd)) & SDL_WINDOW_SHOWN);
    int x, y, w, h;
    SDL_GetWindowPosition(native(hwnd), &x, &y);
    SDL_GetWindowSize(native(hwnd), &w, &h);
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 60);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 200);

    MoveWindow(hwnd, 80, 90, 420, 310, TRUE);
    Pump();
    SDL_GetWindowPosition(native(hwnd), &x, &y);
    SDL_GetWindowSize(native(hwnd), &w, &h);
    EXPECT_EQ(x, 80);
    EXPECT_EQ(y, 90);
    EXPECT_EQ(w, 420);
    EXPECT_EQ(h, 310);

    SetWindowText(hwnd, "Renamed");
    EXPECT_STREQ(SDL_GetWindowTitle(native(hwnd)), "Renamed");

    ShowWindow(hwnd, SW_HIDE);
    EXPECT_FALSE(SDL_GetWindowFlags(native(hwnd)) & SDL_WINDOW_SHOWN);
    DestroyWindow(hwnd);
    EXPECT_EQ(native(hwnd), nullptr);
}

TEST_F(SdlBackendTest, PaintedPixelsReachTheNativeSurfaceAfterEachResize)
{
    HWND hwnd = createTop(WS_POPUP | WS_VISIBLE, RECT{10, 10, 110, 70});
    Pump();
    auto paintWith = [&](COLORREF colour) {
        HDC dc = GetDC(hwnd);
        RECT all{0, 0, 1000, 1000};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(hwnd, dc);
        sdl_->pumpEvents(); // presents what waits
    };
    paintWith(RGB(0x20, 0x40, 0x80));
    EXPECT_EQ(nativePixel(hwnd, 0, 0), 0x204080u);
    EXPECT_EQ(nativePixel(hwnd, 99, 59), 0x204080u);

    // The native surface is remade at the new size; all of it is shown.
    MoveWindow(hwnd, 10, 10, 160, 90, TRUE);
    Pump();
    paintWith(RGB(0xC0, 0x10, 0x10));
    EXPECT_EQ(nativePixel(hwnd, 159, 89), 0xC01010u);
    EXPECT_EQ(nativePixel(hwnd, 5, 5), 0xC01010u);
}

TEST_F(SdlBackendTest, NativeEventsBecomeMessages)
{
    HWND hwnd = createTop(WS_POPUP | WS_VISIBLE, RECT{100, 120, 300, 220});
    Pump();
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_ACTIVATEAPP,
                                 WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_WINDOWPOSCHANGING,
                                 WM_WINDOWPOSCHANGED, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT});
    SetFocus(hwnd);
    push(mouseButton(hwnd, SDL_MOUSEBUTTONDOWN, 30, 40));
    push(mouseButton(hwnd, SDL_MOUSEBUTTONUP, 30, 40));
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.windowID = SDL_GetWindowID(native(hwnd));
    key.key.keysym.sym = SDLK_SEMICOLON;
    key.key.keysym.scancode = SDL_SCANCODE_SEMICOLON;
    push(key);
    key.type = SDL_KEYUP;
    push(key);
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    text.text.windowID = key.key.windowID;
    std::snprintf(text.text.text, sizeof text.text.text, "%s", "\xC3\xA9\xF0\x9F\x8E\xB5"); // é and a note
    push(text);
    Pump();
    ExpectSequence({
                       WL(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40), Posted),
                       WL(WM_LBUTTONUP, 0, MAKELPARAM(30, 40), Posted),
                       W(WM_KEYDOWN, VK_OEM_1, Posted),
                       W(WM_KEYUP, VK_OEM_1, Posted),
                       W(WM_CHAR, 0xE9, Posted),
                       W(WM_CHAR, 0xD83C, Posted),
                       W(WM_CHAR, 0xDFB5, Posted),
                   },
                   hwnd, "click, key and text");
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 130);
    EXPECT_EQ(cursor.y, 160);
}

TEST_F(SdlBackendTest, MovesAndSizesByTheManagerReachTheWindowSystem)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 240});
    Pump();
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE});
    // An Alt+drag reports every step; the last one wins.
    push(windowEvent(hwnd, SDL_WINDOWEVENT_MOVED, 90, 60));
    push(windowEvent(hwnd, SDL_WINDOWEVENT_MOVED, 134, 70));
    push(windowEvent(hwnd, SDL_WINDOWEVENT_SIZE_CHANGED, 360, 250));
    Pump();
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{134, 70, 494, 320}));
    ExpectSequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, W(WM_SIZE, SIZE_RESTORED)}, hwnd,
                   "moved and sized by the manager");
    // A click lands where the window now is.
    push(mouseButton(hwnd, SDL_MOUSEBUTTONDOWN, 150, 120));
    push(mouseButton(hwnd, SDL_MOUSEBUTTONUP, 150, 120));
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_PAINT});
    Pump();
    POINT client{134 + 150, 70 + 120};
    ScreenToClient(hwnd, &client);
    ExpectSequence({WL(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y), Posted),
                    WL(WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y), Posted)},
                   hwnd, "click after the move");
}

TEST_F(SdlBackendTest, MinimizeRestoreAndMaximizeByTheManagerArriveAsSysCommands)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 240});
    Pump();
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE,
                                 WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_NCACTIVATE,
                                 WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS, WM_SHOWWINDOW,
                                 WM_GETICON, WM_QUERYOPEN});
    push(windowEvent(hwnd, SDL_WINDOWEVENT_MINIMIZED));
    Pump();
    EXPECT_TRUE(IsIconic(hwnd));
    push(windowEvent(hwnd, SDL_WINDOWEVENT_RESTORED));
    Pump();
    EXPECT_FALSE(IsIconic(hwnd));
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{40, 40, 340, 240}));
    push(windowEvent(hwnd, SDL_WINDOWEVENT_MAXIMIZED));
    Pump();
    EXPECT_TRUE(IsZoomed(hwnd));
    push(windowEvent(hwnd, SDL_WINDOWEVENT_RESTORED));
    Pump();
    EXPECT_FALSE(IsZoomed(hwnd));
    ExpectSequence({W(WM_SYSCOMMAND, SC_MINIMIZE, Posted), W(WM_SYSCOMMAND, SC_RESTORE, Posted),
                    W(WM_SYSCOMMAND, SC_MAXIMIZE, Posted), W(WM_SYSCOMMAND, SC_RESTORE, Posted)},
                   hwnd, "the manager's minimize, restore, maximize, restore");
}

TEST_F(SdlBackendTest, CloseRequestEndsThePopupFirstAndClosesAtOnce)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 240});
    HWND popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kRecordingClass, "",
                                WS_POPUP | WS_BORDER | WS_VISIBLE, 60, 100, 100, 80, nullptr, nullptr, nullptr,
                                nullptr);
    Pump();
    SetCapture(popup);
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_KILLFOCUS, WM_NCACTIVATE, WM_ACTIVATE,
                                 WM_ACTIVATEAPP, WM_NCDESTROY, WM_SHOWWINDOW, WM_GETICON});
    push(windowEvent(hwnd, SDL_WINDOWEVENT_CLOSE));
    Pump();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(native(hwnd), nullptr);
    ExpectSequence({On(popup, WM_CANCELMODE), On(popup, WM_CAPTURECHANGED), On(popup, Step(WM_NULL, Posted)),
                    On(hwnd, W(WM_SYSCOMMAND, SC_CLOSE, Posted)), On(hwnd, WM_CLOSE), On(hwnd, WM_DESTROY)},
                   nullptr, "close request with a pop-up open");
    DestroyWindow(popup);
}

TEST_F(SdlBackendTest, FocusToAnotherProgramEndsThePopup)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 240});
    HWND popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kRecordingClass, "",
                                WS_POPUP | WS_BORDER | WS_VISIBLE, 60, 100, 100, 80, nullptr, nullptr, nullptr,
                                nullptr);
    SetActiveWindow(hwnd);
    Pump();
    ASSERT_EQ(GetActiveWindow(), hwnd);
    SetCapture(popup);
    push(windowEvent(hwnd, SDL_WINDOWEVENT_FOCUS_LOST));
    Pump();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    DestroyWindow(popup);
}

TEST_F(SdlBackendTest, PostFromAnotherThreadEndsTheWait)
{
    DWORD uiThread = UserInterfaceThreadId();
    std::thread poster([uiThread] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        PostThreadMessage(uiThread, WM_USER, 7, 0);
    });
    auto start = std::chrono::steady_clock::now();
    sdl_->waitEvents(10000);
    auto waited = std::chrono::steady_clock::now() - start;
    poster.join();
    EXPECT_LT(waited, std::chrono::seconds(5));
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_USER));
    EXPECT_EQ(msg.wParam, WPARAM(7));
}

TEST_F(SdlBackendTest, ScreenAwayFromX11IsOurWindowsComposed)
{
    HWND hwnd = createTop(WS_POPUP | WS_VISIBLE, RECT{200, 150, 260, 190});
    Pump();
    HDC window = GetDC(hwnd);
    RECT all{0, 0, 60, 40};
    HBRUSH brush = CreateSolidBrush(RGB(0x11, 0x99, 0x55));
    FillRect(window, &all, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, window);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, 230, 170), RGB(0x11, 0x99, 0x55));
    EXPECT_EQ(GetPixel(screen, 199, 170), RGB(0, 0, 0));
    ReleaseDC(nullptr, screen);
}
