#pragma once
// A host form with a skinned-form component on the headless backend, built
// inside a loading bracket as forms are, with a skin engine holding the
// small "Form" skin of SkinTestSupport.

#include "skin/controls/forms/SeSkinForm.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/UiTestSupport.h"

#include <functional>
#include <string>

class TSeSkinEngine;

namespace formtest {

struct Options {
    bool skinned = true;
    bool mainForm = false;
    bool show = true;
    std::function<void(TSeSkinForm*)> configure;
    std::string name = "Form1";
};

class FormTest : public uitest::UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The host at (100, 100) with a 300 x 200 client, its component, shown.
    TSeSkinForm* build(const Options& options = {});
    HWND hwnd() const { return host->Handle(); }
    RECT windowRect() const;
    SIZE clientSize() const;
    // Screen point of a window-coordinate point of the host.
    POINT screenOf(POINT windowPoint) const;
    LRESULT hitTest(POINT windowPoint) const;
    // A press and release of the left button at window points, pumped.
    void clickAt(POINT windowPoint);
    void dragFrom(POINT windowPoint, POINT to);
    Pixel screenPixel(POINT screenPoint);
    void writeScreen(const std::string& name);

    TSeSkinEngine* engine = nullptr;
    TForm* host = nullptr;
    TSeSkinForm* skin = nullptr;
};

} // namespace formtest
