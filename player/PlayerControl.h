#pragma once
// TPlayerControl: the windowed control the host drives the key panel
// through. The host sets Movie, Loop and Menu, calls Play and sets
// variables; nothing is reported back. Play starts the player interface
// that Movie names (a *.bpi file); any other movie starts nothing. Every
// variable is recorded, in order, whether or not an interface runs; the
// record keeps the latest ones only, so a long session cannot grow it
// without end.

#include "ui/control/GraphicControl.h"

#include "audio/AudioTypes.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace audio {
class AudioEngine;
}
namespace player {
class PlayerRuntime;
class KeyPanelPainter;
} // namespace player

// Posted by the audio engine's thread when a key's state changed.
constexpr UINT PM_AUDIOCHANGED = WM_USER + 0x120;

class TPlayerControl : public TCustomControl {
public:
    using Variable = std::pair<std::string, std::string>;

    explicit TPlayerControl(TComponent* owner);
    ~TPlayerControl() override;

    const std::string& Movie() const { return movie_; }
    void SetMovie(const std::string& value) { movie_ = value; }
    bool Loop() const { return loop_; }
    void SetLoop(bool value) { loop_ = value; }
    bool Menu() const { return menu_; }
    void SetMenu(bool value) { menu_ = value; }

    void Play();
    void SetVariable(const std::string& name, const std::string& value);
    // The variables set, oldest first: at least the last VariableRecordLimit / 2
    // and never more than VariableRecordLimit.
    const std::vector<Variable>& Variables() const { return variables_; }
    static constexpr std::size_t VariableRecordLimit = 4096;

    // An engine the caller keeps (tests pull it); set before Play. Without
    // one the control makes its own and opens the output device.
    void SetAudioEngine(audio::AudioEngine* engine);
    void SetEngineOptions(const audio::EngineOptions& options) { engineOptions_ = options; }
    // The sound server's sink to play on, by name (empty: the server's
    // default); takes effect at once when the engine runs.
    void SetOutputDevice(const std::string& name);
    const std::string& OutputDevice() const { return engineOptions_.device; }
    audio::AudioEngine* AudioEngine() const { return engine_; }

    // Sounds to microphone: while on, the input device "Clatterbox microphone"
    // carries every sound and the user's real microphone (`source`, empty: the
    // sound server's default). Takes effect at once when the engine runs, else
    // when it starts. False, with MicrophoneMessage() saying why, when the
    // device could not be made; local playing goes on either way.
    bool SetSoundsToMicrophone(bool on, const std::string& source = "");
    bool SoundsToMicrophone() const { return microphoneOn_; }
    // A lasting problem of the microphone, for the user; empty when all is well.
    std::string MicrophoneMessage() const;
    // Whether a sound server answers, so that the microphone can be offered.
    bool SoundServerPresent() const;
    // The sound server's real microphones and its sinks, as name and
    // description, for the user to choose from; empty without a server.
    std::vector<std::pair<std::string, std::string>> Microphones() const;
    std::vector<std::pair<std::string, std::string>> OutputDevices() const;
    const std::string& MicrophoneSource() const { return microphoneSource_; }

    // The running interface, null before Play or when the file failed.
    const player::PlayerRuntime* Runtime() const { return runtime_.get(); }
    // Why the last interface could not be started, empty when it runs.
    const std::string& Failure() const { return failure_; }

    // From the application's key filter: whether the panel took the key.
    bool HandleKey(UINT msg, WPARAM virtualKey, LPARAM flags);

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void EraseBackground(HDC dc) override;

private:
    struct EventTarget;
    void startRuntime();
    void watchEngine();
    void refresh();
    bool applyMicrophone();

    std::string movie_;
    bool loop_ = true;
    bool menu_ = true;
    std::vector<Variable> variables_;
    std::unique_ptr<audio::AudioEngine> ownEngine_;
    audio::AudioEngine* engine_ = nullptr;
    audio::EngineOptions engineOptions_;
    bool engineStarted_ = false;
    std::unique_ptr<player::PlayerRuntime> runtime_;
    std::unique_ptr<player::KeyPanelPainter> painter_;
    std::shared_ptr<EventTarget> eventTarget_;
    std::string failure_;
    bool microphoneOn_ = false;
    std::string microphoneSource_;
    std::string microphoneFailure_;
};
