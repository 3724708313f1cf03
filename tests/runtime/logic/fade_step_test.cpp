// Hover-fade stepping: the alpha sequence and where a fade ends.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/logic/fade_step.h"

using namespace hexmoor::rt;

namespace {
std::vector<float> RunFade(float start, bool rising, FadeLevels levels) {
    std::vector<float> seen;
    float current = start;
    for (int guard = 0; guard < 1000; ++guard) {
        const bool done = AdvanceFade(current, rising, levels);
        seen.push_back(current);
        if (done) break;
    }
    return seen;
}
} // namespace

TEST(FadeStep, LandingExactlyOnTheTargetTakesOneMoreStep) {
    const auto up = RunFade(0.0f, true, {0.0f, 1.0f, 0.5f});
    EXPECT_EQ(up, (std::vector<float>{0.5f, 1.0f, 1.0f}));
    const auto down = RunFade(1.0f, false, {0.0f, 1.0f, 0.5f});
    EXPECT_EQ(down, (std::vector<float>{0.5f, 0.0f, 0.0f}));
}

TEST(FadeStep, OvershootIsClampedToTheTarget) {
    const auto up = RunFade(0.0f, true, {0.0f, 1.0f, 0.3f});
    ASSERT_FALSE(up.empty());
    EXPECT_EQ(up.back(), 1.0f);
    EXPECT_EQ(up.size(), 4u); // 0.3, 0.6, 0.9, then past 1
}
