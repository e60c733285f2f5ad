#pragma once
// What the bars and panels ask of their skin copy beyond the binding: the
// copy only while the control may draw with it, a child by the first of
// several names, and whether a bitmap frame lets the parent show through.

#include <initializer_list>
#include <optional>

class TControl;
class TSeSkinBinding;
class TSeSkinObject;

namespace brio {

// The binding's copy, or null while the control is loading or going away.
TSeSkinObject* usableSkin(TSeSkinBinding& binding, const TControl& control);
// The first of `names` that `object` has as a child; null for no object.
TSeSkinObject* firstSkinChild(TSeSkinObject* object, std::initializer_list<const char*> names);
// For a bitmap frame: whether any of its parts is masked (the control must
// then show its parent through it); nothing for other frames or none.
std::optional<bool> maskedFrame(const TSeSkinObject* frame);

} // namespace brio
