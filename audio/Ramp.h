#pragma once
// A gain that moves to its target in a straight line over a fixed number of
// frames, so that volume changes, starts and stops never click.

namespace audio {

struct Ramp {
    float value = 0.0f;
    float target = 0.0f;
    float step = 0.0f;
    int remaining = 0;

    void moveTo(float newTarget, int frames)
    {
        target = newTarget;
        if (frames <= 0 || newTarget == value) {
            value = newTarget;
            remaining = 0;
            return;
        }
        step = (newTarget - value) / float(frames);
        remaining = frames;
    }

    void jumpTo(float newValue)
    {
        value = target = newValue;
        remaining = 0;
    }

    bool settled() const { return remaining == 0; }

    float next()
    {
        if (remaining > 0) {
            value += step;
            if (--remaining == 0)
                value = target;
        }
        return value;
    }
};

} // namespace audio
