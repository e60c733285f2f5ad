#include "skin/controls/effects/SeAnimationMask.h"

#include "skin/controls/effects/SeMaskEffects.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace brio {

std::uint8_t MaskLevel(int percent)
{
    const int q = std::clamp(percent, 0, 100) * 255;
    int level = q / 100;
    const int rest = q % 100;
    if (rest > 50 || (rest == 50 && (level & 1)))
        ++level;
    return std::uint8_t(level);
}

std::uint8_t FadingLevel(int percent, double step, double steps)
{
    if (percent >= 100)
        return 255;
    if (percent <= 0 || steps <= 0 || step >= steps)
        return 0;
    const double twice = 2.0 * percent;
    const double value = (twice - step * twice / steps) * 255.0 / 100.0;
    return std::uint8_t(std::clamp(std::lround(value), 0L, 255L));
}

void AnimationMask::layOut(SIZE picture, int resolution, int tileCount, TSeDirection direction)
{
    bytes_.clear();
    rowOffset_.clear();
    columnOffset_.clear();
    width_ = height_ = 0;
    straight_ = false;
    const int w = picture.cx, h = picture.cy;
    if (w <= 0 || h <= 0)
        return;
    const int r = std::clamp(resolution, 1, 10);
    const int tiles = std::clamp(tileCount, 1, 20);
    // The grid as the picture sees it, and one tile's size in pixels.
    const int cellsX = w / r / tiles + 1, cellsY = h / r / tiles + 1;
    const int tileW = w / tiles + 1, tileH = h / tiles + 1;
    const bool quarter = direction == kdRotate90 || direction == kdRotate270;
    width_ = quarter ? cellsY : cellsX;
    height_ = quarter ? cellsX : cellsY;
    bytes_.assign(std::size_t(width_) * std::size_t(height_), 0);

    // A cell's block overlaps the next by a pixel, and the later block wins,
    // so pixel i of a tile lies in cell i / r. Turning the grid keeps the
    // byte's offset a sum of a column part and a row part.
    auto columnPart = [&](int cx) {
        switch (direction) {
        case kdRotate90: return (height_ - 1 - cx) * width_;
        case kdRotate180: return cellsX - 1 - cx;
        case kdRotate270: return cx * width_;
        default: return cx;
        }
    };
    auto rowPart = [&](int cy) {
        switch (direction) {
        case kdRotate90: return cy;
        case kdRotate180: return (cellsY - 1 - cy) * width_;
        case kdRotate270: return width_ - 1 - cy;
        default: return cy * width_;
        }
    };
    columnOffset_.resize(std::size_t(w));
    for (int x = 0; x < w; ++x)
        columnOffset_[std::size_t(x)] = columnPart(x % tileW / r);
    straight_ = true;
    for (int x = 0; x < w; ++x)
        straight_ = straight_ && columnOffset_[std::size_t(x)] == x;
    rowOffset_.resize(std::size_t(h));
    for (int y = 0; y < h; ++y)
        rowOffset_[std::size_t(y)] = rowPart(y % tileH / r);
}

void AnimationMask::draw(TkeEffect effect, int percent)
{
    if (bytes_.empty())
        return;
    std::memset(bytes_.data(), 0, bytes_.size());
    DrawMaskEffect(*this, effect, std::clamp(percent, 0, 100));
}

const std::vector<int>& AnimationMask::pixelOrder()
{
    const int cells = width_ * height_;
    if (int(pixelOrder_.size()) == cells)
        return pixelOrder_;
    pixelOrder_.resize(std::size_t(cells));
    for (int i = 0; i < cells; ++i)
        pixelOrder_[std::size_t(i)] = i;
    std::mt19937 random(static_cast<std::uint32_t>(cells));
    for (int i = cells - 1; i > 0; --i) {
        const auto j = int((std::uint64_t(random()) * std::uint64_t(i + 1)) >> 32);
        std::swap(pixelOrder_[std::size_t(i)], pixelOrder_[std::size_t(j)]);
    }
    return pixelOrder_;
}

} // namespace brio
