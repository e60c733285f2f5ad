#pragma once
// Basic types of the Win32-shaped platform API. Sizes follow the classic API on
// a 64-bit system; handles are opaque values checked against tables, never
// pointers into our memory.

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = WORD;
using COLORREF = DWORD; // 0x00BBGGRR

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Each handle type is a distinct pointer type so that the compiler catches a
// brush passed as a bitmap; the value is an encoded table index.
#define BRIO_DECLARE_HANDLE(name) struct name##__; using name = name##__*
BRIO_DECLARE_HANDLE(HWND);
BRIO_DECLARE_HANDLE(HDC);
BRIO_DECLARE_HANDLE(HBITMAP);
BRIO_DECLARE_HANDLE(HBRUSH);
BRIO_DECLARE_HANDLE(HPEN);
BRIO_DECLARE_HANDLE(HFONT);
BRIO_DECLARE_HANDLE(HRGN);
BRIO_DECLARE_HANDLE(HICON);
BRIO_DECLARE_HANDLE(HMENU);
BRIO_DECLARE_HANDLE(HINSTANCE);
BRIO_DECLARE_HANDLE(HMONITOR);
#undef BRIO_DECLARE_HANDLE
using HGDIOBJ = void*;
using HCURSOR = HICON;
using HMODULE = HINSTANCE;

struct POINT {
    LONG x = 0;
    LONG y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(BYTE(r)) | (COLORREF(BYTE(g)) << 8) | (COLORREF(BYTE(b)) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE(c >> 8); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE(c >> 16); }

constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr DWORD MAKELONG(WORD lo, WORD hi) { return DWORD(lo) | (DWORD(hi) << 16); }
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return LPARAM(MAKELONG(lo, hi)); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) { return WPARAM(MAKELONG(lo, hi)); }
// Signed coordinates packed into an LPARAM, as mouse messages carry them.
constexpr int GET_X_LPARAM(LPARAM lp) { return int(std::int16_t(LOWORD(std::uintptr_t(lp)))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return int(std::int16_t(HIWORD(std::uintptr_t(lp)))); }

// Pixels in memory are blue, green, red, alpha: as a 32-bit value 0xAARRGGBB.
using Pixel = std::uint32_t;

constexpr Pixel PixelFromColorRef(COLORREF c, BYTE alpha = 0xFF)
{
    return (Pixel(alpha) << 24) | (Pixel(GetRValue(c)) << 16) | (Pixel(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF ColorRefFromPixel(Pixel p)
{
    return RGB(BYTE(p >> 16), BYTE(p >> 8), BYTE(p));
}

int MulDiv(int number, int numerator, int denominator);
