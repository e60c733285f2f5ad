// The client area keeps its size whatever happens to the frame around it,
// and the frame keeps painting on a window the host made anew.

#include "tests/skin/controls/forms/FormTestSupport.h"

#include "skin/engine/SeSkinEngine.h"

namespace {

using formtest::FormTest;

class ClientSize : public FormTest {};

TEST_F(ClientSize, StaysAcrossAttachFrameUpdatesSkinChangesShadowAndARecreatedWindow)
{
    build();
    const SIZE expected{300, 200};
    auto check = [&](const char* after) {
        SIZE now = clientSize();
        EXPECT_EQ(now.cx, expected.cx) << after;
        EXPECT_EQ(now.cy, expected.cy) << after;
        EXPECT_EQ(host->ClientWidth(), expected.cx) << after;
    };
    check("attach");
    RECT client = skin->GetClientBounds();
    EXPECT_EQ(client.top, 29) << "the skin's caption is 29 high";

    skin->UpdateFrame();
    pump();
    check("frame update");

    engine->SetDeltaHue(30);
    pump();
    check("skin change");

    skin->Shadow()->SetEnabled(true);
    pump();
    check("shadow on");
    EXPECT_EQ(skin->WindowSize().cx, skin->FrameSize().cx + 4);
    skin->Shadow()->SetEnabled(false);
    pump();
    check("shadow off");

    skin->SetSkinEngine(nullptr);
    pump();
    check("plain frame");
    skin->SetSkinEngine(engine);
    pump();

    RECT window = windowRect();
    const POINT inCaption{window.left + 5, window.top + 10};
    const Pixel skinnedCaption = screenPixel(inCaption);
    host->SetBorderStyle(bsSingle); // a new window
    pump();
    check("recreated window");
    writeScreen("client_size_after_recreate.png");
    // The skin's frame, not the platform's, on the new window.
    EXPECT_EQ(screenPixel(inCaption), skinnedCaption) << std::hex << screenPixel(inCaption);
}

} // namespace
