#pragma once
// Where every part sits in the skin's bitmaps. The artwork is drawn into
// these cells and the object trees link to them, so both read one table.

#include "platform/WinTypes.h"

namespace skinart::atlas {

constexpr RECT Cell(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }
// The `index`th cell of a row of equal cells starting at `first`.
constexpr RECT Next(RECT first, int index)
{
    const int w = first.right - first.left;
    return RECT{first.left + index * w, first.top, first.right + index * w, first.bottom};
}
// The same cell `rows` rows further down.
constexpr RECT Below(RECT first, int rows)
{
    const int h = first.bottom - first.top;
    return RECT{first.left, first.top + rows * h, first.right, first.bottom + rows * h};
}

// Looks of a part, in the column order of the strips.
enum Look { Normal, Hot, Pressed, Focused, Disabled };

// ---- "Frame": captions, sides and bottoms, active then inactive ----------------
namespace frame {
constexpr const char* Name = "Frame";
constexpr int Width = 56, Height = 42;
constexpr int FormCaptionHeight = 29;
constexpr RECT FormCaption = Cell(0, 0, 28, 29);
// Sample of the lower frame: sides (8 rows) over the bottom (5 rows).
constexpr RECT Lower = Cell(0, 29, 28, 13);
constexpr RECT Left = Cell(0, 29, 5, 8);
constexpr RECT Right = Cell(23, 29, 5, 8);
constexpr RECT BottomLeft = Cell(0, 37, 10, 5);
constexpr RECT BottomCenter = Cell(10, 37, 8, 5);
constexpr RECT BottomRight = Cell(18, 37, 10, 5);
constexpr int InactiveOffset = 28;
constexpr RECT Inactive(RECT active) { return RECT{active.left + 28, active.top, active.right + 28, active.bottom}; }
} // namespace frame

// ---- "CaptionButtons": hover backgrounds and glyphs -------------------------------
namespace caption {
constexpr const char* Name = "CaptionButtons";
constexpr int Width = 132, Height = 125;
// Normal (clear), hot, pressed for 21-wide buttons, then for the 23-wide close.
constexpr RECT Back21 = Cell(0, 0, 21, 21);
constexpr RECT Back23 = Cell(63, 0, 23, 21);
enum Glyph { Close, Maximize, Restore, Minimize, RollDown, RollUp, Tray, Help, GlyphCount };
constexpr int GlyphSize = 13;
// Columns: normal, hot, pressed, inactive.
constexpr RECT GlyphCell(Glyph g, int column) { return Cell(column * 13, 21 + int(g) * 13, 13, 13); }
} // namespace caption

// ---- "Buttons": push button faces, flat faces, drop-down arrows --------------------
namespace buttons {
constexpr const char* Name = "Buttons";
constexpr int Width = 120, Height = 66;
constexpr RECT Face = Cell(0, 0, 24, 25);     // by Look
constexpr RECT FlatFace = Cell(0, 25, 24, 25); // by Look
constexpr RECT Arrow = Cell(0, 50, 16, 16);   // normal, hot, pressed, disabled
constexpr int FaceMargin = 5;
} // namespace buttons

// ---- "Checks": check boxes and radio buttons, by Look -----------------------------
namespace checks {
constexpr const char* Name = "Checks";
constexpr int Width = 75, Height = 75, Size = 15;
enum Row { Unchecked, Checked, Mixed, RadioOff, RadioOn };
constexpr RECT Box(Row row, int look) { return Cell(look * 15, int(row) * 15, 15, 15); }
} // namespace checks

// ---- "ScrollBar" -------------------------------------------------------------------
namespace scroll {
constexpr const char* Name = "ScrollBar";
constexpr int Width = 80, Height = 96, Size = 16;
enum Direction { Left, Right, Up, Down };
// Columns: normal, hot, pressed, disabled.
constexpr RECT ArrowCell(Direction d, int column) { return Cell(column * 16, int(d) * 16, 16, 16); }
constexpr RECT HorzTrack = Cell(64, 0, 16, 16);
constexpr RECT VertTrack = Cell(64, 16, 16, 16);
constexpr RECT HorzSlider = Cell(0, 64, 16, 16);
constexpr RECT VertSlider = Cell(0, 80, 16, 16);
constexpr int SliderMargin = 6;
} // namespace scroll

// ---- "TrackBar": channels, thumbs, progress bars -----------------------------------
namespace track {
constexpr const char* Name = "TrackBar";
constexpr int Width = 80, Height = 40;
constexpr RECT HorzChannel = Cell(0, 0, 12, 6);
constexpr RECT HorzHighlight = Cell(12, 0, 12, 6);
constexpr RECT VertChannel = Cell(24, 0, 6, 12);
constexpr RECT VertHighlight = Cell(30, 0, 6, 12);
constexpr int ChannelMargin = 3;
constexpr RECT Thumb = Cell(0, 12, 16, 16); // by Look
constexpr RECT ProgressFrame = Cell(0, 28, 12, 12);
constexpr RECT ProgressHorz = Cell(12, 28, 12, 12);
constexpr RECT ProgressVert = Cell(24, 28, 12, 12);
constexpr int ProgressMargin = 4;
} // namespace track

// ---- "Panels": frames of edits, lists, panels, groups, hints, tabs, headers --------
namespace panels {
constexpr const char* Name = "Panels";
constexpr int Width = 96, Height = 124;
constexpr RECT EditFrame = Cell(0, 0, 16, 16); // normal, hot, focused, disabled
constexpr RECT ListSelected = Cell(64, 0, 16, 16);
constexpr RECT ListHot = Cell(80, 0, 16, 16);
constexpr RECT PanelFrame = Cell(0, 16, 16, 16);
constexpr RECT PanelCaption = Cell(16, 16, 16, 22);
constexpr RECT GroupFrame = Cell(32, 16, 16, 16);
constexpr RECT GridCell = Cell(64, 16, 16, 16);
constexpr RECT GridFixed = Cell(80, 16, 16, 16);
enum PanelButton { RollUp, RollDown, Hide };
// Columns: normal, hot, pressed.
constexpr RECT PanelButtonCell(PanelButton b, int column) { return Cell(column * 16, 38 + int(b) * 16, 16, 16); }
constexpr RECT StatusFrame = Cell(48, 38, 16, 16);
constexpr RECT StatusDivider = Cell(64, 38, 8, 16);
constexpr RECT Gripper = Cell(72, 38, 12, 12);
constexpr RECT Tab = Cell(0, 86, 16, 20);     // normal, hot, selected, disabled
constexpr RECT Section = Cell(0, 106, 16, 18); // normal, hot, pressed
constexpr int FrameMargin = 5;
} // namespace panels

// ---- "Menu": popup frame, rows, menu bar items and buttons -------------------------
namespace menu {
constexpr const char* Name = "Menu";
constexpr int Width = 112, Height = 80;
constexpr RECT PopupFrame = Cell(0, 0, 16, 16);
constexpr RECT Row = Cell(16, 0, 16, 16);     // clear, hot, selected
constexpr RECT BarItem = Cell(64, 0, 16, 16); // clear, hot, open
constexpr RECT BarFrame = Cell(0, 16, 16, 16);
enum BarButton { Close, Restore, Minimize };
// Columns: normal, hot, pressed.
constexpr RECT BarButtonCell(BarButton b, int column) { return Cell(column * 16, 32 + int(b) * 16, 16, 16); }
constexpr int PopupMargin = 4;
} // namespace menu

} // namespace skinart::atlas
