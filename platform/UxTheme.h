#pragma once
// Visual styles: flat themed parts drawn in the current system colours,
// with the classic names, part and state numbers. A theme handle names one
// class ("Window", "Button", "ExplorerBar", "ScrollBar", "Edit", "TrackBar",
// "Menu"). Themes are active unless EnableTheming(FALSE) turns them off;
// then OpenThemeData gives null and controls draw their classic look.
//
// Every part paints only inside its rectangle (and the clip rectangle when
// one is given); rounded parts leave their corners untouched, and
// GetThemeBackgroundRegion gives exactly the pixels the part paints. The
// themed window region is the caption part's region over the whole window
// rectangle: the top corners rounded, the bottom square.

#include "platform/Gdi.h"

struct HTHEME__;
using HTHEME = HTHEME__*;

using HRESULT = long;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = HRESULT(0x80004005L);
constexpr HRESULT E_POINTER = HRESULT(0x80004003L);
constexpr HRESULT E_HANDLE = HRESULT(0x80070006L);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057L);
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// ---- API -------------------------------------------------------------------------
// `classList` is one or more class names separated by ';', the first known
// one wins (letter case ignored). Null when themes are off or no name is known.
HTHEME OpenThemeData(HWND hwnd, const char* classList);
HRESULT CloseThemeData(HTHEME theme);
BOOL IsThemeActive();
BOOL IsAppThemed();
// Turns themes on or off for the whole program; every window hears
// WM_THEMECHANGED. Handles already open keep drawing.
HRESULT EnableTheming(BOOL enable);

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* r, const RECT* clip);
// The text in the part's text colour, in the DC's font, on a transparent
// background; `format` takes the DT_* flags. DTT_GRAYED in `flags2` draws
// it in the disabled colour.
constexpr DWORD DTT_GRAYED = 0x00000001;
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const char* text, int count, DWORD format,
                      DWORD flags2, const RECT* r);

enum THEMESIZE { TS_MIN = 0, TS_TRUE = 1, TS_DRAW = 2 };
// The part's size: TS_TRUE its natural size, TS_MIN the least it can be
// drawn in, TS_DRAW what it takes inside `r` (the natural size when null).
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* r, THEMESIZE kind, SIZE* size);
// A new region (the caller deletes it) of the pixels the part paints in `r`.
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* r, HRGN* region);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state);

// Colour properties for GetThemeColor.
constexpr int TMT_BORDERCOLOR = 3801;
constexpr int TMT_FILLCOLOR = 3802;
constexpr int TMT_TEXTCOLOR = 3803;
constexpr int TMT_EDGELIGHTCOLOR = 3804;
constexpr int TMT_EDGESHADOWCOLOR = 3805;
constexpr int TMT_GLYPHCOLOR = 3825;
constexpr int TMT_ACCENTCOLORHINT = 3823;
HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color);

// ---- "Window" ------------------------------------------------------------------------
constexpr int WP_CAPTION = 1;
constexpr int WP_SMALLCAPTION = 2;
constexpr int WP_FRAMELEFT = 7;
constexpr int WP_FRAMERIGHT = 8;
constexpr int WP_FRAMEBOTTOM = 9;
constexpr int WP_SMALLFRAMELEFT = 10;
constexpr int WP_SMALLFRAMERIGHT = 11;
constexpr int WP_SMALLFRAMEBOTTOM = 12;
constexpr int WP_SYSBUTTON = 13;
constexpr int WP_MINBUTTON = 15;
constexpr int WP_MAXBUTTON = 17;
constexpr int WP_CLOSEBUTTON = 18;
constexpr int WP_SMALLCLOSEBUTTON = 19;
constexpr int WP_RESTOREBUTTON = 21;
constexpr int WP_HELPBUTTON = 23;
constexpr int WP_DIALOG = 29;

