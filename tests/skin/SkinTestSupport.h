#pragma once
// A small skin built in code for the engine tests, and a fake form window
// that answers SEM_GETSKINFORM like the form-skinning component will.

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Canvas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSeBitmapList;
struct TSeSkinFilterClass;
class TSeSkinSource;
class TSeSkinObject;

namespace skintest {

// Link rectangles inside the test bitmap "Parts".
constexpr RECT PanelRect{0, 0, 16, 16};
constexpr RECT HotRect{16, 0, 32, 16};
constexpr RECT PressedRect{32, 0, 48, 16};
constexpr RECT GlyphRect{48, 0, 61, 13};

std::unique_ptr<TSeBitmap> MakePartsBitmap();

// A skin bitmap as drawing target, with a canvas on its DC.
struct Target {
    TSeBitmap bitmap;
    TCanvas canvas;
    Target(int w, int h, Pixel background = 0xFF101010)
    {
        bitmap.Allocate(w, h);
        bitmap.Fill(background);
        canvas.SetHandle(bitmap.DC());
    }
    ~Target() { canvas.SetHandle(nullptr); }
};
// "Form" with the geometry the frame code relies on: 375 x 247, Caption
// saTop 29 high (CaptionLeft, CaptionRight, Title, ButtonContainer with
// four caption buttons), Left, Right, Bottom and Client.
std::unique_ptr<TSeSkinObject> MakeFormObject(TSeBitmapList* bitmaps);
// "Button" with a Face (nine parts, per-state links) and a Text child.
std::unique_ptr<TSeSkinObject> MakeButtonObject(TSeBitmapList* bitmaps);

struct FakeSkinForm : TSeSkinFormLink {
    TSeBorderIcons icons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray};
    std::vector<std::string> calls;
    TSeBorderIcons BorderIcons() const override { return icons; }
    void Close() override { calls.push_back("Close"); }
    void ShowHelp() override { calls.push_back("ShowHelp"); }
    void Minimize() override { calls.push_back("Minimize"); }
    void Maximize() override { calls.push_back("Maximize"); }
    void Restore() override { calls.push_back("Restore"); }
    void Rollup() override { calls.push_back("Rollup"); }
    void MinimizeToTray() override { calls.push_back("MinimizeToTray"); }
    void ShowSystemMenu() override { calls.push_back("ShowSystemMenu"); }
    void CustomAction(TSeSkinObject*) override { calls.push_back("CustomAction"); }
    void ShowButtonHint(TSeSkinObject*, POINT) override { calls.push_back("Hint"); }
    HICON FormIcon() const override { return nullptr; }
};

// A window that answers SEM_GETSKINFORM with `form` (null: nobody answers)
// and counts SEM_SKINOBJECTCHANGED. Installs a headless backend.
HWND CreateFormWindow(FakeSkinForm* form);
int ObjectChangedCount(HWND hwnd);
void DestroyFormWindow(HWND hwnd);

std::string OutputPath(const std::string& fileName);

// A whole skin file written and read by one filter, through memory.
std::string WriteSkinWith(const TSeSkinFilterClass& filterClass, TSeSkinSource& source);
void ReadSkinWith(const TSeSkinFilterClass& filterClass, TSeSkinSource& source, const std::string& bytes,
                  std::int64_t maxPixelBytes = std::int64_t(512) << 20);

} // namespace skintest
