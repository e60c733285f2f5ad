#include "tests/support/DiskToneCheck.h"

#include "tests/support/SoundFixtures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace audiotest {

namespace {

// Below this the output counts as silence (16-bit files' noise floor is far lower).
constexpr float SilenceLevel = 0.01f;

std::string format(const char* pattern, double a, double b, double c, double d, double e, double f, double g)
{
    char line[256];
    std::snprintf(line, sizeof line, pattern, a, b, c, d, e, f, g);
    return line;
}

} // namespace

DiskToneCheck CheckDiskTone(const std::string& path, int rate, double frequency, double peak)
{
    DiskToneCheck result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.report = "cannot read " + path;
        return result;
    }
    std::vector<float> samples;
    float block[4096];
    while (in.read(reinterpret_cast<char*>(block), sizeof block) || in.gcount() > 0)
        samples.insert(samples.end(), block, block + in.gcount() / std::streamsize(sizeof(float)));
    const std::size_t frames = samples.size() / 2;
    samples.resize(frames * 2);

    std::size_t firstLoud = frames, lastLoud = 0;
    for (std::size_t f = 0; f < frames; ++f)
        if (std::fabs(samples[2 * f]) > SilenceLevel || std::fabs(samples[2 * f + 1]) > SilenceLevel) {
            firstLoud = std::min(firstLoud, f);
            lastLoud = f;
        }
    if (firstLoud >= frames) {
        result.report = "the disk file holds only silence (" + std::to_string(frames) + " frames)";
        return result;
    }
    // Leave out the start and stop ramps, so the level is the settled one.
    const std::size_t edge = std::size_t(rate) / 50;
    if (lastLoud - firstLoud < 4 * edge + std::size_t(rate) / 10) {
        result.report = "the sound lasts only " + std::to_string(double(lastLoud - firstLoud) / rate) + " s";
        return result;
    }
    const std::vector<float> sound(samples.begin() + std::ptrdiff_t(2 * (firstLoud + edge)),
                                   samples.begin() + std::ptrdiff_t(2 * (lastLoud - edge)));
    const double left = MeasureFrequency(sound, 0, rate);
    const double right = MeasureFrequency(sound, 1, rate);
    const double level = Peak(sound);
    result.report = format("heard %.2f s from %.2f s, %.1f Hz (left) %.1f Hz (right), peak %.4f; expected %.1f Hz, "
                           "peak %.4f",
                           double(lastLoud - firstLoud) / rate, double(firstLoud) / rate, left, right, level,
                           frequency, peak);
    result.heard = std::fabs(left - frequency) <= 0.02 * frequency && std::fabs(right - frequency) <= 0.02 * frequency &&
                   std::fabs(level - peak) <= 0.05 * peak;
    return result;
}

int CheckDiskToneCommand(const char* const args[4], const std::string& what)
{
    const int rate = std::atoi(args[1]);
    const double frequency = std::atof(args[2]);
    const double peak = std::atof(args[3]);
    if (rate <= 0 || frequency <= 0 || peak <= 0) {
        std::fprintf(stderr, "the rate, frequency and peak must be positive numbers\n");
        return 2;
    }
    const DiskToneCheck heard = CheckDiskTone(args[0], rate, frequency, peak);
    std::printf("%s\n", heard.report.c_str());
    if (!heard.heard)
        std::fprintf(stderr, "that is not %s\n", what.c_str());
    return heard.heard ? 0 : 1;
}

} // namespace audiotest
