#include "audio/TapRing.h"

#include <algorithm>
#include <cstring>

namespace audio {

namespace {

constexpr int DrainDivisor = 100; // one extra frame per 100 while draining: 1% faster
constexpr int WindowFrames = 24000; // half a second at 48 kHz

} // namespace

TapRing::TapRing()
    : samples_(std::make_unique<float[]>(std::size_t(Frames) * 2)),
      scratch_(std::make_unique<float[]>(std::size_t(MaxPull + MaxPull / DrainDivisor + 2) * 2))
{
}

void TapRing::push(const float* stereo, int frames) noexcept
{
    const std::uint64_t written = written_.load(std::memory_order_relaxed);
    const std::uint64_t used = written - read_.load(std::memory_order_acquire);
    const int room = Frames - int(used);
    const int taken = std::clamp(frames, 0, room);
    if (taken < frames)
        dropped_.fetch_add(frames - taken, std::memory_order_relaxed);
    for (int done = 0; done < taken;) {
        const int at = int((written + std::uint64_t(done)) & (Frames - 1));
        const int run = std::min(taken - done, Frames - at);
        std::memcpy(&samples_[std::size_t(at) * 2], stereo + std::size_t(done) * 2, sizeof(float) * 2 * std::size_t(run));
        done += run;
    }
    written_.store(written + std::uint64_t(taken), std::memory_order_release);
}

void TapRing::copyOut(std::uint64_t from, float* stereo, int frames) const noexcept
{
    for (int done = 0; done < frames;) {
        const int at = int((from + std::uint64_t(done)) & (Frames - 1));
        const int run = std::min(frames - done, Frames - at);
        std::memcpy(stereo + std::size_t(done) * 2, &samples_[std::size_t(at) * 2], sizeof(float) * 2 * std::size_t(run));
        done += run;
    }
}

void TapRing::pull(float* stereo, int frames, int target, int limit) noexcept
{
    while (frames > 0) {
        const int part = std::min(frames, MaxPull);
        pullPart(stereo, part, target, limit);
        stereo += std::size_t(part) * 2;
        frames -= part;
    }
}

void TapRing::pullPart(float* stereo, int frames, int target, int limit) noexcept
{
    std::uint64_t read = read_.load(std::memory_order_relaxed);
    int available = int(written_.load(std::memory_order_acquire) - read);
    target = std::max(target, 0);
    limit = std::max(limit, target);
    if (available > frames + limit) {
        const int excess = available - (frames + target);
        skipped_.fetch_add(excess, std::memory_order_relaxed);
        read += std::uint64_t(excess);
        available -= excess;
    }
    windowLeast_ = std::min(windowLeast_, std::max(available - frames, 0));
    windowFrames_ += frames;
    if (windowFrames_ >= WindowFrames) {
        drainBudget_ = std::max(windowLeast_ - target, 0);
        windowLeast_ = Frames;
        windowFrames_ = 0;
    }
    if (drainBudget_ > 0 && available > frames) {
        // Play frames + extra input frames in the time of `frames`, by linear interpolation.
        const int extra = std::min({drainBudget_, available - frames, std::max(1, frames / DrainDivisor)});
        drainBudget_ -= extra;
        const int input = frames + extra;
        copyOut(read, scratch_.get(), input);
        scratch_[std::size_t(input) * 2] = scratch_[std::size_t(input - 1) * 2];
        scratch_[std::size_t(input) * 2 + 1] = scratch_[std::size_t(input - 1) * 2 + 1];
        const double step = double(input - 1) / double(std::max(frames - 1, 1));
        for (int i = 0; i < frames; ++i) {
            const double position = step * i;
            const int at = int(position);
            const float fraction = float(position - at);
            for (int c = 0; c < 2; ++c) {
                const float a = scratch_[std::size_t(at) * 2 + c];
                const float b = scratch_[std::size_t(at + 1) * 2 + c];
                stereo[std::size_t(i) * 2 + c] = a + (b - a) * fraction;
            }
        }
        drained_.fetch_add(extra, std::memory_order_relaxed);
        read_.store(read + std::uint64_t(input), std::memory_order_release);
        return;
    }
    const int taken = std::min(frames, available);
    copyOut(read, stereo, taken);
    if (taken < frames) {
        std::memset(stereo + std::size_t(taken) * 2, 0, sizeof(float) * 2 * std::size_t(frames - taken));
        padded_.fetch_add(frames - taken, std::memory_order_relaxed);
    }
    read_.store(read + std::uint64_t(taken), std::memory_order_release);
}

int TapRing::backlog() const noexcept
{
    return int(written_.load(std::memory_order_acquire) - read_.load(std::memory_order_acquire));
}

} // namespace audio
