#pragma once
// The running player interface: it takes the host's variables, plays keys
// through the audio engine, and keeps what each key cap and the status line
// show, so that only what changed is drawn again.

#include "player/PlayerInterface.h"
#include "player/PlayerVariables.h"

#include <array>
#include <string>
#include <vector>

namespace audio {
class AudioEngine;
}

namespace player {

struct CapView {
    CapState state = CapState::Empty;
    bool loading = false;
    bool loop = false;
    int volume = 100;
    int progressPixels = 0; // width of the progress bar across the cap
    std::string fileName;   // without its folder
    std::string reason;     // why the file cannot be played
    bool operator==(const CapView&) const = default;
};

struct StatusView {
    bool soundOn = true;
    int masterVolume = 100;
    std::string deviceNote; // empty while the output plays without a lasting problem
    bool operator==(const StatusView&) const = default;
};

class PlayerRuntime : public PlayerCommands {
public:
    PlayerRuntime(PlayerInterface ui, audio::AudioEngine& engine);

    const PlayerInterface& ui() const { return ui_; }
    const CapView& cap(int row) const { return caps_[std::size_t(row)]; }
    const StatusView& status() const { return status_; }

    void applyVariable(const std::string& name, const std::string& value);

    // A trigger key or Escape; false for keys the panel does not use.
    bool usesKey(int virtualKey) const;
    // Plays (or stops) the rows the key triggers; Escape stops every sound.
    void keyDown(int virtualKey);
    // The row whose cap holds the point, -1 when none does.
    int rowAt(POINT p) const;
    void press(int row);
    void stopAll();

    // Reads the engine again; returns the panel areas whose look changed.
    std::vector<RECT> refresh();

    void setSoundSwitch(bool on) override;
    void setMasterVolume(int percent) override;
    void setKeyVolume(int row, int percent) override;
    void setLoop(int row, bool loop) override;
    void assign(int row, const std::string& path) override;
    void preview(const std::string& path, bool loop) override;
    void stopPreview() override;

private:
    CapView viewOf(int row) const;
    StatusView statusNow() const;

    PlayerInterface ui_;
    audio::AudioEngine& engine_;
    VariableInterpreter interpreter_;
    bool soundOn_ = true;
    int masterVolume_ = 100;
    std::array<CapView, KeyRows> caps_;
    StatusView status_;
};

} // namespace player
