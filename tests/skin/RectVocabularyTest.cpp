// The framework's geometry, the skin's drawing helpers and the platform's
// rectangle vocabulary once each defined RectWidth; a skinned control that
// includes all three must compile and see one meaning.
#include "platform/RectMath.h"
#include "skin/engine/SeDrawing.h"
#include "ui/component/Geometry.h"

#include <gtest/gtest.h>

TEST(RectVocabulary, OneMeaningWhereverTheHeadersMeet)
{
    constexpr RECT r = Rect(10, 20, 40, 70);
    EXPECT_EQ(Width(r), 30);
    EXPECT_EQ(Height(r), 50);
}
