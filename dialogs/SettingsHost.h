#pragma once
// What the settings dialog needs of the main window, which it may not
// include: reloading the player interface with the loading splash, the
// player itself and the microphone switch's glyph.

class TComponent;
class TPlayerControl;

namespace brio {

class SettingsHost {
public:
    virtual ~SettingsHost() = default;
    // Loads Settings.player into the player, hands it the key table through
    // the loading splash (owned by `owner`), clears the loop boxes and makes
    // the player play as the window shows. False when no file of that name
    // was found (the user has been told; the old interface goes on).
    virtual bool ReloadPlayerInterface(TComponent* owner) = 0;
    virtual TPlayerControl& Player() = 0;
    // Settings.mic changed: the microphone switch shows it.
    virtual void MicrophoneChanged() = 0;
};

} // namespace brio
