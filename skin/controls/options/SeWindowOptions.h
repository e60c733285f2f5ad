#pragma once
// One blending, shadow and animation together, as popup menus, hints and
// message boxes carry them for the windows they open.

#include "skin/controls/options/SeAnimation.h"
#include "skin/controls/options/SeBlending.h"
#include "skin/controls/options/SeShadow.h"

class TSeWindowOptions : public TSeOption {
public:
    TSeWindowOptions();
    TSeWindowOptions(const TSeWindowOptions&) = delete;
    TSeWindowOptions& operator=(const TSeWindowOptions&) = delete;

    TSeBlending* Blending() { return &blending_; }
    const TSeBlending* Blending() const { return &blending_; }
    TSeShadow* Shadow() { return &shadow_; }
    const TSeShadow* Shadow() const { return &shadow_; }
    TSeAnimation* Animation() { return &animation_; }
    const TSeAnimation* Animation() const { return &animation_; }

    void Assign(const TPersistent* source) override;

private:
    TSeBlending blending_;
    TSeShadow shadow_;
    TSeAnimation animation_;
};

class TSePopupMenuOptions : public TSeWindowOptions {};
class TSeFormOptions : public TSeWindowOptions {};
