#pragma once
// TSeSkinSplitter: the splitter drawn whole from the engine's "Splitter"
// object.

#include "skin/controls/panels/SeCustomSplitter.h"
#include "skin/controls/panels/SeSkinned.h"

class TSeSkinSplitter : public brio::Skinned<TSeCustomSplitter> {
public:
    explicit TSeSkinSplitter(TComponent* owner);
    ~TSeSkinSplitter() override;

protected:
    void Paint() override;
};
