// Block copies between pixel layouts, checked on random blocks against a
// pixel-by-pixel reference; everything outside the block must survive.

#include "platform/gdi/raster/PixelBuffer.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr Pixel kCanary = 0xA5C3E1F0u;

// Rows in a larger block of memory, so that a stride wider than the row
// and a canary margin all round can be checked.
struct Layout {
    int width, height, stride, margin;
    bool bottomUp;
    std::vector<Pixel> memory;

    Layout(int w, int h, int extra, bool up) : width(w), height(h), stride(w + extra), margin(3), bottomUp(up)
    {
        memory.assign(std::size_t(stride) * std::size_t(h + 2 * margin), kCanary);
    }
    Pixel* row(int y) { return memory.data() + std::size_t(margin + (bottomUp ? height - 1 - y : y)) * stride; }
    std::ptrdiff_t signedStride() const { return bottomUp ? -stride : stride; }
    PixelBuffer view() { return PixelBuffer(width, height, row(0), signedStride()); }
};

TEST(PixelBlockCopy, MatchesThePixelByPixelCopyInEveryLayout)
{
    std::mt19937 rng(11);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    for (int round = 0; round < 400; ++round) {
        // Up to 8,400 pixels: both the row copies of small blocks and pixman's of large ones.
        Layout src(pick(1, 140), pick(1, 60), pick(0, 9), pick(0, 1));
        Layout dst(pick(1, 140), pick(1, 60), pick(0, 9), pick(0, 1));
        for (int y = 0; y < src.height; ++y)
            for (int x = 0; x < src.width; ++x)
                src.row(y)[x] = rng();
        std::vector<Pixel> expected = dst.memory;
        int width = pick(1, std::min(src.width, dst.width));
        int height = pick(1, std::min(src.height, dst.height));
        int sx = pick(0, src.width - width), sy = pick(0, src.height - height);
        int dx = pick(0, dst.width - width), dy = pick(0, dst.height - height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                expected[std::size_t(dst.row(dy + y) + dx + x - dst.memory.data())] = src.row(sy + y)[sx + x];
        brio::copyPixelRect(dst.row(dy) + dx, dst.signedStride(), src.row(sy) + sx, src.signedStride(), width,
                            height);
        ASSERT_EQ(dst.memory, expected) << "round " << round << ": " << width << "x" << height << " from (" << sx
                                        << "," << sy << ") of a " << (src.bottomUp ? "bottom-up" : "top-down")
                                        << " source to (" << dx << "," << dy << ") of a "
                                        << (dst.bottomUp ? "bottom-up" : "top-down") << " target";
    }
}

TEST(PixelBlockCopy, CopyFromClipsToBothBuffers)
{
    Layout src(6, 5, 2, false);
    Layout dst(8, 4, 0, true);
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x)
            src.row(y)[x] = Pixel(0xFF000000u | (y << 8) | x);
    PixelBuffer source = src.view();
    PixelBuffer target = dst.view();
    // The block hangs over the source's left edge and the target's bottom edge.
    target.copyFrom(source, RECT{-2, 1, 4, 5}, POINT{3, 1});
    for (int y = 0; y < dst.height; ++y)
        for (int x = 0; x < dst.width; ++x) {
            bool inside = x >= 5 && x < 9 && y >= 1 && y < 4;
            Pixel want = inside ? Pixel(0xFF000000u | (y << 8) | (x - 5)) : kCanary;
            EXPECT_EQ(target.row(y)[x], want) << "at " << x << "," << y;
        }
    std::vector<Pixel> before = dst.memory;
    target.copyFrom(source, RECT{0, 0, 6, 5}, POINT{8, 0}); // wholly right of the target
    target.copyFrom(source, RECT{6, 0, 9, 5}, POINT{0, 0}); // wholly right of the source
    target.copyFrom(source, RECT{3, 3, 1, 1}, POINT{0, 0}); // upside-down block
    EXPECT_EQ(dst.memory, before);
}

} // namespace
