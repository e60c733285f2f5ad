#pragma once
// A drop shadow to the right of and below a window.

#include "skin/controls/options/SeOption.h"

class TSeShadow : public TSeOption {
public:
    static constexpr int kDefaultSize = 4;
    static constexpr int kMaxSize = 20;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { update(enabled_, value); }
    // Pixels, at most 20; a size of 0 or less switches the shadow off and keeps the old size.
    int Size() const { return size_; }
    void SetSize(int value);

    void Assign(const TPersistent* source) override;

private:
    friend class TSeOption;
    auto tied() { return std::tie(enabled_, size_); }
    auto tied() const { return std::tie(enabled_, size_); }

    bool enabled_ = false;
    int size_ = kDefaultSize;
};
