// Times key to sound on a sound server's sink, for three contenders in one
// run, press by press in turn so that the machine's load falls on all alike:
//   ours    `xdotool key <key>` to the key panel; timed from the raw key press
//           the X server reports (XInput2 raw events on the root window);
//   paplay  `paplay --latency-msec=5` of the same tone, timed from its fork;
//   stream  a persistent stream of our own, silent until the trigger, then the
//           tone (the practical floor).
// The first sound is found on the sink's monitor, read in 1 ms fragments; a
// sample's time is its fragment's arrival less the frames after it. Inside
// each sound, a run of digital zero counts as a dropout, and the heard
// frequency must be the expected one.
//
// usage: key_latency_probe --server ADDR --sink NAME --presses N --key K
//        --frequency HZ --seconds S [--contenders ours,paplay,stream]
// Prints one line per press and a summary; exits 1 when a press was missed or
// the wrong sound was heard. The probe's own threads run at real-time
// priority where allowed, so that under load the instrument is not the late one.

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

constexpr int Rate = 48000;
constexpr int FragmentFrames = Rate / 1000;
constexpr float OnsetLevel = 1e-3f;
constexpr int DropoutFrames = 16; // a third of a millisecond of digital zero

// The instrument's threads must not be the late ones: real-time priority where allowed.
void MakeRealtime()
{
    sched_param parameter{};
    parameter.sched_priority = 10;
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameter);
}

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct Options {
    std::string server;
    std::string sink = "out";
    int presses = 20;
    std::string key = "1";
    double frequency = 1000;
    double seconds = 0.25;
    double amplitude = 0.48;
    std::vector<std::string> contenders = {"ours", "paplay", "stream"};
    std::string tonePath = "/tmp/brio-probe-tone.wav";
};

std::vector<float> Tone(const Options& o)
{
    const int frames = int(o.seconds * Rate);
    std::vector<float> mono(std::size_t(frames), 0.0f);
    const double pi = std::acos(-1.0);
    for (int f = 0; f < frames; ++f)
        mono[std::size_t(f)] = float(o.amplitude * std::sin(2 * pi * o.frequency * f / Rate));
    return mono;
}

bool WriteWav(const std::string& path, const std::vector<float>& mono)
{
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    const std::uint32_t bytes = std::uint32_t(mono.size() * 4);
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(3); // IEEE float
    u16(1);
    u32(Rate);
    u32(Rate * 4);
    u16(4);
    u16(32);
    out.write("data", 4);
    u32(bytes);
    out.write(reinterpret_cast<const char*>(mono.data()), bytes);
    return bool(out);
}

// What the monitor heard of one sound.
struct Heard {
    bool found = false;
    double onset = 0;       // seconds, steady clock
    int dropouts = 0;       // runs of digital zero inside the sound
    double frequency = 0;   // rising zero crossings per second
};

// A float stream on the server, served by a real-time thread of its own.
class SimpleStream {
public:
    bool ok() const { return simple_ != nullptr; }

protected:
    SimpleStream(const Options& o, pa_stream_direction_t direction, const std::string& device, int channels,
                 const pa_buffer_attr& attributes)
    {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, Rate, std::uint8_t(channels)};
        int error = 0;
        simple_ = pa_simple_new(o.server.c_str(), "latency-probe", direction, device.c_str(), device.c_str(), &spec,
                                nullptr, &attributes, &error);
        if (!simple_)
            std::fprintf(stderr, "probe: cannot open %s: %s\n", device.c_str(), pa_strerror(error));
    }
    ~SimpleStream()
    {
        stopServing();
        if (simple_)
            pa_simple_free(simple_);
    }
    // Derived constructors start the thread once their members are ready,
    // and their destructors stop it before those members go.
    template <typename Body>
    void serve(Body body)
    {
        if (simple_)
            thread_ = std::thread([body] {
                MakeRealtime();
                body();
            });
    }
    void stopServing()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    pa_simple* simple_ = nullptr;
    std::atomic<bool> stop_{false};

