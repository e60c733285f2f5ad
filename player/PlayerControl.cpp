#include "player/PlayerControl.h"

#include "player/KeyPanelPainter.h"
#include "player/PlayerKeyRouter.h"
#include "player/PlayerRuntime.h"

#include "audio/AudioEngine.h"
#include "platform/text/AsciiText.h"

#include <atomic>
#include <cctype>

namespace {

bool IsPlayerInterfaceFile(const std::string& path)
{
    constexpr std::size_t extension = 4;
    if (path.size() <= extension)
        return false;
    return brio::asciiEqualNoCase(std::string_view(path).substr(path.size() - extension), ".bpi");
}

} // namespace

// Where the engine's thread posts its news; it may outlive the control.
struct TPlayerControl::EventTarget {
    std::atomic<HWND> window{nullptr};
    // One message waits at a time; the control reads every key when it comes.
    std::atomic<bool> pending{false};
};

TPlayerControl::TPlayerControl(TComponent* owner)
    : TCustomControl(owner), eventTarget_(std::make_shared<EventTarget>())
{
    SetBounds(0, 0, 480, 240);
}

TPlayerControl::~TPlayerControl()
{
    player::UnregisterPlayerControl(this);
    eventTarget_->window = nullptr;
    if (engine_)
        engine_->setEventCallback(nullptr);
    runtime_.reset();
}

void TPlayerControl::SetAudioEngine(audio::AudioEngine* engine)
{
    if (engine_ && engine_ != engine)
        engine_->setEventCallback(nullptr);
    runtime_.reset();
    engine_ = engine;
    engineStarted_ = engine != nullptr; // the caller started it
    Invalidate();
}

void TPlayerControl::SetOutputDevice(const std::string& name)
{
    engineOptions_.device = name;
    if (engine_)
        engine_->setOutputDevice(name);
}

bool TPlayerControl::SetSoundsToMicrophone(bool on, const std::string& source)
{
    microphoneOn_ = on;
    microphoneSource_ = source;
    microphoneFailure_.clear();
    if (!engine_ || !engineStarted_)
        return true; // made when the engine starts
    return applyMicrophone();
}

bool TPlayerControl::applyMicrophone()
{
    audio::MicrophoneOptions options;
    options.server = engineOptions_.server.server;
    options.source = microphoneSource_;
    const bool made = engine_->setMicrophone(microphoneOn_, options);
    microphoneFailure_ = made ? std::string() : engine_->microphoneStatus().message;
    return made;
}

std::string TPlayerControl::MicrophoneMessage() const
{
    if (!microphoneFailure_.empty() || !engine_)
        return microphoneFailure_;
    return engine_->microphoneStatus().message;
}

bool TPlayerControl::SoundServerPresent() const
{
    return audio::VirtualMicrophone::ServerAnswers(engineOptions_.server.server);
}

std::vector<std::pair<std::string, std::string>> TPlayerControl::Microphones() const
{
    return audio::VirtualMicrophone::Microphones(engineOptions_.server.server);
}

std::vector<std::pair<std::string, std::string>> TPlayerControl::OutputDevices() const
{
    return engine_ ? engine_->outputDevices() : std::vector<std::pair<std::string, std::string>>{};
}

void TPlayerControl::Play()
{
    // The start-up movie and anything else that is no player interface start nothing.
    if (!IsPlayerInterfaceFile(movie_))
        return;
    startRuntime();
}

void TPlayerControl::startRuntime()
{
    player::PlayerInterface ui;
    try {
        ui = player::LoadPlayerInterface(movie_);
    } catch (const std::exception& error) {
        // The panel tells why; the host goes on as with any movie.
        runtime_.reset();
        failure_ = error.what();
        Invalidate();
        return;
    }
    if (!engine_) {
        ownEngine_ = std::make_unique<audio::AudioEngine>();
        engine_ = ownEngine_.get();
    }
    if (!engineStarted_) {
        engine_->start(engineOptions_); // false: no device, the engine runs silent and the panel says so
        engineStarted_ = true;
        if (microphoneOn_)
            applyMicrophone();
    }
    runtime_.reset();
    failure_.clear();
    painter_ = std::make_unique<player::KeyPanelPainter>();
    runtime_ = std::make_unique<player::PlayerRuntime>(std::move(ui), *engine_);
    watchEngine();
    player::RegisterPlayerControl(this);
    player::InstallPlayerKeyFilter();
    Invalidate();
}

void TPlayerControl::watchEngine()
{
    eventTarget_->window = HandleAllocated() ? Handle() : nullptr;
    std::weak_ptr<EventTarget> target = eventTarget_;
    engine_->setEventCallback([target](const audio::AudioEvent&) {
        std::shared_ptr<EventTarget> t = target.lock();
        if (!t || t->pending.exchange(true))
            return;
        HWND window = t->window.load();
        if (!window || !PostMessage(window, PM_AUDIOCHANGED, 0, 0))
            t->pending = false;
    });
}

void TPlayerControl::SetVariable(const std::string& name, const std::string& value)
{
    // Dropping the older half at once keeps each call cheap on average.
    if (variables_.size() >= VariableRecordLimit)
        variables_.erase(variables_.begin(), variables_.begin() + std::ptrdiff_t(VariableRecordLimit / 2));
    variables_.emplace_back(name, value);
    if (!runtime_)
        return;
    runtime_->applyVariable(name, value);
    refresh();
}

bool TPlayerControl::HandleKey(UINT msg, WPARAM virtualKey, LPARAM flags)
{
    if (!runtime_ || !Showing() || !Enabled() || !runtime_->usesKey(int(virtualKey)))
        return false;
    // A held key repeats: it plays once, and the repeats are swallowed too.
    const bool repeat = (flags & (LPARAM(1) << 30)) != 0;
    if (msg == WM_KEYDOWN && !repeat) {
        runtime_->keyDown(int(virtualKey));
        refresh();
    }
    return true;
}

void TPlayerControl::refresh()
{
    if (!runtime_)
        return;
    if (!HandleAllocated()) {
        runtime_->refresh();
        return;
    }
    eventTarget_->window = Handle();
    for (const RECT& r : runtime_->refresh())
        InvalidateRect(Handle(), &r, FALSE);
}

void TPlayerControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case PM_AUDIOCHANGED:
        eventTarget_->pending = false;
        refresh();
        return;
    case WM_CREATE:
        TCustomControl::WndProc(message);
        eventTarget_->window = Handle();
        // News the engine had while there was no window to post to.
        refresh();
        return;
    default:
        TCustomControl::WndProc(message);
    }
}

void TPlayerControl::EraseBackground(HDC)
{
    // Paint covers every pixel; erasing first would only flicker.
}

void TPlayerControl::Paint()
{
    HDC dc = Canvas()->Handle();
    RECT clip{};
    GetClipBox(dc, &clip);
    if (!painter_)
        painter_ = std::make_unique<player::KeyPanelPainter>();
    if (runtime_) {
        painter_->paint(dc, *runtime_, clip);
    } else if (!failure_.empty()) {
        painter_->paintFailure(dc, ClientRect(), failure_);
    } else {
        HBRUSH brush = CreateSolidBrush(player::DefaultPlayerInterface().background);
        FillRect(dc, &clip, brush);
        DeleteObject(brush);
    }
}

void TPlayerControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !runtime_)
        return;
    runtime_->press(runtime_->rowAt(POINT{x, y}));
    refresh();
}
