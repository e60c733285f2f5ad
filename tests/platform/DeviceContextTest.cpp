#include "platform/gdi/DeviceContext.h"

#include "tests/support/DibSurface.h"

#include <gtest/gtest.h>

namespace {

using MemoryDc = brio::test::DibSurface;

TEST(DeviceContext, FillRectHonoursOriginsAndClip)
{
    MemoryDc m(8, 8);
    // Smoke check of the transform and clip until FillRect lands.
    SetViewportOrgEx(m.dc, 2, 1, nullptr);
    IntersectClipRect(m.dc, 0, 0, 3, 3);
    RECT box;
    EXPECT_EQ(GetClipBox(m.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 3, 3}));
}

} // namespace
