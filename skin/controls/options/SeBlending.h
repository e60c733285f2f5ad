#pragma once
// Translucency of a window or control against what lies behind it.

#include "skin/controls/options/SeOption.h"

class TSeBlending : public TSeOption {
public:
    static constexpr int kDefaultValue = 150;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { update(enabled_, value); }
    // Alpha 0..255; values outside are clamped, not refused, as a stored form may carry them.
    int Value() const { return value_; }
    void SetValue(int value);

    void Assign(const TPersistent* source) override;

private:
    friend class TSeOption;
    auto tied() { return std::tie(enabled_, value_); }
    auto tied() const { return std::tie(enabled_, value_); }

    bool enabled_ = false;
    int value_ = kDefaultValue;
};
