#pragma once
// Snapping of a dragged window to the screen's edges.

#include "skin/controls/options/SeOption.h"

class TSeGravitation : public TSeOption {
public:
    static constexpr int kDefaultSize = 20;
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 50;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { update(enabled_, value); }
    // Snap distance in pixels, clamped to 1..50.
    int Size() const { return size_; }
    void SetSize(int value);

    void Assign(const TPersistent* source) override;

private:
    friend class TSeOption;
    auto tied() { return std::tie(enabled_, size_); }
    auto tied() const { return std::tie(enabled_, size_); }

    bool enabled_ = true;
    int size_ = kDefaultSize;
};
