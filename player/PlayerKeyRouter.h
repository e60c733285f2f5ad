#pragma once
// Keys for the key panel, taken before any control sees them: an
// application message filter hands key messages for the active window to
// the player controls on it, and swallows those a panel uses, so that the
// focused control never gets them (nor the characters they would make).

class TPlayerControl;

namespace player {

void RegisterPlayerControl(TPlayerControl* control);
void UnregisterPlayerControl(TPlayerControl* control);
// Puts the filter in front of the application's current one, unless it is
// there already.
void InstallPlayerKeyFilter();

} // namespace player
