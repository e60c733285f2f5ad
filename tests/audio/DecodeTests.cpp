// Files of every supported format, rate and channel count decoded and
// resampled to the output rate; damaged and missing files refused with a reason.

#include "audio/Sound.h"
#include "audio/SoundLoader.h"

#include "tests/support/SoundFixtures.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>

using namespace audio;
using namespace audiotest;

namespace {

constexpr int OutputRate = 48000;

struct Decoded {
    std::vector<float> stereo;
    long long frames = 0;
    std::string error;
};

Decoded Decode(const std::string& path)
{
    Decoded result;
    std::unique_ptr<Sound> sound = LoadSound(path, OutputRate, result.error);
    if (sound) {
        result.stereo = sound->head;
        result.frames = sound->headFrames;
    }
    return result;
}

struct FormatCase {
    const char* name;
    int format;
    int sampleRate;
    int channels;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.name; }

class DecodeFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DecodeFormat, KeepsPitchLengthAndLevel)
{
    const FormatCase& c = GetParam();
    ToneSpec tone;
    tone.format = c.format;
    tone.sampleRate = c.sampleRate;
    tone.channels = c.channels;
    tone.frequency = 1000;
    tone.seconds = 0.5;
    tone.amplitude = 0.5;
    const std::string path = WriteTone(std::string(c.name) + ".wav", tone);
    const Decoded decoded = Decode(path);
    ASSERT_TRUE(decoded.error.empty()) << decoded.error;
    EXPECT_NEAR(double(decoded.frames), 0.5 * OutputRate, OutputRate * 0.002);
    for (int channel = 0; channel < 2; ++channel)
        EXPECT_NEAR(MeasureFrequency(decoded.stereo, channel, OutputRate), 1000.0, 1.0) << "channel " << channel;
    // Clear of the resampler's edges, the level is the file's on both sides.
    const float peak = Peak(decoded.stereo, OutputRate / 10, OutputRate * 4 / 10);
    EXPECT_NEAR(peak, 0.5f, c.format == (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) ? 0.01f : 0.002f);
}

INSTANTIATE_TEST_SUITE_P(
    Wav, DecodeFormat,
    ::testing::Values(FormatCase{"unsigned8_44k_mono", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 44100, 1},
                      FormatCase{"int16_44k_stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2},
                      FormatCase{"int24_96k_mono", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 96000, 1},
                      FormatCase{"int32_22k_stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 22050, 2},
                      FormatCase{"float_48k_mono", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1},
                      FormatCase{"double_8k_stereo", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 8000, 2},
                      FormatCase{"int16_11k_three", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 11025, 3},
                      FormatCase{"float_48k_six", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 6},
                      FormatCase{"int16_32k_eight", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 32000, 8}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

bool CanWriteMp3()
{
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    return sf_format_check(&info) != 0;
}

TEST(DecodeMp3, KeepsPitchAndLengthAtEitherRate)
{
    if (!CanWriteMp3())
        GTEST_SKIP() << "this libsndfile cannot write MP3, so no MP3 fixture can be made";
    for (int rate : {44100, 48000}) {
        for (int channels : {1, 2}) {
            ToneSpec tone;
            tone.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
            tone.sampleRate = rate;
            tone.channels = channels;
            tone.frequency = 440;
            tone.seconds = 1.0;
            const std::string path = WriteTone("tone" + std::to_string(rate) + "_" + std::to_string(channels) + ".mp3", tone);
            const Decoded decoded = Decode(path);
            ASSERT_TRUE(decoded.error.empty()) << decoded.error;
            // The encoder adds a little padding; no more than a few MP3 frames.
            EXPECT_NEAR(double(decoded.frames), double(OutputRate), OutputRate * 0.06) << rate;
            EXPECT_NEAR(MeasureFrequency(decoded.stereo, 0, OutputRate), 440.0, 1.0) << rate;
            EXPECT_NEAR(Peak(decoded.stereo, OutputRate / 5, OutputRate * 4 / 5), 0.5f, 0.05f) << rate;
        }
    }
}

TEST(DecodeChannels, SurroundFoldsEachSideToItsOwnSpeaker)
{
    // Six channels in the usual order with a tone on front-left only.
    const std::string path = FixtureFolder() + "/front_left_only.wav";
    SF_INFO info{};
    info.samplerate = OutputRate;
    info.channels = 6;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_TRUE(file);
    std::vector<float> samples(OutputRate / 10 * 6, 0.0f);
    for (int f = 0; f < OutputRate / 10; ++f)
        samples[f * 6] = float(std::sin(2 * M_PI * 500.0 * f / OutputRate));
    sf_writef_float(file, samples.data(), OutputRate / 10);
    sf_close(file);

    const Decoded decoded = Decode(path);
    ASSERT_TRUE(decoded.error.empty()) << decoded.error;
    float left = 0, right = 0;
    for (long long f = 0; f < decoded.frames; ++f) {
        left = std::max(left, std::fabs(decoded.stereo[2 * f]));
        right = std::max(right, std::fabs(decoded.stereo[2 * f + 1]));
    }
    EXPECT_GT(left, 0.2f);
    EXPECT_LE(left, 1.0f);
    EXPECT_EQ(right, 0.0f);
}

TEST(DecodeFailures, EachBadFileGivesAReasonAndNoSound)
{
    ToneSpec tone;
    const std::string good = WriteTone("good.wav", tone);
    std::vector<unsigned char> goodBytes;
    {
        std::FILE* in = std::fopen(good.c_str(), "rb");
        ASSERT_TRUE(in);
        int c;
        while ((c = std::fgetc(in)) != EOF)
            goodBytes.push_back((unsigned char)c);
        std::fclose(in);
    }
    std::vector<unsigned char> noise(4000);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = (unsigned char)(i * 2654435761u >> 13);
    ToneSpec empty;
    empty.seconds = 0;

    struct Case {
        std::string path;
        std::string reasonHas;
    };
    const std::vector<Case> cases = {
        {FixtureFolder() + "/nowhere.wav", "not found"},
        {FixtureFolder(), "not a file"},
        {"", "no file name"},
        {WriteBytes("empty.wav", {}), "cannot decode"},
        {WriteBytes("noise.wav", noise), "cannot decode"},
        {WriteBytes("noise.mp3", noise), "cannot decode"},
        {WriteBytes("header_only.wav", std::vector<unsigned char>(goodBytes.begin(), goodBytes.begin() + 12)),
         "cannot decode"},
        {WriteTone("silent_length.wav", empty), "no sound"},
    };
    for (const Case& c : cases) {
        const Decoded decoded = Decode(c.path);
        EXPECT_EQ(decoded.frames, 0) << c.path;
        EXPECT_NE(decoded.error.find(c.reasonHas), std::string::npos) << c.path << ": " << decoded.error;
    }
}

TEST(DecodeFailures, TruncatedDataPlaysWhatIsThere)
{
    ToneSpec tone;
    tone.seconds = 1.0;
    tone.sampleRate = OutputRate;
    const std::string good = WriteTone("whole.wav", tone);
    std::FILE* in = std::fopen(good.c_str(), "rb");
    ASSERT_TRUE(in);
    std::vector<unsigned char> bytes(44 + OutputRate); // header plus half a second of 16-bit mono
    ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), in), bytes.size());
    std::fclose(in);
    const Decoded decoded = Decode(WriteBytes("cut.wav", bytes));
    ASSERT_TRUE(decoded.error.empty()) << decoded.error;
    EXPECT_NEAR(double(decoded.frames), OutputRate / 2.0, 2.0);
}

} // namespace
