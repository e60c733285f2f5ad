#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

namespace {

struct MemoryDc {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Pixel* bits = nullptr;
    MemoryDc(int w, int h)
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        old = SelectObject(dc, bitmap);
    }
    ~MemoryDc()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

TEST(DeviceContext, FillRectHonoursOriginsAndClip)
{
    MemoryDc m(8, 8);
    // Smoke check of the transform and clip until FillRect lands.
    SetViewportOrgEx(m.dc, 2, 1, nullptr);
    IntersectClipRect(m.dc, 0, 0, 3, 3);
    RECT box;
    EXPECT_EQ(GetClipBox(m.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 3, 3}));
}

} // namespace
