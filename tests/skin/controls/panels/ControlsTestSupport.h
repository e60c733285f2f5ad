#pragma once
// What the bar and panel tests share: a shown form on the headless backend,
// an engine holding the shipped skin or a small skin built in code, and the
// pixels a control paints.

#include "tests/support/UiTestSupport.h"

#include "skin/engine/SeSkinObject.h"

#include <memory>
#include <string>
#include <vector>

class TSeSkinEngine;

namespace controlstest {

// A skin object of one colour, `w` x `h`, with the children given.
struct Shape {
    Shape(std::string n, int w, int h, TColor c = clNone, RECT m = {}, std::vector<Shape> kids = {})
        : name(std::move(n)), width(w), height(h), color(c), margins(m), children(std::move(kids))
    {
    }
    std::string name;
    int width;
    int height;
    TColor color;
    RECT margins;
    std::vector<Shape> children;
};
std::unique_ptr<TSeSkinObject> MakeObject(const Shape& shape);

class ControlsTest : public uitest::UiTest {
protected:
    void SetUp() override;

    // An engine owned by the form, holding the shipped skin; the test is
    // skipped when the build has none.
    TSeSkinEngine* shippedEngine();
    // An engine holding the objects given.
    TSeSkinEngine* engineWith(std::vector<Shape> objects);

    template <class T>
    T* add(TWinControl* parent, int x, int y, int w, int h)
    {
        auto* control = new T(form);
        control->SetBounds(x, y, w, h);
        control->SetParent(parent);
        return control;
    }

    // The control's pixels as the screen shows them now (after a pump).
    std::vector<COLORREF> pixels(TControl* control);
    COLORREF pixelAt(TControl* control, int x, int y);
    // The window's own pixels in `r` (client coordinates), row by row.
    std::vector<COLORREF> windowPixels(TWinControl* window, const RECT& r);
    void savePng(const std::string& fileName);

    TForm* form = nullptr;
};

} // namespace controlstest
