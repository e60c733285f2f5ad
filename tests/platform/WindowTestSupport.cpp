#include "WindowTestSupport.h"

#include <algorithm>
#include <map>

namespace windowtest {

const char* const kRecordingClass = "Recording";
const char* const kPlainClass = "RecordingPlain";

std::string MessageName(UINT msg)
{
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
        {WM_QUIT, "WM_QUIT"}, {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_CANCELMODE, "WM_CANCELMODE"}, {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"}, {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_HELP, "WM_HELP"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"}, {WM_STYLECHANGED, "WM_STYLECHANGED"}, {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"}, {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"}, {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
        {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"}, {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
        {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"}, {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"},
        {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"}, {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"}, {WM_COMMAND, "WM_COMMAND"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_TIMER, "WM_TIMER"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"}, {WM_SIZING, "WM_SIZING"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOVING, "WM_MOVING"}, {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"}, {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"}, {WM_MOUSEHOVER, "WM_MOUSEHOVER"},
        {WM_USER, "WM_USER"}, {WM_QUERYOPEN, "WM_QUERYOPEN"},
    };
    auto it = names.find(msg);
    if (it != names.end())
        return it->second;
    std::ostringstream out;
    out << "0x" << std::hex << msg;
    return out.str();
}

Recorder& Recorder::instance()
{
    static Recorder r;
    return r;
}

void Recorder::record(HWND hwnd, UINT msg, WPARAM w, LPARAM l, bool posted)
{
    if (std::find(ignored_.begin(), ignored_.end(), msg) != ignored_.end())
        return;
    trace_.push_back(Recorded{hwnd, msg, w, l, posted});
}

std::string Recorder::nameOf(HWND hwnd) const
{
    for (const auto& [h, n] : names_)
        if (h == hwnd)
            return n;
    std::ostringstream out;
    out << hwnd;
    return out.str();
}

std::string Recorder::describe(HWND only) const
{
    std::ostringstream out;
    for (const Recorded& r : trace_) {
        if (only && r.hwnd != only)
            continue;
        out << "  " << nameOf(r.hwnd) << " " << MessageName(r.msg) << (r.posted ? " (posted)" : "") << " w=0x"
            << std::hex << r.wParam << " l=0x" << r.lParam << std::dec << "\n";
    }
    return out.str();
}

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Recorder& r = Recorder::instance();
    bool posted = r.depth == 0 && r.dispatching && r.dispatching->hwnd == hwnd && r.dispatching->message == msg;
    r.record(hwnd, msg, wParam, lParam, posted);
    ++r.depth;
    LRESULT result;
    std::optional<LRESULT> answer = r.answer ? r.answer(hwnd, msg, wParam, lParam) : std::nullopt;
    result = answer ? *answer : DefWindowProc(hwnd, msg, wParam, lParam);
    --r.depth;
    return result;
}

HICON MakeTestIcon(int width, int height, Pixel fill, Pixel corner)
{
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    void* bits = nullptr;
    HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<Pixel*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = fill;
    pixels[0] = corner;
    ICONINFO icon;
    icon.hbmColor = color;
    HICON result = CreateIconIndirect(&icon);
    DeleteObject(color);
    return result;
}

int Pump(int limit)
{
    Recorder& r = Recorder::instance();
    MSG msg;
    int count = 0;
    while (count < limit && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++count;
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam)); // leave it for the test to see
            break;
        }
        TranslateMessage(&msg);
        r.dispatching = &msg;
        DispatchMessage(&msg);
        r.dispatching = nullptr;
    }
    return count;
}

static bool matches(const Recorded& got, const Step& want)
{
    if (got.msg != want.msg || got.posted != ((want.flags & Posted) != 0))
        return false;
    if (want.hwnd && got.hwnd != want.hwnd)
        return false;
    if ((want.flags & CheckW) && got.wParam != want.wParam)
        return false;
    if ((want.flags & CheckL) && got.lParam != want.lParam)
        return false;
    return true;
}

void ExpectSequence(const std::vector<Step>& expected, HWND only, const char* scenario)
{
    Recorder& r = Recorder::instance();
    std::vector<Recorded> got;
    for (const Recorded& rec : r.trace())
        if (!only || rec.hwnd == only)
            got.push_back(rec);
    std::size_t i = 0, j = 0;
    std::string problem;
    while (j < expected.size()) {
        if (i < got.size() && matches(got[i], expected[j])) {
            ++i;
            ++j;
        } else if (expected[j].flags & Optional) {
            ++j;
        } else {
            std::ostringstream out;
            out << "expected " << MessageName(expected[j].msg) << " at step " << j << ", got "
                << (i < got.size() ? MessageName(got[i].msg) : std::string("nothing"));
            problem = out.str();
            break;
        }
    }
    if (problem.empty() && i < got.size())
        problem = "unexpected " + MessageName(got[i].msg) + " after the last expected step";
    if (!problem.empty()) {
        std::ostringstream want;
        for (const Step& s : expected)
            want << "  " << MessageName(s.msg) << ((s.flags & Posted) ? " (posted)" : "")
                 << ((s.flags & Optional) ? " (optional)" : "") << "\n";
        ADD_FAILURE() << scenario << ": " << problem << "\nexpected:\n" << want.str() << "recorded:\n"
                      << r.describe(only);
    }
    r.clear();
}

void WindowTest::SetUp()
{
    UseManualClock(1000000);
    auto fresh = std::make_unique<HeadlessBackend>();
    backend_ = fresh.get();
    SetBackend(std::move(fresh));
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecordingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kRecordingClass;
    RegisterClass(&wc);
    wc.style = 0;
    wc.lpszClassName = kPlainClass;
    RegisterClass(&wc);
    Recorder& r = Recorder::instance();
    r.clear();
    r.ignore({});
    r.answer = nullptr;
    r.forgetNames();
    backend().mouseMove(1279, 799);
}

void WindowTest::TearDown()
{
    Recorder& r = Recorder::instance();
    r.answer = nullptr;
    r.ignore({});
    for (HWND top : std::vector<HWND>(TopLevelWindows()))
        DestroyWindow(top);
    for (HWND any : AllWindows())
        if (any != GetDesktopWindow())
            DestroyWindow(any);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    ReleaseCapture();
    r.clear();
    UseRealClock();
}

HWND WindowTest::createTop(DWORD style, RECT rect, const char* cls, DWORD exStyle)
{
    return CreateWindowEx(exStyle, cls ? cls : kRecordingClass, "Top", style, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
}

HWND WindowTest::createChild(HWND parent, RECT rect, DWORD style, int id, const char* cls)
{
    return CreateWindowEx(0, cls ? cls : kRecordingClass, "Child", style, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, parent,
                          reinterpret_cast<HMENU>(std::intptr_t(id)), nullptr, nullptr);
}

} // namespace windowtest
