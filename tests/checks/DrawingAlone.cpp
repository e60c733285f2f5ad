// Linked with the whole drawing library and nothing of the window system:
// the link itself is the check that drawing never calls into windows. It
// then draws a little, so that a drawing library that links but cannot run
// alone fails as well.

#include "platform/Gdi.h"

#include <cstdio>

int main()
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 40, 20);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all{0, 0, 40, 20};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    DrawText(dc, "Ag", -1, &all, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    int inked = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            inked += GetPixel(dc, x, y) != RGB(255, 255, 255);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    if (inked == 0) {
        std::fprintf(stderr, "drawing_alone: the text left no ink\n");
        return 1;
    }
    return 0;
}