private:
    std::thread thread_;
};

pa_buffer_attr RecordAttributes()
{
    pa_buffer_attr attributes{};
    attributes.maxlength = std::uint32_t(-1);
    attributes.fragsize = FragmentFrames * 8;
    return attributes;
}

pa_buffer_attr FloorAttributes()
{
    pa_buffer_attr attributes{};
    attributes.maxlength = std::uint32_t(-1);
    attributes.tlength = FragmentFrames * 4 * 2; // 2 ms
    attributes.prebuf = std::uint32_t(-1);
    attributes.minreq = FragmentFrames * 4 / 2;  // 0.5 ms
    return attributes;
}

// Reads the monitor all the time; finds the next sound after arm().
class Monitor : public SimpleStream {
public:
    Monitor(const Options& o)
        : SimpleStream(o, PA_STREAM_RECORD, o.sink + ".monitor", 2, RecordAttributes()), options_(o)
    {
        serve([this] { run(); });
    }
    ~Monitor() { stopServing(); }

    void arm()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        heard_ = Heard{};
        armed_ = true;
        done_ = false;
        inSound_ = false;
        soundFrames_ = 0;
        zeroRun_ = 0;
        crossings_ = 0;
        last_ = 0;
    }
    // Waits for the armed sound to be heard whole (or the time to pass).
    Heard wait(double timeout)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait_for(lock, std::chrono::duration<double>(timeout), [this] { return done_; });
        armed_ = false;
        return heard_;
    }
    // True while the monitor hears nothing but silence for `seconds`.
    bool quietFor(double seconds)
    {
        const double until = Now() + 5;
        while (Now() < until) {
            if (Now() - lastLoud_.load() > seconds)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

private:
    void run()
    {
        std::vector<float> block(FragmentFrames * 2);
        while (!stop_) {
            int error = 0;
            if (pa_simple_read(simple_, block.data(), block.size() * sizeof(float), &error) < 0)
                return;
            const double arrived = Now();
            std::lock_guard<std::mutex> lock(mutex_);
            for (int f = 0; f < FragmentFrames; ++f) {
                const float l = block[2 * f], r = block[2 * f + 1];
                const bool loud = std::fabs(l) > OnsetLevel || std::fabs(r) > OnsetLevel;
                if (loud)
                    lastLoud_ = arrived;
                if (!armed_ || done_)
                    continue;
                if (!inSound_) {
                    if (!loud)
                        continue;
                    inSound_ = true;
                    heard_.found = true;
                    heard_.onset = arrived - double(FragmentFrames - f) / Rate;
                }
                // Inside the sound, leaving out its last 10 ms (the tail and stop ramp).
                const int span = int(options_.seconds * Rate) - Rate / 100;
                if (soundFrames_ < span) {
                    if (l == 0.0f && r == 0.0f) {
                        if (++zeroRun_ == DropoutFrames)
                            ++heard_.dropouts;
                    } else {
                        zeroRun_ = 0;
                    }
                    if (last_ < 0 && l >= 0)
                        ++crossings_;
                    last_ = l;
                }
                if (++soundFrames_ == span) {
                    heard_.frequency = double(crossings_) * Rate / span;
                    done_ = true;
                    changed_.notify_all();
                }
            }
        }
    }

    const Options& options_;
    std::atomic<double> lastLoud_{0};
    std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false, done_ = false, inSound_ = false;
    int soundFrames_ = 0, zeroRun_ = 0;
    long long crossings_ = 0;
    float last_ = 0;
    Heard heard_;
};

// The floor: a stream that is always open and written the moment it is told.
class PersistentStream : public SimpleStream {
public:
    PersistentStream(const Options& o, std::vector<float> tone)
        : SimpleStream(o, PA_STREAM_PLAYBACK, o.sink, 1, FloorAttributes()), tone_(std::move(tone))
    {
        serve([this] { run(); });
    }
    ~PersistentStream() { stopServing(); }
    void trigger() { triggered_ = true; }

private:
    void run()
    {
        const std::size_t chunk = FragmentFrames / 4; // a quarter millisecond at a time
        std::vector<float> silence(chunk, 0.0f);
        std::size_t position = tone_.size();
        while (!stop_) {
            if (triggered_.exchange(false))
                position = 0;
            const float* data = silence.data();
            std::size_t frames = chunk;
            if (position < tone_.size()) {
                data = tone_.data() + position;
                frames = std::min(chunk, tone_.size() - position);
                position += frames;
            }
            int error = 0;
            if (pa_simple_write(simple_, data, frames * sizeof(float), &error) < 0)
                return;
        }
    }

    std::vector<float> tone_;
    std::atomic<bool> triggered_{false};
};

// Raw key presses as the X server reports them, stamped on arrival.
class RawKeys {
public:
    RawKeys()
    {
        display_ = XOpenDisplay(nullptr);
        if (!display_)
            return;
        int event = 0, error = 0;
        if (!XQueryExtension(display_, "XInputExtension", &opcode_, &event, &error)) {
            XCloseDisplay(display_);
            display_ = nullptr;
            return;
        }
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawKeyPress);
        XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
        XFlush(display_);
        thread_ = std::thread([this] { run(); });
    }
    ~RawKeys()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (display_)
            XCloseDisplay(display_);
    }
    bool ok() const { return display_ != nullptr; }
    void arm() { pressed_ = 0; }
    double pressed(double timeout) const
    {
        const double until = Now() + timeout;
        while (pressed_.load() == 0 && Now() < until)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        return pressed_.load();
    }

