#pragma once
// A memory surface for the theme tests: a 32-bit DIB filled with a canary
// colour, its pixels readable as colours, and writable as a PNG.

#include "platform/Gdi.h"
#include "platform/images/PngIo.h"
#include "platform/gdi/GdiObjects.h"

#include <filesystem>
#include <string>

namespace themetest {

constexpr COLORREF kCanary = RGB(255, 0, 255);

struct Surface {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    Pixel* bits = nullptr;
    int width, height;

    Surface(int w, int h, COLORREF fill = kCanary) : width(w), height(h)
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        old = SelectObject(dc, bitmap);
        clear(fill);
    }
    ~Surface()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    void clear(COLORREF fill)
    {
        for (int i = 0; i < width * height; ++i)
            bits[i] = PixelFromColorRef(fill);
    }
    COLORREF color(int x, int y) const { return ColorRefFromPixel(bits[y * width + x]); }
    void writePng(const std::string& name) const
    {
        std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
        WritePng(*LookupBitmap(bitmap)->pixels, std::string(BRIO_TEST_OUTPUT_DIR) + "/" + name, true);
    }
};

} // namespace themetest
