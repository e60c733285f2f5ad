#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/component/Stream.h"

#include <filesystem>

namespace controlstest {

std::unique_ptr<TSeSkinObject> MakeObject(const Shape& shape)
{
    auto object = std::make_unique<TSeSkinObject>(nullptr);
    object->SetName(shape.name);
    object->SetColor(shape.color);
    object->SetMarginLeft(shape.margins.left);
    object->SetMarginTop(shape.margins.top);
    object->SetMarginRight(shape.margins.right);
    object->SetMarginBottom(shape.margins.bottom);
    object->ArrangeIn(RECT{0, 0, shape.width, shape.height});
    for (const Shape& child : shape.children)
        object->InsertComponent(MakeObject(child).release());
    return object;
}

void ControlsTest::SetUp()
{
    UiTest::SetUp();
    form = makeForm("Gallery");
    form->Show();
    pump();
}

TSeSkinEngine* ControlsTest::shippedEngine()
{
    const auto bytes = ::ShippedSkinStream();
    if (bytes.empty())
        return nullptr;
    auto* engine = new TSeSkinEngine(form);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    return engine;
}

TSeSkinEngine* ControlsTest::engineWith(std::vector<Shape> objects)
{
    auto* engine = new TSeSkinEngine(form);
    for (const Shape& shape : objects)
        engine->Source()->AddObject(MakeObject(shape));
    return engine;
}

COLORREF ControlsTest::pixelAt(TControl* control, int x, int y)
{
    auto* window = dynamic_cast<TWinControl*>(control);
    TPoint origin{0, 0};
    if (!window) {
        window = control->Parent();
        origin = TPoint{control->Left(), control->Top()};
    }
    HWND hwnd = window->Handle();
    HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, origin.x + x, origin.y + y);
    ReleaseDC(hwnd, dc);
    return c;
}

std::vector<COLORREF> ControlsTest::windowPixels(TWinControl* window, const RECT& r)
{
    HWND hwnd = window->Handle();
    HDC dc = GetDC(hwnd);
    std::vector<COLORREF> all;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            all.push_back(GetPixel(dc, x, y));
    ReleaseDC(hwnd, dc);
    return all;
}

std::vector<COLORREF> ControlsTest::pixels(TControl* control)
{
    std::vector<COLORREF> all;
    all.reserve(std::size_t(std::max(0, control->Width() * control->Height())));
    for (int y = 0; y < control->Height(); ++y)
        for (int x = 0; x < control->Width(); ++x)
            all.push_back(pixelAt(control, x, y));
    return all;
}

void ControlsTest::savePng(const std::string& fileName)
{
    const std::string folder = std::string(BRIO_TEST_OUTPUT_DIR) + "/skin-controls";
    std::filesystem::create_directories(folder);
    backend().writeWindowPng(form->Handle(), folder + "/" + fileName);
}

} // namespace controlstest