// Captions
constexpr int CS_ACTIVE = 1;
constexpr int CS_INACTIVE = 2;
constexpr int CS_DISABLED = 3;
// Frames
constexpr int FS_ACTIVE = 1;
constexpr int FS_INACTIVE = 2;
// Caption buttons (the same numbers for every button part)
constexpr int CBS_NORMAL = 1;
constexpr int CBS_HOT = 2;
constexpr int CBS_PUSHED = 3;
constexpr int CBS_DISABLED = 4;

// ---- "Button" ------------------------------------------------------------------------
constexpr int BP_PUSHBUTTON = 1;
constexpr int BP_RADIOBUTTON = 2;
constexpr int BP_CHECKBOX = 3;
constexpr int BP_GROUPBOX = 4;

constexpr int PBS_NORMAL = 1;
constexpr int PBS_HOT = 2;
constexpr int PBS_PRESSED = 3;
constexpr int PBS_DISABLED = 4;
constexpr int PBS_DEFAULTED = 5;

constexpr int RBS_UNCHECKEDNORMAL = 1;
constexpr int RBS_UNCHECKEDHOT = 2;
constexpr int RBS_UNCHECKEDPRESSED = 3;
constexpr int RBS_UNCHECKEDDISABLED = 4;
constexpr int RBS_CHECKEDNORMAL = 5;
constexpr int RBS_CHECKEDHOT = 6;
constexpr int RBS_CHECKEDPRESSED = 7;
constexpr int RBS_CHECKEDDISABLED = 8;

constexpr int CBS_UNCHECKEDNORMAL = 1;
constexpr int CBS_UNCHECKEDHOT = 2;
constexpr int CBS_UNCHECKEDPRESSED = 3;
constexpr int CBS_UNCHECKEDDISABLED = 4;
constexpr int CBS_CHECKEDNORMAL = 5;
constexpr int CBS_CHECKEDHOT = 6;
constexpr int CBS_CHECKEDPRESSED = 7;
constexpr int CBS_CHECKEDDISABLED = 8;
constexpr int CBS_MIXEDNORMAL = 9;
constexpr int CBS_MIXEDHOT = 10;
constexpr int CBS_MIXEDPRESSED = 11;
constexpr int CBS_MIXEDDISABLED = 12;

constexpr int GBS_NORMAL = 1;
constexpr int GBS_DISABLED = 2;

// ---- "ExplorerBar" (captioned panels) ---------------------------------------------------
constexpr int EBP_HEADERCLOSE = 2;
constexpr int EBP_NORMALGROUPBACKGROUND = 5;
constexpr int EBP_NORMALGROUPCOLLAPSE = 6;
constexpr int EBP_NORMALGROUPEXPAND = 7;
constexpr int EBP_NORMALGROUPHEAD = 8;

// Header close, collapse and expand buttons
constexpr int EBHC_NORMAL = 1;
constexpr int EBHC_HOT = 2;
constexpr int EBHC_PRESSED = 3;
constexpr int EBNGC_NORMAL = 1;
constexpr int EBNGC_HOT = 2;
constexpr int EBNGC_PRESSED = 3;
constexpr int EBNGE_NORMAL = 1;
constexpr int EBNGE_HOT = 2;
constexpr int EBNGE_PRESSED = 3;

// ---- "ScrollBar" -------------------------------------------------------------------------
constexpr int SBP_ARROWBTN = 1;
constexpr int SBP_THUMBBTNHORZ = 2;
constexpr int SBP_THUMBBTNVERT = 3;
constexpr int SBP_LOWERTRACKHORZ = 4;
constexpr int SBP_UPPERTRACKHORZ = 5;
constexpr int SBP_LOWERTRACKVERT = 6;
constexpr int SBP_UPPERTRACKVERT = 7;

