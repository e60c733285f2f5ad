#pragma once
// The shipped skin made from code: its bitmaps (drawn with the drawing layer)
// and its top-level object trees (built with the engine's classes).

#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/SkinAtlas.h"

#include <memory>
#include <string>
#include <vector>

class TSeBitmap;
class TSeSkinObject;
namespace skinart {
class ShapeMask;
}

namespace skinart {

// Every bitmap of the skin, named, in stream order.
std::vector<std::unique_ptr<TSeBitmap>> DrawSkinBitmaps();
// Every top-level object, laid out at its stored size, in stream order.
// Links carry bitmap names and rectangles only; nothing is resolved.
std::vector<std::unique_ptr<TSeSkinObject>> BuildSkinObjects();

// "NNN-Name.png" / "NNN-Name.txt" for the `index`th item (0-based).
std::string SourceFileName(int index, const std::string& name, const char* extension);

// ---- Shared by the drawing files ------------------------------------------------------
// Points along a circle from one angle to another (degrees, clockwise on screen).
std::vector<PointF> Arc(float cx, float cy, float r, float fromDegrees, float toDegrees, int steps);
// A caption glyph of nominal size 13 at (x, y), scaled to `size`.
void AddGlyph(ShapeMask& mask, atlas::caption::Glyph glyph, float x, float y, float size);
std::unique_ptr<TSeBitmap> DrawFrameBitmap();
std::unique_ptr<TSeBitmap> DrawCaptionButtonsBitmap();
std::unique_ptr<TSeBitmap> DrawButtonsBitmap();
std::unique_ptr<TSeBitmap> DrawChecksBitmap();
std::unique_ptr<TSeBitmap> DrawScrollBarBitmap();
std::unique_ptr<TSeBitmap> DrawTrackBarBitmap();
std::unique_ptr<TSeBitmap> DrawPanelsBitmap();
std::unique_ptr<TSeBitmap> DrawMenuBitmap();
// The program's named bitmaps: system-menu images and stock button glyphs.
std::vector<std::unique_ptr<TSeBitmap>> DrawResourceBitmaps();
// The program's own pictures: menu images, key labels, switch glyphs, icon.
std::vector<std::unique_ptr<TSeBitmap>> DrawProgramBitmaps();
// An allocated, named bitmap.
std::unique_ptr<TSeBitmap> NewBitmap(const char* name, int width, int height);

} // namespace skinart

namespace skinart {
// The top-level objects, one builder each. There is no "Hint", "Label" or
// "ToolWindow": with a "Label" every skinned label would take the skin's
// font, and tool windows use the "Form" frame.
using ObjectPtr = std::unique_ptr<TSeSkinObject>;
ObjectPtr BuildFormObject();
ObjectPtr BuildPopupMenuObject();
ObjectPtr BuildCheckBoxObject();
ObjectPtr BuildRadioButtonObject();
ObjectPtr BuildScrollBarObject();
ObjectPtr BuildButtonObject();
ObjectPtr BuildSpeedButtonObject();
ObjectPtr BuildProgressBarObject();
ObjectPtr BuildTrackBarObject();
ObjectPtr BuildSpinButtonObject();
ObjectPtr BuildMenuBarObject();
ObjectPtr BuildGroupBoxObject();
ObjectPtr BuildListBoxObject();
ObjectPtr BuildEditObject();
ObjectPtr BuildComboBoxObject();
ObjectPtr BuildPanelObject();
ObjectPtr BuildTabsObject();
ObjectPtr BuildGridObject();
ObjectPtr BuildHeaderObject();
ObjectPtr BuildStatusBarObject();
ObjectPtr BuildScrollBoxObject();
ObjectPtr BuildSplitterObject();
ObjectPtr BuildToolbarObject();
ObjectPtr BuildControlBarObject();
} // namespace skinart
