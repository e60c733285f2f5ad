#pragma once
// Small pictures the gallery tests put into image lists: key caps as the
// key list shows them, and glyphs for groups, sounds and menus.

class TImageList;

namespace uitest {

// The twenty key names in key-list order.
extern const char* const kKeyNames[20];

// Twenty square key caps of `size` pixels, masked on fuchsia.
void AddKeyCapImages(TImageList* images, int size);

// A group glyph, a sound glyph and, with `withSpeaker`, a speaker, 16 x 16
// each, masked on fuchsia.
void AddGroupSoundGlyphs(TImageList* images, bool withSpeaker);

} // namespace uitest