private:
    void run()
    {
        MakeRealtime();
        pollfd descriptor{ConnectionNumber(display_), POLLIN, 0};
        while (!stop_) {
            if (!XPending(display_) && poll(&descriptor, 1, 20) <= 0)
                continue;
            const double arrived = Now();
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == GenericEvent && event.xcookie.extension == opcode_ &&
                    event.xcookie.evtype == XI_RawKeyPress && pressed_.load() == 0)
                    pressed_ = arrived;
            }
        }
    }

    Display* display_ = nullptr;
    int opcode_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<double> pressed_{0};
};

pid_t Spawn(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
}

struct Tally {
    std::vector<double> latencies; // milliseconds
    int missed = 0, wrong = 0, dropouts = 0, withDropouts = 0;
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    if (v.empty())
        return 0;
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return parts;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--server") o.server = value;
        else if (name == "--sink") o.sink = value;
        else if (name == "--presses") o.presses = std::max(1, std::atoi(value.c_str()));
        else if (name == "--key") o.key = value;
        else if (name == "--frequency") o.frequency = std::atof(value.c_str());
        else if (name == "--seconds") o.seconds = std::atof(value.c_str());
        else if (name == "--amplitude") o.amplitude = std::atof(value.c_str());
        else if (name == "--contenders") o.contenders = Split(value);
        else if (name == "--tone") o.tonePath = value;
        else {
            std::fprintf(stderr, "probe: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    if (o.server.empty() || o.frequency <= 0 || o.seconds < 0.05) {
        std::fprintf(stderr, "usage: key_latency_probe --server ADDR [--sink NAME --presses N --key K "
                             "--frequency HZ --seconds S --contenders ours,paplay,stream]\n");
        return 2;
    }
    const std::vector<float> tone = Tone(o);
    if (!WriteWav(o.tonePath, tone)) {
        std::fprintf(stderr, "probe: cannot write %s\n", o.tonePath.c_str());
        return 2;
    }
    const bool wantOurs = std::count(o.contenders.begin(), o.contenders.end(), "ours") > 0;
    const bool wantStream = std::count(o.contenders.begin(), o.contenders.end(), "stream") > 0;
    Monitor monitor(o);
    std::unique_ptr<RawKeys> keys = wantOurs ? std::make_unique<RawKeys>() : nullptr;
    std::unique_ptr<PersistentStream> floor = wantStream ? std::make_unique<PersistentStream>(o, tone) : nullptr;
    if (!monitor.ok() || (keys && !keys->ok()) || (floor && !floor->ok())) {
        std::fprintf(stderr, "probe: cannot set up (monitor, X input or floor stream)\n");
        return 2;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    std::map<std::string, Tally> tallies;
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pause(60, 140);
    // Round -1 warms up (the first key of a session pays for keymap loading); it is not counted.
    for (int press = -1; press < o.presses; ++press) {
        for (const std::string& who : o.contenders) {
            if (!monitor.quietFor(0.05)) {
                std::fprintf(stderr, "probe: the sink does not fall silent\n");
                return 2;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
            Tally& tally = tallies[who];
            monitor.arm();
            double start = 0;
            pid_t child = -1;
            if (who == "ours") {
                keys->arm();
                child = Spawn({"xdotool", "key", o.key});
                start = keys->pressed(2.0);
            } else if (who == "paplay") {
                start = Now();
                child = Spawn({"paplay", "--latency-msec=5", "--server=" + o.server, "-d", o.sink, o.tonePath});
            } else if (who == "stream") {
                start = Now();
                floor->trigger();
            } else {
                std::fprintf(stderr, "probe: unknown contender %s\n", who.c_str());
                return 2;
            }
            const Heard heard = monitor.wait(3.0 + o.seconds);
            if (child > 0)
                waitpid(child, nullptr, 0);
            if (press < 0)
                continue;
            if (!heard.found || start == 0) {
                ++tally.missed;
                std::printf("%-7s press %3d: MISSED%s\n", who.c_str(), press, start == 0 ? " (no key press seen)" : "");
                continue;
            }
            const double ms = (heard.onset - start) * 1000;
            const bool right = std::fabs(heard.frequency - o.frequency) <= 0.03 * o.frequency;
            tally.latencies.push_back(ms);
            tally.dropouts += heard.dropouts;
            tally.withDropouts += heard.dropouts > 0;
            tally.wrong += !right;
            std::printf("%-7s press %3d: %7.2f ms  %6.1f Hz%s%s\n", who.c_str(), press, ms, heard.frequency,
                        right ? "" : " WRONG SOUND",
                        heard.dropouts ? (" dropouts " + std::to_string(heard.dropouts)).c_str() : "");
            std::fflush(stdout);
        }
    }

    std::printf("\n%-7s %5s %9s %9s %9s %7s %6s %9s\n", "who", "n", "median", "min", "max", "missed", "wrong",
                "dropouts");
    std::map<std::string, double> medians;
    bool failed = false;
    for (const std::string& who : o.contenders) {
        const Tally& t = tallies[who];
        const double median = Median(t.latencies);
        medians[who] = median;
        const double lo = t.latencies.empty() ? 0 : *std::min_element(t.latencies.begin(), t.latencies.end());
        const double hi = t.latencies.empty() ? 0 : *std::max_element(t.latencies.begin(), t.latencies.end());
        std::printf("%-7s %5zu %6.2f ms %6.2f ms %6.2f ms %7d %6d %4d in %d\n", who.c_str(), t.latencies.size(), median,
                    lo, hi, t.missed, t.wrong, t.dropouts, t.withDropouts);
        if (who == "ours" && (t.missed > 0 || t.wrong > 0))
            failed = true;
    }
    if (medians.count("ours") && medians.count("stream") && medians["stream"] > 0)
        std::printf("ratio ours / floor stream: %.2f (goal <= 2)\n", medians["ours"] / medians["stream"]);
    if (medians.count("ours") && medians.count("paplay") && medians["ours"] > 0)
        std::printf("ratio paplay / ours: %.2f (goal >= 3)\n", medians["paplay"] / medians["ours"]);
    return failed ? 1 : 0;
}
