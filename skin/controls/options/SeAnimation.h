#pragma once
// The transition a window shows with.

#include "skin/controls/options/SeFormTypes.h"
#include "skin/controls/options/SeOption.h"

class TSeAnimation : public TSeOption {
public:
    static constexpr int kMinResolution = 1, kMaxResolution = 10;
    static constexpr int kMinTileCount = 1, kMaxTileCount = 20;
    static constexpr int kMinTime = 50, kMaxTime = 9000, kDefaultTime = 400;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { update(enabled_, value); }
    TkeEffect Effect() const { return effect_; }
    void SetEffect(TkeEffect value);
    TSeDirection Direction() const { return direction_; }
    void SetDirection(TSeDirection value);
    // Block size in pixels, 1..10.
    int Resolution() const { return resolution_; }
    void SetResolution(int value);
    // Tiles per side, 1..20.
    int TileCount() const { return tileCount_; }
    void SetTileCount(int value);
    // Milliseconds, 50..9000.
    int Time() const { return time_; }
    void SetTime(int value);

    void Assign(const TPersistent* source) override;

private:
    friend class TSeOption;
    auto tied() { return std::tie(enabled_, effect_, direction_, resolution_, tileCount_, time_); }
    auto tied() const { return std::tie(enabled_, effect_, direction_, resolution_, tileCount_, time_); }

    bool enabled_ = false;
    TkeEffect effect_ = keFade;
    TSeDirection direction_ = kdNone;
    int resolution_ = 1;
    int tileCount_ = 1;
    int time_ = kDefaultTime;
};
