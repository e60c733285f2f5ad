#pragma once
// A skin engine holding the skin the program ships, for the skinned
// controls' tests; null (and the test skipped by the caller) when the build
// had no artwork generator.

#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/component/Stream.h"

#include <string>

namespace skintest {

inline TSeSkinEngine* MakeShippedSkinEngine(TComponent* owner)
{
    const auto bytes = ::ShippedSkinStream();
    if (bytes.empty())
        return nullptr;
    auto* engine = new TSeSkinEngine(owner);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    return engine;
}

} // namespace skintest
