#pragma once
// TrackMenu: the nested loop of one open menu level. It runs on the
// framework's popup tracking loop (the level's window holds the capture
// and sees every message first) until a choice, a dismissal or Escape ends
// it; a submenu runs its own loop inside it. Only the deepest level's loop
// reads input: keys and characters act on that level, while the mouse is
// followed across every open level.
//
// Keys: Up/Down move the selection (wrapping, over separators, not over
// disabled rows); Right, Enter, Tab and Space open a submenu; Enter, Tab,
// Space or a row's accelerator click the row; Escape and Left close one
// level; Alt and F10 close them all.

class TSePopupView;

void TrackMenu(TSePopupView& view);
