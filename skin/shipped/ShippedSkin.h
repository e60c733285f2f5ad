#pragma once
// The skin the program ships: the stored SkinStream bytes of the main
// window's skin engine (a flag byte, then the default-format stream), built
// from resources/skin and the generated artwork.

#include <span>

// Empty when the build had no artwork generator.
std::span<const unsigned char> ShippedSkinStream();
