#pragma once
// One step of a hover fade: the current alpha moves by the step toward the
// high value (rising) or the low value, and the fade ends once it has passed
// its target (landing exactly on it takes one more step). Single-precision,
// as the fade record holds it.

namespace hexmoor::rt {

struct FadeLevels {
    float low = 0.0f;
    float high = 1.0f;
    float step = 0.1f;
};

// Advances `current`; true when the fade is done (current then equals its
// target).
inline bool AdvanceFade(float& current, bool rising, const FadeLevels& levels) {
    if (rising) {
        current += levels.step;
        if (current > levels.high) {
            current = levels.high;
            return true;
        }
    } else {
        current -= levels.step;
        if (current < levels.low) {
            current = levels.low;
            return true;
        }
    }
    return false;
}

} // namespace hexmoor::rt
