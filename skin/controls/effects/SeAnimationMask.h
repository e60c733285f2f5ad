#pragma once
// The weights of one show-animation frame: a coarse grid of bytes, not one
// per pixel. 0 shows the desktop, 255 the window, anything between blends
// the two. The grid covers one tile; the window is cut into `tileCount`
// tiles per side that all read the same grid, and each cell covers a block
// of `resolution` pixels each way. A direction reads the grid turned by a
// quarter, half or three quarters (the grid is drawn with its sides
// swapped for the quarter turns, so it fits the window once turned).

#include "platform/WinTypes.h"
#include "skin/controls/options/SeFormTypes.h"

#include <cstdint>
#include <vector>

namespace brio {

// p × 255 / 100, halves rounded to even: 50 % gives 128.
std::uint8_t MaskLevel(int percent);
// The fading level of step `step` of `steps` from the start at `percent`:
// (2p − step × 2p / steps) × 255 / 100, within 0..255; 255 everywhere at
// 100 %, and 0 for a step at or past the last.
std::uint8_t FadingLevel(int percent, double step, double steps);

class AnimationMask {
public:
    // Lays the grid over a picture of `picture` size. Resolution and tile
    // count are held to their ranges (1..10, 1..20); an empty picture gives
    // an empty grid.
    void layOut(SIZE picture, int resolution, int tileCount, TSeDirection direction);
    // Clears the grid and draws `effect` at `percent` (held to 0..100).
    // keRandomSelect draws nothing: the caller picks an effect first.
    void draw(TkeEffect effect, int percent);

    // The grid as drawn (sides swapped for the quarter turns).
    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return bytes_.empty(); }
    std::uint8_t* row(int y) { return bytes_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint8_t* row(int y) const { return bytes_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint8_t* bytes() const { return bytes_.data(); }

    // The weight of picture pixel (x, y): the byte at
    // rowOffsets()[y] + columnOffsets()[x].
    std::uint8_t weightAt(int x, int y) const { return bytes_[std::size_t(rowOffset_[y] + columnOffset_[x])]; }
    const int* rowOffsets() const { return rowOffset_.data(); }
    const int* columnOffsets() const { return columnOffset_.data(); }
    // Pixel x of a row reads byte x of its grid row: one tile, blocks of
    // one pixel, not turned sideways or round.
    bool straightColumns() const { return straight_; }

    // The order in which kePixel and kePixelLine reveal cells: one shuffle
    // seeded with the cell count, so every showing of a window of the same
    // size shows the same sequence, and every cell comes in turn.
    const std::vector<int>& pixelOrder();

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
    std::vector<int> rowOffset_;
    std::vector<int> columnOffset_;
    std::vector<int> pixelOrder_;
    bool straight_ = false;
};

} // namespace brio
