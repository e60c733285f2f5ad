#include "platform/backends/headless/HeadlessBackend.h"

#include "platform/window/ExternalChanges.h"
#include "platform/window/MessageQueue.h"
#include "platform/images/PngIo.h"
#include "platform/RectMath.h"
#include "platform/window/WindowTable.h"

#include <stdexcept>

HeadlessBackend::HeadlessBackend(SIZE screen)
    : screen_(SIZE{std::max<LONG>(screen.cx, 1), std::max<LONG>(screen.cy, 1)}),
      workArea_(RECT{0, 0, screen_.cx, screen_.cy})
{
}

PixelBufferPtr HeadlessBackend::screenPixels()
{
    if (!composed_ || dirty_)
        return composeScreen();
    return composed_;
}

PixelBufferPtr HeadlessBackend::composeScreen()
{
    if (!composed_)
        composed_ = std::make_shared<PixelBuffer>(screen_.cx, screen_.cy);
    PixelBuffer& screen = *composed_;
    screen.fill(desktopColor_);
    const std::vector<HWND>& tops = TopLevelWindows();
    // Bottom to top, so that higher windows cover lower ones.
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        const Window* w = LookupWindow(*it);
        if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE) || !w->surface || w->surface->empty())
            continue;
        const PixelBuffer& pixels = *w->surface;
        Region shape = WindowShape(*w);
        shape.intersect(pixels.bounds());
        shape.translate(w->window.left, w->window.top);
        shape.intersect(screen.bounds());
        for (const RECT& r : shape.rects()) {
            for (int y = r.top; y < r.bottom; ++y) {
                const Pixel* source = pixels.row(y - w->window.top) - w->window.left;
                Pixel* target = screen.row(y);
                // Window alpha means nothing on screen.
                for (int x = r.left; x < r.right; ++x)
                    target[x] = source[x] | 0xFF000000u;
            }
        }
    }
    dirty_ = false;
    return composed_;
}

void HeadlessBackend::writeScreenPng(const std::string& path)
{
    WritePng(*composeScreen(), path, true);
}

void HeadlessBackend::writeWindowPng(HWND hwnd, const std::string& path)
{
    Window* top = LookupWindow(TopLevelOf(hwnd));
    if (!top || !top->surface || top->surface->empty())
        throw std::runtime_error("no pixels to write for this window: " + path);
    WritePng(*top->surface, path, true);
}

void HeadlessBackend::waitEvents(int timeoutMs)
{
    TheMessageQueue().waitForPost(timeoutMs);
}

void HeadlessBackend::mouseMove(int x, int y)
{
    RouteMouseMove(POINT{x, y});
}

void HeadlessBackend::mouseDown(MouseButton button)
{
    RouteMouseButton(button, true, WindowSystem().cursor);
}

void HeadlessBackend::mouseUp(MouseButton button)
{
    RouteMouseButton(button, false, WindowSystem().cursor);
}

void HeadlessBackend::click(int x, int y, MouseButton button)
{
    mouseMove(x, y);
    mouseDown(button);
    mouseUp(button);
}

void HeadlessBackend::wheel(int delta)
{
    RouteMouseWheel(delta, false, WindowSystem().cursor);
}

void HeadlessBackend::keyDown(int virtualKey)
{
    RouteKey(virtualKey, true);
}

void HeadlessBackend::keyUp(int virtualKey)
{
    RouteKey(virtualKey, false);
}

void HeadlessBackend::pressKey(int virtualKey)
{
    keyDown(virtualKey);
    keyUp(virtualKey);
}

void HeadlessBackend::typeText(const std::string& utf8)
{
    RouteText(utf8);
}

void HeadlessBackend::managerPlaces(HWND hwnd, const RECT& window)
{
    brio::ReportExternalPlacement(hwnd, window);
}

void HeadlessBackend::managerMinimizes(HWND hwnd)
{
    brio::ReportExternalMinimize(hwnd);
}

void HeadlessBackend::managerRestores(HWND hwnd)
{
    brio::ReportExternalRestore(hwnd);
}

void HeadlessBackend::managerMaximizes(HWND hwnd)
{
    brio::ReportExternalMaximize(hwnd);
}

void HeadlessBackend::managerHides(HWND hwnd)
{
    brio::ReportExternalHide(hwnd);
}

void HeadlessBackend::managerCloses(HWND hwnd)
{
    brio::ReportCloseRequest(hwnd);
}

void HeadlessBackend::focusGoesToAnotherProgram()
{
    brio::ReportFocusLeftApplication();
}

void HeadlessBackend::desktopClicked()
{
    brio::ReportDesktopClick();
}
