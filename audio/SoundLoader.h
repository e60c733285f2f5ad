#pragma once
// Turns a file into a Sound at the output rate (worker threads only), and
// keeps a streamed sound's ring filled ahead of its voice.

#include <memory>
#include <string>

namespace audio {

struct Sound;

struct SoundLoadLimits {
    double wholeSeconds = 60.0; // longer files are streamed
    double headSeconds = 3.0;   // kept in memory ahead of the stream, so restarts are instant
};

// Null with a reason when the file is missing or cannot be decoded.
std::unique_ptr<Sound> LoadSound(const std::string& path, int outputRate, std::string& error,
                                 const SoundLoadLimits& limits = {});

// Decodes into every free chunk of the sound's ring, starting a fresh pass
// when the mixer asked for one. Returns the number of chunks written.
int FillStream(Sound& sound);

} // namespace audio
