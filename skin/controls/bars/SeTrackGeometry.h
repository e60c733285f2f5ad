#pragma once
// The arithmetic of a track bar, apart from any control: where a value sits
// along the channel, which value a pixel stands for, how a value snaps to the
// tick spacing, where the thumb lies across the channel and which points the
// thumb covers. Rounding is half to even, as the classic library rounds.

#include "platform/WinTypes.h"

namespace brio {

// Half to even: 104.5 gives 104, 105.5 gives 106.
int roundHalfEven(double value);

// Along the axis: L the control's length, T the thumb length, M the margin.
struct TrackAxis {
    int length = 0;
    int thumbLength = 0;
    int margin = 0;
    int min = 0;
    int max = 10;

    // The pixels the thumb's centre can travel (may be zero or negative on
    // a bar smaller than its margins and thumb).
    int span() const { return length - 2 * margin - thumbLength; }
};

// The pixel of the thumb's centre for `value`; 0 when min equals max.
int trackPixelFromPosition(const TrackAxis& axis, int value);
// The value under `pixel`, snapped to `frequency` and kept in min..max. A
// channel with no travel gives min.
int trackPositionFromPixel(const TrackAxis& axis, int pixel, int frequency);
// The nearest multiple of `frequency` (below 1 counts as 1); a value half
// way between two goes towards zero, so -v snaps to minus what v snaps to.
int snapToFrequency(int value, int frequency);

enum class TrackTicks : unsigned char { both, bottomRight, topLeft };

// Across the axis: where the thumb starts, from the track offset.
int trackCrossStart(int offset, int thumbLength, TrackTicks ticks, bool showTicks);

// The thumb's outline in control coordinates: a rectangle with tmBoth,
// otherwise five points whose tip, half a thumb length deep, points to the
// ticks. `pixel` is the thumb centre along the axis, `crossStart` and
// `thickness` its extent across.
struct ThumbOutline {
    POINT points[5]{};
    int count = 0;
};
ThumbOutline trackThumbOutline(bool horizontal, TrackTicks ticks, int pixel, int thumbLength, int crossStart,
                               int thickness);
// Whether (x, y) lies on the thumb: inside its outline, edges included on the
// top and left, as a region covers pixels.
bool trackThumbContains(const ThumbOutline& outline, int x, int y);

} // namespace brio
