#pragma once
// How many whole frames answer a request for `bytes`: a request that ends
// inside a frame gets the whole frame, since the server takes only whole
// frames and asks again only once its queue is short.

#include <cstddef>

namespace audio {

inline std::size_t FramesForRequest(std::size_t bytes, std::size_t frameBytes)
{
    return frameBytes == 0 ? 0 : (bytes + frameBytes - 1) / frameBytes;
}

} // namespace audio
