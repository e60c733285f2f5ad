#pragma once
// Enumerations of the skinned edit box's published properties.

#include <cstdint>

enum TEditCharCase : std::uint8_t { ecNormal, ecUpperCase, ecLowerCase };

enum TPasswordKind : std::uint8_t { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };
