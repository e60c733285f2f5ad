// Window effects on a real display, for the end-to-end test: a backdrop
// window painted with a known gradient covers the screen, and a skinned
// dialog with a shadow and a show animation appears over it, then moves.
// The demo prints how long the animation took and how many frames it
// showed, whether its last frame went away, and a point of the shadow band
// after the show and after the move; the script reads the screen there.

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/backends/sdl/SdlBackend.h"
#include "platform/gdi/MemoryDib.h"
#include "platform/theme/ColorScheme.h"
#include "skin/controls/forms/SeSkinForm.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/component/Stream.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

namespace {

brio::MemoryDib* backdropPicture = nullptr;

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

LRESULT backdropProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        BitBlt(dc, 0, 0, backdropPicture->width(), backdropPicture->height(), backdropPicture->dc(), 0, 0, SRCCOPY);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// Red follows x, green follows y, blue is fixed: the script knows every pixel.
HWND makeBackdrop()
{
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    backdropPicture = new brio::MemoryDib(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            backdropPicture->row(y)[x] = 0xFF000000u | Pixel(x & 0xFF) << 16 | Pixel(y & 0xFF) << 8 | 0x5A;
    WNDCLASS wc{};
    wc.lpfnWndProc = backdropProc;
    wc.lpszClassName = "EffectsBackdrop";
    RegisterClass(&wc);
    HWND hwnd = CreateWindowEx(0, "EffectsBackdrop", "Effects backdrop", WS_POPUP, 0, 0, w, h, nullptr, nullptr,
                               nullptr, nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    return hwnd;
}

void pumpFor(int ms)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        Application->ProcessMessages();
        SDL_Delay(10);
    }
}

std::string bandPoint(TSeSkinForm* skin, HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    const SIZE frame = skin->FrameSize();
    return std::to_string(r.left + frame.cx + skin->ShadowExtent() / 2) + " " + std::to_string(r.top + frame.cy / 2);
}

} // namespace

int main()
{
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "window_effects_demo: %s\n", e.what());
        return 2;
    }
    if (ShippedSkinStream().empty()) {
        std::fprintf(stderr, "window_effects_demo: this build has no shipped skin\n");
        return 2;
    }
    brio::SelectColorScheme("Graphite");
    Application->Initialize();
    HWND backdrop = makeBackdrop();
    pumpFor(500);

    auto* form = new TForm(Application);
    form->BeginLoading();
    form->SetName("frmEffects");
    form->SetCaption("Window effects demo");
    form->SetBounds(300, 200, 420, 260);
    auto* engine = new TSeSkinEngine(form);
    const auto bytes = ShippedSkinStream();
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    auto* skin = new TSeSkinForm(form);
    skin->SetSkinEngine(engine);
    skin->Shadow()->SetEnabled(true);
    skin->Shadow()->SetSize(8);
    skin->Animation()->SetEnabled(true);
    skin->Animation()->SetEffect(keFade);
    skin->Animation()->SetTime(400);
    form->EndLoading();

    const auto start = std::chrono::steady_clock::now();
    form->Show();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    say("animation " + std::to_string(took.count()) + " ms " +
        std::to_string(skin->Effects().animation().framesShown()) + " frames");
    say(std::string("desktop picture ") + (skin->Effects().desktop().hasImage() ? "read" : "none"));
    pumpFor(300);
    say(std::string("last frame ") + (skin->Effects().lastFrameShown() ? "still up" : "gone"));
    say("shown band " + bandPoint(skin, form->Handle()));
    pumpFor(3000);

    // Down and right: the new band lies partly where the window was.
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    SetWindowPos(form->Handle(), nullptr, r.left + 60, r.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pumpFor(300);
    say("moved band " + bandPoint(skin, form->Handle()));
    pumpFor(3000);
    say("done");
    delete form;
    DestroyWindow(backdrop);
    delete backdropPicture;
    return 0;
}
