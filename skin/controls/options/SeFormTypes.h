#pragma once
// The kinds shared by skinned forms, popup windows, hints and message boxes.

#include <cstdint>

enum TSeWindowState : std::uint8_t { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };
enum TSeBorderStyle : std::uint8_t { kbsNone, kbsStandard, kbsToolWindow };
enum TSeFormPerformance : std::uint8_t { ksfpNoBuffer, ksfpSharedBuffer, ksfpPersistentBuffer, ksfpDoubleBuffer };
// kfdmBorder drags an outline and moves once at the end; kfdmFullDrag moves live.
enum TSeFormDragMode : std::uint8_t { kfdmBorder, kfdmFullDrag };

// The show animation's masks; keRandomSelect picks one of the others per showing.
enum TkeEffect : std::uint8_t {
    keRandomSelect,
    keFade,
    keDiagonal,
    keDown,
    keIn,
    keOut,
    keRectIn,
    keRectOut,
    kePixel,
    kePixelLine,
    keDiamondIn,
    keDiamondOut,
    keSmoothDiagonal,
    keSmoothRectIn,
    keSmoothRectOut,
};
constexpr int kEffectCount = keSmoothRectOut + 1;

enum TSeDirection : std::uint8_t { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };
