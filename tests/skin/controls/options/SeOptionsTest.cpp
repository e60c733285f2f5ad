// The option objects: clamps that stored forms may run into, one change
// report per real change, and assignment as a whole.

#include "skin/controls/options/SeDragging.h"
#include "skin/controls/options/SeGravitation.h"
#include "skin/controls/options/SeWindowOptions.h"
#include "ui/component/Exception.h"

#include <gtest/gtest.h>

TEST(SeOptions, SettersClampToTheirRanges)
{
    TSeBlending blending;
    blending.SetValue(-5);
    EXPECT_EQ(blending.Value(), 0);
    blending.SetValue(256);
    EXPECT_EQ(blending.Value(), 255);

    TSeGravitation gravitation;
    gravitation.SetSize(0);
    EXPECT_EQ(gravitation.Size(), 1);
    gravitation.SetSize(99);
    EXPECT_EQ(gravitation.Size(), 50);

    TSeAnimation animation;
    animation.SetTime(10);
    EXPECT_EQ(animation.Time(), 50);
    animation.SetTime(100000);
    EXPECT_EQ(animation.Time(), 9000);
    animation.SetResolution(11);
    EXPECT_EQ(animation.Resolution(), 10);
    animation.SetTileCount(0);
    EXPECT_EQ(animation.TileCount(), 1);
    animation.SetEffect(static_cast<TkeEffect>(200));
    EXPECT_EQ(animation.Effect(), keFade);
}

TEST(SeOptions, ShadowSizeOfZeroSwitchesTheShadowOffAndKeepsTheSize)
{
    TSeShadow shadow;
    shadow.SetEnabled(true);
    shadow.SetSize(30);
    EXPECT_EQ(shadow.Size(), 20);
    shadow.SetSize(0);
    EXPECT_FALSE(shadow.Enabled());
    EXPECT_EQ(shadow.Size(), 20);
}

TEST(SeOptions, OnlyRealChangesAreReported)
{
    TSeDragging dragging;
    int changes = 0;
    dragging.OnChange = [&] { ++changes; };
    dragging.SetMoveable(true);
    EXPECT_EQ(changes, 0);
    dragging.SetSizeable(false);
    EXPECT_EQ(changes, 1);

    TSeDragging same;
    same.SetSizeable(false);
    dragging.Assign(&same);
    EXPECT_EQ(changes, 1);
    same.SetDragMode(kfdmBorder);
    same.SetMoveable(false);
    dragging.Assign(&same);
    EXPECT_EQ(changes, 2) << "a whole assignment is one change";
    EXPECT_EQ(dragging.DragMode(), kfdmBorder);
    EXPECT_FALSE(dragging.Moveable());
}

TEST(SeOptions, WindowOptionsForwardEveryPartsChangeAndAssignAsAWhole)
{
    TSePopupMenuOptions options;
    int changes = 0;
    options.OnChange = [&] { ++changes; };
    options.Shadow()->SetEnabled(true);
    options.Animation()->SetEffect(kePixel);
    EXPECT_EQ(changes, 2);

    TSePopupMenuOptions copy;
    copy.Assign(&options);
    EXPECT_TRUE(copy.Shadow()->Enabled());
    EXPECT_EQ(copy.Animation()->Effect(), kePixel);

    TSeShadow shadow;
    EXPECT_THROW(shadow.Assign(&options), EConvertError) << "a foreign source is refused, not half copied";
}
