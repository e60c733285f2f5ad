#pragma once
// The parts the program's small edit dialogs share: their frame with shadow
// and show animation, OK and Cancel buttons (Enter presses OK; Escape is
// bound to nothing, so a slip of the finger loses no typing), a label and a
// one-line skinned edit.

#include "dialogs/ControlKinds.h"

#include <string>

class TCustomForm;
class TWinControl;
class TSeSkinEdit;
class TSeSkinEditButton;

namespace brio {

TSeSkinForm* EditDialogFrame(TCustomForm* form);
// Names and places an edit dialog (caption "Brio", centred on its owner,
// client area `width` x `height`) and fills it with a captionless group box,
// which it returns as the parent of the dialog's controls.
CaptionGroupBoxKind* EditDialogBody(TCustomForm* form, const char* name, int left, int top, int width, int height);
ButtonKind* OkButton(TCustomForm* form, TWinControl* parent, int left, int top);
ButtonKind* CancelButton(TCustomForm* form, TWinControl* parent, int left, int top);
LabelKind* DialogLabel(TCustomForm* form, TWinControl* parent, int left, int top, int width, const std::string& text);
TSeSkinEdit* DialogEdit(TCustomForm* form, TWinControl* parent, int left, int top, int width);
TSeSkinEditButton* DialogEditWithButton(TCustomForm* form, TWinControl* parent, int left, int top, int width);

// A chosen file name the program can store: one with a line break would make
// every later INI write fail, so it is refused with a plain message.
bool AcceptableFileName(const std::string& path);

} // namespace brio
