#pragma once
// The pixels a pen covers along a path, in target coordinates.
//
// Thin pens step from pixel to pixel and leave out the end point of every
// segment, so joined segments share no pixel. The stepping rounds the same
// way whichever end a line starts from, so a line and its reverse cover the
// same pixels between their ends. Styled thin pens split their pixels into
// dashes and gaps, the pattern running on from segment to segment. Pens
// wider than one pixel cover the path's outline with round caps and joins.

#include "platform/gdi/Region.h"

#include <span>
#include <vector>

class StrokeBuilder {
public:
    // Only pixels inside `limits` (the clip's bounds) are worked out.
    StrokeBuilder(int penStyle, int penWidth, const RECT& limits);

    bool isWide() const { return width_ > 1; }
    bool isStyled() const { return !pattern_.empty(); }
    int width() const { return width_; }

    // A segment: `from` is drawn, `to` is not (thin pens).
    void addLine(POINT from, POINT to);
    void addPath(const POINT* points, int count, bool closed);
    // Pixels of an outline already in drawing order; the style runs along them.
    void addPixelsInOrder(std::span<const POINT> pixels);

    // Whether a path through these points stays in the range scan
    // conversion can work in, pen width included.
    bool canStroke(const POINT* points, int count) const;

    Region penRegion() const;
    // The gaps of a styled pen, less any pixel a dash covers elsewhere.
    Region gapRegion() const;

private:
    void addThinLine(POINT from, POINT to);
    void addWideSegment(POINT from, POINT to);
    void addDisc(POINT centre);
    bool styleOn(long long index) const;
    void emitRun(bool xMajor, int minor, int majorA, int majorB, bool on);

    int width_;
    RECT limits_;
    std::vector<bool> pattern_; // one entry per pixel of a style cycle; empty: solid
    long long styleIndex_ = 0;
    std::vector<RECT> pen_;
    std::vector<RECT> gaps_;
};
