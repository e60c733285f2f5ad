#include "audio/DecodedStream.h"

#include "audio/SoundFile.h"

#include <samplerate.h>

#include <algorithm>
#include <cstring>

namespace audio {

namespace {
constexpr long long InputBlockFrames = 4096;
}

std::unique_ptr<DecodedStream> DecodedStream::open(const std::string& path, int outputRate, std::string& error)
{
    std::unique_ptr<SoundFile> file = SoundFile::open(path, error);
    if (!file)
        return nullptr;
    std::unique_ptr<DecodedStream> stream(new DecodedStream);
    stream->outputRate_ = outputRate;
    stream->ratio_ = double(outputRate) / double(file->sampleRate());
    if (file->sampleRate() != outputRate) {
        if (src_is_valid_ratio(stream->ratio_) == 0) {
            error = "cannot play " + path + ": sample rate " + std::to_string(file->sampleRate()) + " is out of range";
            return nullptr;
        }
        int code = 0;
        stream->resampler_ = src_new(SRC_SINC_MEDIUM_QUALITY, 2, &code);
        if (!stream->resampler_) {
            error = std::string("cannot resample ") + path + ": " + src_strerror(code);
            return nullptr;
        }
    }
    stream->file_ = std::move(file);
    stream->input_.resize(InputBlockFrames * 2);
    return stream;
}

DecodedStream::~DecodedStream()
{
    if (resampler_)
        src_delete(resampler_);
}

bool DecodedStream::refill()
{
    if (inputOffset_ < inputFrames_ || endOfInput_)
        return inputOffset_ < inputFrames_;
    inputOffset_ = 0;
    inputFrames_ = file_->readStereo(input_.data(), InputBlockFrames);
    if (inputFrames_ == 0)
        endOfInput_ = true;
    return inputFrames_ > 0;
}

long long DecodedStream::read(float* out, long long frames)
{
    long long written = 0;
    while (written < frames && !finished_) {
        refill();
        const long long available = inputFrames_ - inputOffset_;
        if (!resampler_) {
            if (available == 0) {
                finished_ = true;
                break;
            }
            const long long n = std::min(available, frames - written);
            std::memcpy(out + 2 * written, input_.data() + 2 * inputOffset_, std::size_t(n) * 2 * sizeof(float));
            inputOffset_ += n;
            written += n;
            continue;
        }
        SRC_DATA data{};
        data.data_in = input_.data() + 2 * inputOffset_;
        data.input_frames = long(available);
        data.data_out = out + 2 * written;
        data.output_frames = long(frames - written);
        data.src_ratio = ratio_;
        data.end_of_input = endOfInput_ ? 1 : 0;
        if (src_process(resampler_, &data) != 0) {
            finished_ = true;
            break;
        }
        inputOffset_ += data.input_frames_used;
        written += data.output_frames_gen;
        // At the end of input the resampler drains its tail; nothing more means done.
        if (endOfInput_ && data.output_frames_gen == 0)
            finished_ = true;
    }
    return written;
}

long long DecodedStream::skip(long long frames)
{
    float scratch[2 * 1024];
    long long skipped = 0;
    while (skipped < frames) {
        const long long n = read(scratch, std::min<long long>(1024, frames - skipped));
        if (n == 0)
            break;
        skipped += n;
    }
    return skipped;
}

bool DecodedStream::rewind()
{
    if (!file_->rewind())
        return false;
    if (resampler_)
        src_reset(resampler_);
    inputOffset_ = inputFrames_ = 0;
    endOfInput_ = finished_ = false;
    return true;
}

double DecodedStream::durationSeconds() const
{
    return file_->frames() > 0 ? double(file_->frames()) / file_->sampleRate() : 0.0;
}

long long DecodedStream::expectedFrames() const
{
    if (file_->frames() <= 0 || file_->frames() >= (1LL << 50))
        return -1;
    return (long long)(double(file_->frames()) * ratio_ + 0.5);
}

bool DecodedStream::failed() const { return file_->failed(); }
int DecodedStream::sourceRate() const { return file_->sampleRate(); }
int DecodedStream::sourceChannels() const { return file_->channels(); }

} // namespace audio
