#include "player/PlayerRuntime.h"

#include "audio/AudioEngine.h"

#include "platform/WinUserMessages.h"

#include <algorithm>
#include <cctype>

namespace player {

namespace {

CapState StateOf(const audio::KeyState& key)
{
    switch (key.status) {
    case audio::KeyStatus::Empty: return CapState::Empty;
    case audio::KeyStatus::Loading:
    case audio::KeyStatus::Ready: return CapState::Assigned;
    case audio::KeyStatus::Playing: return CapState::Playing;
    case audio::KeyStatus::Looping: return CapState::Looping;
    case audio::KeyStatus::Unplayable: return CapState::Unplayable;
    }
    return CapState::Empty;
}

std::string FileNameOf(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

PlayerRuntime::PlayerRuntime(PlayerInterface ui, audio::AudioEngine& engine)
    : ui_(std::move(ui)), engine_(engine)
{
    // A new interface starts from its own defaults; files come again from the host.
    engine_.stopAll();
    engine_.setSoundSwitch(soundOn_);
    engine_.setMasterVolume(masterVolume_);
    for (int row = 0; row < KeyRows; ++row) {
        engine_.setLoop(row, false);
        if (!engine_.keyState(row).path.empty())
            engine_.assign(row, "");
    }
    for (int row = 0; row < KeyRows; ++row)
        caps_[std::size_t(row)] = viewOf(row);
    status_ = statusNow();
}

void PlayerRuntime::applyVariable(const std::string& name, const std::string& value)
{
    interpreter_.apply(name, value, *this);
}

bool PlayerRuntime::usesKey(int virtualKey) const
{
    if (virtualKey == VK_ESCAPE)
        return true;
    return std::any_of(ui_.keys.begin(), ui_.keys.end(),
                       [virtualKey](const KeySpec& key) { return key.virtualKey == virtualKey; });
}

void PlayerRuntime::keyDown(int virtualKey)
{
    if (virtualKey == VK_ESCAPE) {
        stopAll();
        return;
    }
    for (int row = 0; row < KeyRows; ++row)
        if (ui_.keys[std::size_t(row)].virtualKey == virtualKey)
            press(row);
}

int PlayerRuntime::rowAt(POINT p) const
{
    for (int row = 0; row < KeyRows; ++row) {
        const RECT& r = ui_.keys[std::size_t(row)].rect;
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return row;
    }
    return -1;
}

void PlayerRuntime::press(int row)
{
    if (row >= 0 && row < KeyRows)
        engine_.play(row);
}

void PlayerRuntime::stopAll() { engine_.stopAll(); }

void PlayerRuntime::setSoundSwitch(bool on)
{
    soundOn_ = on;
    engine_.setSoundSwitch(on);
}

void PlayerRuntime::setMasterVolume(int percent)
{
    masterVolume_ = percent;
    engine_.setMasterVolume(percent);
}

void PlayerRuntime::setKeyVolume(int row, int percent) { engine_.setKeyVolume(row, percent); }

void PlayerRuntime::setLoop(int row, bool loop) { engine_.setLoop(row, loop); }

void PlayerRuntime::preview(const std::string& path, bool loop) { engine_.preview(path, loop); }

void PlayerRuntime::stopPreview() { engine_.stopPreview(); }

void PlayerRuntime::assign(int row, const std::string& path) { engine_.assign(row, path); }

CapView PlayerRuntime::viewOf(int row) const
{
    const audio::KeyState key = engine_.keyState(row);
    CapView view;
    view.state = StateOf(key);
    view.loading = key.status == audio::KeyStatus::Loading;
    view.loop = key.loop;
    view.volume = key.volume;
    view.fileName = FileNameOf(key.path);
    if (view.state == CapState::Unplayable)
        view.reason = key.reason;
    if (view.state == CapState::Playing || view.state == CapState::Looping) {
        const RECT& r = ui_.keys[std::size_t(row)].rect;
        view.progressPixels = int(std::clamp(key.progress, 0.0, 1.0) * double(r.right - r.left - 2) + 0.5);
    }
    return view;
}

StatusView PlayerRuntime::statusNow() const
{
    StatusView view;
    view.soundOn = soundOn_;
    view.masterVolume = masterVolume_;
    const audio::DeviceStatus device = engine_.deviceStatus();
    if (device.state == audio::DeviceState::Silent || device.state == audio::DeviceState::Stopped) {
        view.deviceNote = "No audio device";
    } else if (!device.message.empty()) {
        // A lasting problem: a lost server, a missing device, repeated dropouts.
        view.deviceNote = device.message;
        view.deviceNote[0] = char(std::toupper(static_cast<unsigned char>(view.deviceNote[0])));
    }
    return view;
}

std::vector<RECT> PlayerRuntime::refresh()
{
    std::vector<RECT> changed;
    for (int row = 0; row < KeyRows; ++row) {
        CapView view = viewOf(row);
        if (view == caps_[std::size_t(row)])
            continue;
        caps_[std::size_t(row)] = std::move(view);
        changed.push_back(ui_.keys[std::size_t(row)].rect);
    }
    StatusView status = statusNow();
    if (!(status == status_)) {
        status_ = std::move(status);
        changed.push_back(ui_.statusRect);
    }
    return changed;
}

} // namespace player
