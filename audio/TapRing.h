#pragma once
// The mix on its way to a second output with a clock of its own (the
// virtual microphone): the mixer pushes every block it renders, the second
// output pulls what it is asked for. Neither side locks or allocates.
// The two sides run in bursts and their clocks drift apart, so the reader
// keeps the delay near a target: it pads with silence when the writer is
// behind, and skips a backlog beyond the limit. A backlog that stays above the
// target for a whole window (its least value, so that bursts do not count) is
// drained by playing it 1% faster, without a click.

#include <atomic>
#include <cstdint>
#include <memory>

namespace audio {

class TapRing {
public:
    static constexpr int Frames = 16384; // a power of two; about a third of a second at 48 kHz
    static constexpr int MaxPull = 4096; // larger requests are served in parts

    TapRing();
    TapRing(const TapRing&) = delete;
    TapRing& operator=(const TapRing&) = delete;

    // Writer: appends stereo frames; what does not fit is dropped (the reader is not running).
    void push(const float* stereo, int frames) noexcept;
    // Reader: fills `frames` frames, silence where the writer has not got to.
    // `target`: the backlog kept beyond a request; `limit`: beyond it the excess is skipped.
    void pull(float* stereo, int frames, int target, int limit) noexcept;

    int backlog() const noexcept;
    long long droppedFrames() const noexcept { return dropped_.load(std::memory_order_relaxed); }
    long long skippedFrames() const noexcept { return skipped_.load(std::memory_order_relaxed); }
    long long drainedFrames() const noexcept { return drained_.load(std::memory_order_relaxed); }
    long long paddedFrames() const noexcept { return padded_.load(std::memory_order_relaxed); }

private:
    void copyOut(std::uint64_t from, float* stereo, int frames) const noexcept;
    void pullPart(float* stereo, int frames, int target, int limit) noexcept;

    std::unique_ptr<float[]> samples_;
    std::unique_ptr<float[]> scratch_; // the reader's, for draining
    std::atomic<std::uint64_t> written_{0};
    std::atomic<std::uint64_t> read_{0};
    std::atomic<long long> dropped_{0};
    std::atomic<long long> skipped_{0};
    std::atomic<long long> drained_{0};
    std::atomic<long long> padded_{0};
    // The reader's own: the least backlog of the current window, and what is still to drain.
    int windowLeast_ = Frames;
    int windowFrames_ = 0;
    int drainBudget_ = 0;
};

} // namespace audio
