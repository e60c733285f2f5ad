#pragma once
// The arithmetic of a scroll bar's thumb: its length for a page, where it
// starts for a position, and the position a thumb start stands for. Every
// product is taken in 64 bits: a long track times a page near the integer
// limit would overflow otherwise.

namespace brio {

struct ScrollRangeInfo {
    int min = 0;
    int max = 100;
    int page = 0; // 0: no page
};

// Positions the thumb can stand for beyond Min: Max - Min - Page + 1 with a
// page, else Max - Min.
int ScrollRange(const ScrollRangeInfo& r);
// The highest position a thumb drag can reach.
int ScrollLastPosition(const ScrollRangeInfo& r);

// Each arrow button's length on a bar of `length` with a border of `border`:
// `thumbHeight`, or half of what is left inside the border when two of
// those do not fit.
int ScrollButtonLength(int length, int border, int thumbHeight);

// The thumb's length on a track of `track` pixels: the page's share of the
// range (at least two thirds of `thumbHeight`), `thumbHeight` without a
// page, and 0 (no thumb) when it would fill the track.
int ScrollThumbLength(const ScrollRangeInfo& r, int track, int thumbHeight);

// Offset of the thumb from the track start for `position`.
int ScrollThumbOffset(const ScrollRangeInfo& r, int position, int track, int thumb);

// The position a thumb at `offset` from the track start stands for,
// limited to Min..ScrollLastPosition.
int ScrollPositionAt(const ScrollRangeInfo& r, int offset, int track, int thumb);

} // namespace brio
