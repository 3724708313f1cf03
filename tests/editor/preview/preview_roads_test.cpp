// The refresh plan by element type, and the selection road's decisions:
// whether the sample shown is skinned again with the selected element's
// scheme, only redrawn or left alone, and when the sample shown before goes
// back to the default look.
#include <gtest/gtest.h>

#include "editor/preview/view/preview_roads.h"

using namespace hexmoor::preview;
using D = ReskinDecision;

TEST(PreviewRoads, RefreshPlansByType) {
    for (int type = 0; type <= 100; ++type) {
        const RefreshPlan p = RefreshPlanFor(WORD(type));
        EXPECT_EQ(p.showStripSample, type >= 40 && type <= 43) << type;
        EXPECT_EQ(p.scrollBars, type == 5) << type;
        EXPECT_EQ(p.runtimeRefresh, type != 5) << type;
    }
}

TEST(PreviewRoads, ReskinDecisionsFollowThePreviousAndTheNewScheme) {
    const SelectedLink defaultButton{4, L"Default"}, defaultEdit{3, L""}, customButton{4, L"Shiny"},
        otherCustomButton{4, L"Matte"}, customEdit{3, L"Shiny"};
    struct Case {
        const SelectedLink* previous;
        const SelectedLink* current;
        bool branch;
        D expected;
    } cases[] = {
        {nullptr, &defaultButton, false, D::kStop},
        {nullptr, &customButton, false, D::kReskin},
        {&defaultEdit, &defaultButton, false, D::kStop}, // a default after a default: nothing
        {&defaultButton, &customButton, false, D::kReskin},
        {&customButton, &defaultButton, false, D::kReskin}, // same type back to default
        {&customEdit, &defaultButton, false, D::kRedraw},   // another type: redraw only
        {&customButton, &customButton, false, D::kStop},
        {&customButton, &customButton, true, D::kReskin}, // a branch copy runs
        {&customButton, &otherCustomButton, false, D::kReskin},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecideReskin(c.previous, *c.current, c.branch), c.expected)
            << (c.previous ? std::to_string(c.previous->type) : "none") << " -> " << c.current->type;
}

TEST(PreviewRoads, TheSampleOfACustomElementGoesBackToDefaultWhenAnotherTypeIsSelected) {
    const SelectedLink customEdit{3, L"Shiny"}, defaultButton{4, L""}, customButton{4, L"Shiny"};
    EXPECT_TRUE(RestoresPreviousDefault(&customEdit, true, defaultButton));
    EXPECT_FALSE(RestoresPreviousDefault(&customEdit, false, defaultButton));
    EXPECT_FALSE(RestoresPreviousDefault(&customButton, true, defaultButton)); // same type
    EXPECT_FALSE(RestoresPreviousDefault(&defaultButton, true, customEdit));   // previous was default
    EXPECT_FALSE(RestoresPreviousDefault(nullptr, true, customEdit));
}
