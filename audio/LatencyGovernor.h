#pragma once
// Decides the output's queue length from its underruns: one step up when
// they come in bursts, one step back down after a quiet spell, never below
// the length asked for nor above the cap. Times are in seconds on any
// steady clock; the caller applies the length it returns.

namespace audio {

class LatencyGovernor {
public:
    struct Rules {
        int baseFrames = 192;
        int stepFrames = 96;
        int maxFrames = 1920;
        int burstUnderruns = 2;      // this many underruns ...
        double burstSeconds = 5.0;   // ... within this long raise one step
        double quietSeconds = 20.0;  // this long without one lowers one step
    };

    explicit LatencyGovernor(Rules rules);

    int frames() const { return frames_; }
    long long underruns() const { return underruns_; }

    // Counts one underrun; returns true when the length changed.
    bool underrun(double now);
    // Call now and then; returns true when the length changed.
    bool tick(double now);

private:
    Rules rules_;
    int frames_;
    long long underruns_ = 0;
    int burst_ = 0;
    double burstStart_ = 0;
    double lastChange_ = 0;   // last underrun or step
    bool anyUnderrun_ = false;
};

} // namespace audio
