#pragma once
// TSeTimer: a stopwatch on the steady high-resolution clock, for pacing
// work by wall-clock time (the show animation). Start() takes a reading;
// Elapsed() takes another and gives the seconds between them, less what
// two back-to-back readings cost. Readings are in clock counts; Frequency()
// says how many counts make a second.

#include <cstdint>

class TSeTimer {
public:
    // Measures the cost of a reading, and starts.
    TSeTimer();

    void Start();
    // Seconds since Start(), never negative, as a fraction: a caller that
    // adds no rounding of its own sees time that always moves on.
    double Elapsed();
    double ElapsedMs() { return Elapsed() * 1000.0; }

    std::int64_t Frequency() const { return frequency_; }
    std::int64_t Overhead() const { return overhead_; }

private:
    static std::int64_t counter();

    std::int64_t frequency_ = 1;
    std::int64_t start_ = 0;
    std::int64_t stop_ = 0;
    std::int64_t overhead_ = 0;
};
