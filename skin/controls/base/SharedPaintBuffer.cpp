#include "skin/controls/base/SharedPaintBuffer.h"

#include <algorithm>

namespace brio {

namespace {

// User-interface thread only, like all painting.
struct SharedState {
    MemoryDib dib;
    bool inUse = false;
};

SharedState& shared()
{
    // Never destroyed: the platform's handle tables may go first at exit.
    static SharedState* state = new SharedState;
    return *state;
}

} // namespace

SharedPaintBuffer::SharedPaintBuffer(int width, int height, bool useShared)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    SharedState& state = shared();
    if (useShared && !state.inUse) {
        if (state.dib.width() < width || state.dib.height() < height) {
            // It only grows: the next larger control must not shrink it back.
            MemoryDib grown(std::max(width, state.dib.width()), std::max(height, state.dib.height()),
                            MemoryDib::Fill::Unfilled);
            if (grown)
                state.dib = std::move(grown);
        }
        if (state.dib && state.dib.width() >= width && state.dib.height() >= height) {
            state.inUse = true;
            holdsShared_ = true;
            dib_ = &state.dib;
        }
    }
    if (!holdsShared_) {
        private_ = MemoryDib(width, height, MemoryDib::Fill::Unfilled);
        if (private_)
            dib_ = &private_;
    }
    if (dib_)
        savedState_ = SaveDC(dib_->dc());
}

SharedPaintBuffer::~SharedPaintBuffer()
{
    if (dib_ && savedState_ > 0)
        RestoreDC(dib_->dc(), savedState_);
    if (holdsShared_)
        shared().inUse = false;
}

SIZE SharedPaintBuffer::sharedSize()
{
    const MemoryDib& dib = shared().dib;
    return SIZE{dib.width(), dib.height()};
}

bool SharedPaintBuffer::sharedInUse() { return shared().inUse; }

void SharedPaintBuffer::releaseShared()
{
    if (!shared().inUse)
        shared().dib.reset();
}

} // namespace brio
