#pragma once
// The kinds of control the program's windows are made of, in one place, so
// that each kind changes in one line when its skinned class is in the tree.
// Until then each kind is the framework's plain class (or a plain bar of
// our own), and messages go through the plain message box.

#include "dialogs/PlainBars.h"

#include "ui/menus/Menu.h"
#include "ui/stdctrls/Button.h"
#include "ui/stdctrls/Label.h"
#include "ui/stdctrls/Panel.h"

#include "platform/WinUser.h"

#include <string>

class TPicture;

namespace brio {

using ButtonKind = TButton;
using LabelKind = TLabel;
using PanelKind = TPanel;
// A group box without caption, as the key panel, the player's container and the bottom bar.
using GroupBoxKind = TPanel;
using TrackBarKind = PlainTrackBar;
using ProgressBarKind = PlainProgressBar;
using PopupMenuKind = TPopupMenu;

// Every message the program shows to the user.
void ShowPlainMessage(const std::string& text);
// A question with Yes and No; true only for Yes.
bool ConfirmYesNo(const std::string& text);

// Shows a state on a glyph button: the picture once buttons draw glyphs,
// the short caption until then.
void SetButtonGlyph(ButtonKind* button, TPicture* glyph, const std::string& caption);

// A group box or panel in the look the program's windows share.
void StyleGroupBox(GroupBoxKind* box);

} // namespace brio
