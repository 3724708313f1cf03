#include "framework/command.h"

#include <gtest/gtest.h>

#include <vector>

using hexmoor::fw::CommandState;
using hexmoor::fw::CommandTable;

namespace {

struct Route {
    CommandTable focus, frame, app;
    std::vector<CommandTable*> tables() { return {&focus, &frame, &app}; }
};

} // namespace

TEST(CommandRoute, FirstHandlerOnTheRouteRunsAndLaterOnesDoNot) {
    Route r;
    std::vector<const char*> ran;
    r.frame.On(10, [&] { ran.push_back("frame"); });
    r.app.On(10, [&] { ran.push_back("app"); });
    auto t = r.tables();
    EXPECT_TRUE(hexmoor::fw::ExecuteCommand(t, 10));
    EXPECT_EQ(ran, (std::vector<const char*>{"frame"}));
}

TEST(CommandRoute, CommandWithoutHandlerIsDisabledAndDoesNotRun) {
    Route r;
    bool updated = false;
    r.app.Update(11, [&](CommandState& s) {
        updated = true;
        s.checked = true;
    });
    auto t = r.tables();
    auto q = hexmoor::fw::QueryCommand(t, 11);
    EXPECT_TRUE(updated);
    EXPECT_FALSE(q.state.enabled);
    EXPECT_FALSE(hexmoor::fw::ExecuteCommand(t, 11));
}

TEST(CommandRoute, DisabledByUpdateHandlerCannotRun) {
    Route r;
    int runs = 0;
    bool enabled = false;
    r.app.On(12, [&] { ++runs; });
    r.app.Update(12, [&](CommandState& s) { s.enabled = enabled; });
    auto t = r.tables();
    EXPECT_FALSE(hexmoor::fw::ExecuteCommand(t, 12));
    enabled = true;
    EXPECT_TRUE(hexmoor::fw::ExecuteCommand(t, 12));
    EXPECT_EQ(runs, 1);
}

TEST(CommandRoute, UpdateOfAnEarlierTargetDecidesForALaterHandler) {
    // A focused window may veto a command the application would run.
    Route r;
    int runs = 0;
    r.focus.Update(13, [](CommandState& s) { s.enabled = false; });
    r.app.On(13, [&] { ++runs; });
    auto t = r.tables();
    EXPECT_FALSE(hexmoor::fw::ExecuteCommand(t, 13));
    EXPECT_EQ(runs, 0);
}

TEST(CommandRoute, RangesPassTheIdAndMissOutsideTheirBounds) {
    Route r;
    unsigned got = 0;
    r.app.OnRange(100, 103, [&](unsigned id) { got = id; });
    auto t = r.tables();
    EXPECT_TRUE(hexmoor::fw::ExecuteCommand(t, 102));
    EXPECT_EQ(got, 102u);
    EXPECT_FALSE(hexmoor::fw::ExecuteCommand(t, 104));
    EXPECT_FALSE(hexmoor::fw::ExecuteCommand(t, 99));
}
