#include "tests/skin/controls/forms/FormTestSupport.h"

#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"

#include "platform/RectMath.h"

namespace formtest {

void FormTest::SetUp()
{
    UiTest::SetUp();
    engine = new TSeSkinEngine(Application);
    engine->Source()->Bitmaps().Add(skintest::MakePartsBitmap());
    engine->Source()->AddObject(skintest::MakeFormObject(&engine->Source()->Bitmaps()));
}

void FormTest::TearDown()
{
    UiTest::TearDown();
    engine = nullptr;
    host = nullptr;
    skin = nullptr;
}

TSeSkinForm* FormTest::build(const Options& options)
{
    if (options.mainForm) {
        Application->CreateForm(host);
        host->SetName("MainForm");
        host->SetCaption("MainForm");
        host->SetBounds(100, 100, 320, 240);
        host->SetClientWidth(300);
        host->SetClientHeight(200);
    } else {
        host = makeForm(options.name);
    }
    host->BeginLoading();
    skin = new TSeSkinForm(host);
    if (options.skinned)
        skin->SetSkinEngine(engine);
    if (options.configure)
        options.configure(skin);
    host->EndLoading();
    if (options.show) {
        host->Show();
        pump();
    }
    return skin;
}

RECT FormTest::windowRect() const
{
    RECT r{};
    GetWindowRect(host->Handle(), &r);
    return r;
}

SIZE FormTest::clientSize() const
{
    RECT r{};
    GetClientRect(host->Handle(), &r);
    return SIZE{Width(r), Height(r)};
}

POINT FormTest::screenOf(POINT windowPoint) const
{
    RECT r = windowRect();
    return POINT{r.left + windowPoint.x, r.top + windowPoint.y};
}

LRESULT FormTest::hitTest(POINT windowPoint) const
{
    POINT p = screenOf(windowPoint);
    return SendMessage(host->Handle(), WM_NCHITTEST, 0, MAKELPARAM(WORD(p.x), WORD(p.y)));
}

void FormTest::clickAt(POINT windowPoint)
{
    POINT p = screenOf(windowPoint);
    backend().mouseMove(p.x, p.y);
    pump();
    backend().mouseDown();
    pump();
    backend().mouseUp();
    pump();
}

void FormTest::dragFrom(POINT windowPoint, POINT to)
{
    POINT p = screenOf(windowPoint);
    backend().mouseMove(p.x, p.y);
    pump();
    backend().mouseDown();
    pump();
    for (int step = 1; step <= 4; ++step) {
        backend().mouseMove(p.x + (to.x - p.x) * step / 4, p.y + (to.y - p.y) * step / 4);
        pump();
    }
    backend().mouseUp();
    pump();
}

Pixel FormTest::screenPixel(POINT screenPoint)
{
    PixelBufferPtr screen = backend().composeScreen();
    return screen->at(screenPoint.x, screenPoint.y);
}

void FormTest::writeScreen(const std::string& name)
{
    backend().writeScreenPng(skintest::OutputPath(name));
}

} // namespace formtest
