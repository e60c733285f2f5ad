// A small tool for the end-to-end scripts, which have no sound tools of their own:
//   sound_probe wav PATH HZ SECONDS AMPLITUDE   writes a mono 16-bit tone WAV
//   sound_probe raw HZ SECONDS AMPLITUDE        prints float stereo 48 kHz to stdout
//   sound_probe level PATH HZ                   the typical amplitude of HZ in a raw
//                                               float stereo 48 kHz recording: the
//                                               median over its 20 ms windows that
//                                               carry any sound, or 0

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int Rate = 48000;

double Amplitude(const float* stereo, std::size_t frames, double frequency)
{
    const double coefficient = 2 * std::cos(2 * Pi * frequency / Rate);
    double s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double s0 = stereo[2 * i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return 2 * std::sqrt(std::max(s1 * s1 + s2 * s2 - coefficient * s1 * s2, 0.0)) / double(frames);
}

int Usage()
{
    std::fputs("usage: sound_probe wav PATH HZ SECONDS AMPLITUDE | raw HZ SECONDS AMPLITUDE | level PATH HZ\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "wav" && argc == 6) {
        const double hz = std::atof(argv[3]), seconds = std::atof(argv[4]), amplitude = std::atof(argv[5]);
        SF_INFO info{};
        info.samplerate = Rate;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(argv[2], SFM_WRITE, &info);
        if (!file) {
            std::fprintf(stderr, "sound_probe: %s\n", sf_strerror(nullptr));
            return 1;
        }
        std::vector<float> samples(std::size_t(seconds * Rate));
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = float(amplitude * std::sin(2 * Pi * hz * double(i) / Rate));
        sf_writef_float(file, samples.data(), sf_count_t(samples.size()));
        sf_close(file);
        return 0;
    }
    if (mode == "raw" && argc == 5) {
        const double hz = std::atof(argv[2]), seconds = std::atof(argv[3]), amplitude = std::atof(argv[4]);
        std::vector<float> block(2 * 480);
        for (long long n = 0; n < (long long)(seconds * Rate);) {
            for (int i = 0; i < 480; ++i, ++n)
                block[2 * i] = block[2 * i + 1] = float(amplitude * std::sin(2 * Pi * hz * double(n) / Rate));
            if (std::fwrite(block.data(), sizeof(float), block.size(), stdout) != block.size())
                return 0; // the reader went away
        }
        return 0;
    }
    if (mode == "level" && argc == 4) {
        std::FILE* in = std::fopen(argv[2], "rb");
        if (!in)
            return Usage();
        std::vector<float> samples;
        float buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, sizeof(float), 4096, in)) > 0)
            samples.insert(samples.end(), buffer, buffer + got);
        std::fclose(in);
        const double hz = std::atof(argv[3]);
        constexpr std::size_t Window = 960;
        std::vector<double> levels;
        for (std::size_t first = 0; (first + Window) * 2 <= samples.size(); first += Window) {
            const float* window = samples.data() + first * 2;
            float peak = 0;
            for (std::size_t i = 0; i < Window * 2; ++i)
                peak = std::max(peak, std::fabs(window[i]));
            if (peak > 0.01f)
                levels.push_back(Amplitude(window, Window, hz));
        }
        double level = 0;
        if (!levels.empty()) {
            std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
            level = levels[levels.size() / 2];
        }
        std::printf("%.3f\n", level);
        return 0;
    }
    return Usage();
}
