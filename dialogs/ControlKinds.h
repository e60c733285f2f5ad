#pragma once
// The kinds of control the program's windows are made of, in one place, so
// that each kind changes in one line when its skinned class is in the tree.

#include "skin/controls/bars/SeSkinProgressBar.h"
#include "skin/controls/bars/SeSkinTrackBar.h"
#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/forms/SeSkinForm.h"
#include "skin/controls/menus/SeSkinItem.h"
#include "skin/controls/menus/SeSkinPopupMenu.h"
#include "skin/controls/panels/SeSkinGroupBox.h"
#include "skin/controls/panels/SeSkinLabel.h"
#include "skin/controls/panels/SeSkinPanel.h"
#include "skin/controls/panels/SeSkinSplitter.h"
#include "skin/controls/tree/SeSkinSTreeView.h"

#include "ui/stdctrls/Label.h"
#include "ui/stdctrls/Panel.h"

#include <functional>

#include "platform/WinUser.h"

#include <string>

class TPicture;
class TSeSkinEngine;

namespace brio {

using ButtonKind = TSeSkinButton;
using CaptionPanelKind = TSeSkinPanel;
using TrackBarKind = TSeSkinTrackBar;
using ProgressBarKind = TSeSkinProgressBar;
using LabelKind = TSeSkinLabel;
// A group box without caption, as the key panel, the player's container and the bottom bar.
using GroupBoxKind = TSeSkinGroupBox;
// A group box with a caption over its frame, as the dialogs' "Startup" and "Other".
using CaptionGroupBoxKind = TSeSkinGroupBox;
using SplitterKind = TSeSkinSplitter;
using PopupMenuKind = TSeSkinPopupMenu;
using MenuItemKind = TSeSkinItem;
using TreeViewKind = TSeSkinSTreeView;

// The main window's skin engine, which every window of the program draws
// from; null before the main window exists.
TSeSkinEngine* ProgramSkin();
void SetProgramSkin(TSeSkinEngine* engine);

// The frame of a program window, drawn from the program's skin; `icons`
// are the frame's buttons. Call inside the form's loading bracket.
TSeSkinForm* SkinFrame(TCustomForm* form, TSeBorderIcons icons);

// Binds a skinned control to the program's skin, drawing with `object`.
template <class Control>
void BindSkin(Control* control, const char* object)
{
    control->SetSkinEngine(ProgramSkin());
    control->SetSkinObject(object);
}

// Every message the program shows to the user, in the skinned message box.
void ShowPlainMessage(const std::string& text);
// A question with Yes and No; true only for Yes.
bool ConfirmYesNo(const std::string& text);
// While set, answers the messages above instead of showing them (with
// whether it was a question); tests read what the program said here.
using MessageAnswerer = std::function<bool(const std::string& text, bool question)>;
void SetMessageAnswerer(MessageAnswerer answerer);

// Shows a state on a glyph button: the picture when it holds one, else the
// short caption.
void SetButtonGlyph(ButtonKind* button, TPicture* glyph, const std::string& caption);

// A group box without caption or check box, as the program's windows use them.
void StyleGroupBox(GroupBoxKind* box);
// A dialog's group box, transparent, with `caption` (empty: no caption) over its frame.
void StyleCaptionGroupBox(CaptionGroupBoxKind* box, const std::string& caption);

} // namespace brio
