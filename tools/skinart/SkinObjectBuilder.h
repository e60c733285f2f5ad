#pragma once
// Small helpers for building the skin's object trees in code.

#include "platform/WinTypes.h"
#include "skin/engine/SeSkinObject.h"

#include <memory>

class TSeBitmapLink;

namespace skinart::build {

template <class T>
T* Add(TSeSkinObject* parent, const char* name, TSeAlign align, RECT bounds)
{
    auto* object = new T(parent);
    object->SetName(name);
    object->SetAlign(align);
    object->ArrangeIn(bounds);
    return object;
}

std::unique_ptr<TSeSkinObject> Root(const char* name, int width, int height);
void Link(TSeBitmapLink* link, const char* bitmap, RECT r);
void Margins(TSeSkinObject* object, int left, int top, int right, int bottom);
// Tahoma (a sans face on every platform we run on), 8 points unless told.
void SetFont(TFont* font, Pixel colour, bool bold = false, int height = -11);
void SetColour(TSeSkinObject* object, Pixel colour);
void NoFill(TSeSkinObject* object);
// Stores the tree's bounds as the stored size lays them out, top down.
void LayOut(TSeSkinObject* object);

} // namespace skinart::build
