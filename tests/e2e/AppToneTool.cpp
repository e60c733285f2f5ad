// The sound side of the program's end-to-end test: writes the tone the
// script assigns to a key, and says whether the disk audio driver's output
// is that tone at the expected level.
//
//   app_tone_tool --tone <path> <frequency> <amplitude> <seconds>
//   app_tone_tool --check <disk file> <rate> <frequency> <peak>

#include "tests/support/DiskToneCheck.h"
#include "tests/support/SoundFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

int fail(const std::string& why)
{
    std::fprintf(stderr, "app_tone_tool: %s\n", why.c_str());
    return 1;
}

int writeTone(char** argv)
{
    audiotest::ToneSpec spec;
    spec.sampleRate = 44100; // not the device's rate: the engine resamples
    spec.frequency = std::atof(argv[3]);
    spec.amplitude = std::atof(argv[4]);
    spec.seconds = std::atof(argv[5]);
    if (spec.frequency <= 0 || spec.amplitude <= 0 || spec.seconds <= 0)
        return fail("the frequency, amplitude and length must be positive numbers");
    const std::string written = audiotest::WriteTone("tone.wav", spec);
    std::error_code error;
    std::filesystem::copy_file(written, argv[2], std::filesystem::copy_options::overwrite_existing, error);
    return error ? fail("cannot write " + std::string(argv[2]) + ": " + error.message()) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 6 && std::string(argv[1]) == "--tone")
        return writeTone(argv);
    if (argc == 6 && std::string(argv[1]) == "--check")
        return audiotest::CheckDiskToneCommand(argv + 2, "the key's tone at its level");
    return fail("usage: app_tone_tool --tone <path> <frequency> <amplitude> <seconds> | "
                "--check <disk file> <rate> <frequency> <peak>");
}