constexpr int ABS_UPNORMAL = 1;
constexpr int ABS_UPHOT = 2;
constexpr int ABS_UPPRESSED = 3;
constexpr int ABS_UPDISABLED = 4;
constexpr int ABS_DOWNNORMAL = 5;
constexpr int ABS_DOWNHOT = 6;
constexpr int ABS_DOWNPRESSED = 7;
constexpr int ABS_DOWNDISABLED = 8;
constexpr int ABS_LEFTNORMAL = 9;
constexpr int ABS_LEFTHOT = 10;
constexpr int ABS_LEFTPRESSED = 11;
constexpr int ABS_LEFTDISABLED = 12;
constexpr int ABS_RIGHTNORMAL = 13;
constexpr int ABS_RIGHTHOT = 14;
constexpr int ABS_RIGHTPRESSED = 15;
constexpr int ABS_RIGHTDISABLED = 16;

// Thumbs and tracks
constexpr int SCRBS_NORMAL = 1;
constexpr int SCRBS_HOT = 2;
constexpr int SCRBS_PRESSED = 3;
constexpr int SCRBS_DISABLED = 4;

// ---- "Edit" ------------------------------------------------------------------------------
constexpr int EP_EDITTEXT = 1;

constexpr int ETS_NORMAL = 1;
constexpr int ETS_HOT = 2;
constexpr int ETS_SELECTED = 3; // focused, as the list and tree frames use it
constexpr int ETS_DISABLED = 4;
constexpr int ETS_FOCUSED = 5;
constexpr int ETS_READONLY = 6;

// ---- "TrackBar" --------------------------------------------------------------------------
constexpr int TKP_TRACK = 1;
constexpr int TKP_TRACKVERT = 2;
constexpr int TKP_THUMB = 3;       // horizontal, square ends
constexpr int TKP_THUMBBOTTOM = 4; // horizontal, pointing down
constexpr int TKP_THUMBTOP = 5;    // horizontal, pointing up
constexpr int TKP_THUMBVERT = 6;   // vertical, square ends
constexpr int TKP_THUMBLEFT = 7;   // vertical, pointing left
constexpr int TKP_THUMBRIGHT = 8;  // vertical, pointing right

constexpr int TRS_NORMAL = 1;
constexpr int TRVS_NORMAL = 1;
constexpr int TUS_NORMAL = 1;
constexpr int TUS_HOT = 2;
constexpr int TUS_PRESSED = 3;
constexpr int TUS_FOCUSED = 4;
constexpr int TUS_DISABLED = 5;

// ---- "Menu" ------------------------------------------------------------------------------
constexpr int MENU_BARBACKGROUND = 7;
constexpr int MENU_BARITEM = 8;
constexpr int MENU_POPUPBACKGROUND = 9;
constexpr int MENU_POPUPBORDERS = 10;
constexpr int MENU_POPUPCHECK = 11;
constexpr int MENU_POPUPCHECKBACKGROUND = 12;
constexpr int MENU_POPUPGUTTER = 13;
constexpr int MENU_POPUPITEM = 14;
constexpr int MENU_POPUPSEPARATOR = 15;
constexpr int MENU_POPUPSUBMENU = 16;

constexpr int MB_ACTIVE = 1;
constexpr int MB_INACTIVE = 2;
constexpr int MBI_NORMAL = 1;
constexpr int MBI_HOT = 2;
constexpr int MBI_PUSHED = 3;
constexpr int MBI_DISABLED = 4;
constexpr int MBI_DISABLEDHOT = 5;
constexpr int MBI_DISABLEDPUSHED = 6;
constexpr int MPI_NORMAL = 1;
constexpr int MPI_HOT = 2;
constexpr int MPI_DISABLED = 3;
constexpr int MPI_DISABLEDHOT = 4;
constexpr int MC_CHECKMARKNORMAL = 1;
constexpr int MC_CHECKMARKDISABLED = 2;
constexpr int MC_BULLETNORMAL = 3;
constexpr int MC_BULLETDISABLED = 4;
constexpr int MCB_DISABLED = 1;
constexpr int MCB_NORMAL = 2;
constexpr int MCB_BITMAP = 3;
constexpr int MSM_NORMAL = 1;
constexpr int MSM_DISABLED = 2;
