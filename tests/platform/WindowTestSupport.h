#pragma once
// Message-sequence testing: a recording window procedure, one expected list
// per scenario compared in order, and the whole trace printed on failure.

#include "platform/window/Clock.h"
#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/window/WindowTable.h"
#include "platform/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace windowtest {

enum StepFlags : unsigned {
    Sent = 0,
    Posted = 1,   // came through DispatchMessage
    Optional = 2, // may be missing
    CheckW = 4,
    CheckL = 8,
};

struct Step {
    UINT msg = 0;
    unsigned flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    HWND hwnd = nullptr; // null: any window
    Step(UINT m, unsigned f = 0) : msg(m), flags(f) {}
    Step(UINT m, unsigned f, WPARAM w, LPARAM l = 0, HWND h = nullptr) : msg(m), flags(f), wParam(w), lParam(l), hwnd(h) {}
};

inline Step W(UINT m, WPARAM w, unsigned flags = 0) { return Step(m, flags | CheckW, w); }
inline Step WL(UINT m, WPARAM w, LPARAM l, unsigned flags = 0) { return Step(m, flags | CheckW | CheckL, w, l); }
inline Step On(HWND hwnd, Step s)
{
    s.hwnd = hwnd;
    return s;
}

struct Recorded {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool posted;
};

std::string MessageName(UINT msg);

class Recorder {
public:
    static Recorder& instance();
    void clear() { trace_.clear(); }
    void ignore(std::vector<UINT> messages) { ignored_ = std::move(messages); }
    void record(HWND hwnd, UINT msg, WPARAM w, LPARAM l, bool posted);
    const std::vector<Recorded>& trace() const { return trace_; }
    std::string describe(HWND only = nullptr) const;
    // Names windows in printed traces.
    void name(HWND hwnd, std::string n) { names_.push_back({hwnd, std::move(n)}); }
    void forgetNames() { names_.clear(); }
    std::string nameOf(HWND hwnd) const;

    // Set by Pump around DispatchMessage, to tell posted from sent.
    const MSG* dispatching = nullptr;
    int depth = 0;
    // Lets a test answer a message instead of DefWindowProc.
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> answer;

private:
    std::vector<Recorded> trace_;
    std::vector<UINT> ignored_;
    std::vector<std::pair<HWND, std::string>> names_;
};

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Classes registered once: "Recording" with CS_DBLCLKS, "RecordingPlain" without.
extern const char* const kRecordingClass;
extern const char* const kPlainClass;

// Dispatches everything waiting (posted, input, paint, due timers).
int Pump(int limit = 1000);

// An icon of one colour (0xAARRGGBB, straight alpha) with the top-left
// pixel set apart as `corner`; the caller destroys it.
HICON MakeTestIcon(int width, int height, Pixel fill, Pixel corner);

// Compares the recorded trace (optionally only one window's) with the
// expected steps; adds a failure with both lists when they differ.
void ExpectSequence(const std::vector<Step>& expected, HWND only = nullptr, const char* scenario = "");

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND createTop(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT r = RECT{100, 100, 400, 300},
                   const char* cls = nullptr, DWORD exStyle = 0);
    HWND createChild(HWND parent, RECT r, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0, const char* cls = nullptr);
    HeadlessBackend& backend() { return *backend_; }

    HeadlessBackend* backend_ = nullptr;
};

} // namespace windowtest
