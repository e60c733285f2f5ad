#pragma once
// The summary `brio-skin info` prints: header strings, bitmaps with their
// sizes and every object tree with class, bounds and alignment.

#include <iosfwd>

class TSeSkinSource;

void PrintSkinInfo(const TSeSkinSource& source, std::ostream& out);
