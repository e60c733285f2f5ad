#include "audio/LatencyGovernor.h"

#include <algorithm>

namespace audio {

LatencyGovernor::LatencyGovernor(Rules rules) : rules_(rules)
{
    rules_.baseFrames = std::max(1, rules_.baseFrames);
    rules_.stepFrames = std::max(1, rules_.stepFrames);
    rules_.maxFrames = std::max(rules_.baseFrames, rules_.maxFrames);
    rules_.burstUnderruns = std::max(1, rules_.burstUnderruns);
    frames_ = rules_.baseFrames;
}

bool LatencyGovernor::underrun(double now)
{
    ++underruns_;
    if (burst_ == 0 || now - burstStart_ > rules_.burstSeconds) {
        burst_ = 0;
        burstStart_ = now;
    }
    ++burst_;
    anyUnderrun_ = true;
    lastChange_ = now;
    if (burst_ < rules_.burstUnderruns || frames_ >= rules_.maxFrames)
        return false;
    burst_ = 0;
    frames_ = std::min(rules_.maxFrames, frames_ + rules_.stepFrames);
    return true;
}

bool LatencyGovernor::tick(double now)
{
    if (!anyUnderrun_ || frames_ <= rules_.baseFrames || now - lastChange_ < rules_.quietSeconds)
        return false;
    frames_ = std::max(rules_.baseFrames, frames_ - rules_.stepFrames);
    lastChange_ = now;
    return true;
}

} // namespace audio
