#pragma once
// What a source of the sound server carries (a sink's monitor, a microphone),
// read through the simple client API as float stereo at 48 kHz. Header-only:
// its users link libpulse-simple.

#include <pulse/simple.h>

#include <cstdint>
#include <string>
#include <vector>

namespace audiotest {

class SourceRecorder {
public:
    SourceRecorder(const std::string& server, const std::string& source)
    {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, 48000, 2};
        pa_buffer_attr attributes{};
        attributes.maxlength = std::uint32_t(-1);
        attributes.fragsize = 48 * 8 * 5; // 5 ms
        int error = 0;
        simple_ = pa_simple_new(server.c_str(), "brio-test", PA_STREAM_RECORD, source.c_str(), "recorder", &spec,
                                nullptr, &attributes, &error);
    }
    ~SourceRecorder()
    {
        if (simple_)
            pa_simple_free(simple_);
    }
    SourceRecorder(const SourceRecorder&) = delete;
    SourceRecorder& operator=(const SourceRecorder&) = delete;

    bool ok() const { return simple_ != nullptr; }
    // Empty when the read failed.
    std::vector<float> read(double seconds)
    {
        std::vector<float> samples(std::size_t(seconds * 48000) * 2);
        int error = 0;
        if (!simple_ || pa_simple_read(simple_, samples.data(), samples.size() * sizeof(float), &error) < 0)
            samples.clear();
        return samples;
    }

private:
    pa_simple* simple_ = nullptr;
};

} // namespace audiotest
