// The float-status protocol of the samples' captions, the move and size
// commands and the systems that take the old-shell handling.
#include <gtest/gtest.h>

#include "editor/preview/samples/sync_active_rules.h"

using namespace hexmoor::preview;
using A = FloatStatusActions;

TEST(SyncActiveRules, FloatStatusFlagsGiveTheirActionsInOrder) {
    struct Case {
        unsigned flags;
        bool sync;
        int result;
        A::Show show;
        A::Enable enable;
        A::Caption caption;
    } cases[] = {
        {0x44, true, 1, A::Show::kNone, A::Enable::kNone, A::Caption::kActive},
        {0x08, true, 0, A::Show::kNone, A::Enable::kNone, A::Caption::kInactive},
        {0x03, true, 0, A::Show::kShow, A::Enable::kNone, A::Caption::kNone}, // show wins
        {0x02, true, 0, A::Show::kHide, A::Enable::kNone, A::Caption::kNone},
        {0x30, true, 0, A::Show::kNone, A::Enable::kEnable, A::Caption::kNone}, // enable wins
        {0x20, true, 0, A::Show::kNone, A::Enable::kDisable, A::Caption::kNone},
        {0x0C, true, 0, A::Show::kNone, A::Enable::kNone, A::Caption::kActive},
        {0x44, false, 0, A::Show::kNone, A::Enable::kNone, A::Caption::kNone}, // not synchronised
        {0x40, false, 0, A::Show::kNone, A::Enable::kNone, A::Caption::kNone},
        {0x00, true, 0, A::Show::kNone, A::Enable::kNone, A::Caption::kNone},
    };
    for (const Case& c : cases) {
        const A a = DecideFloatStatus(c.flags, c.sync);
        EXPECT_EQ(a.result, c.result) << std::hex << c.flags;
        EXPECT_EQ(a.show, c.show) << std::hex << c.flags;
        EXPECT_EQ(a.enable, c.enable) << std::hex << c.flags;
        EXPECT_EQ(a.caption, c.caption) << std::hex << c.flags;
    }
}

TEST(SyncActiveRules, MovesAndSizesAreTheUnmaskedCommands) {
    for (std::uintptr_t c : {0xF010u, 0xF012u, 0xF000u, 0xF001u, 0xF004u, 0xF008u})
        EXPECT_TRUE(IsMoveOrSizeCommand(c)) << std::hex << c;
    // Masked forms and neighbours are not moves.
    for (std::uintptr_t c : {0xF009u, 0xF011u, 0xF013u, 0xF020u, 0xF060u, 0xF030u, 0xF014u})
        EXPECT_FALSE(IsMoveOrSizeCommand(c)) << std::hex << c;
}

TEST(SyncActiveRules, OnlyCodes0To2TakeTheOldShellHandlingAndATestMayPinTheCode) {
    for (int code = -1; code <= 9; ++code) EXPECT_EQ(IsOldShell(code), code >= 0 && code <= 2) << code;
    OverrideWindowsVersion(1);
    EXPECT_EQ(SampleWindowsVersion(), 1);
    ClearWindowsVersionOverride();
    EXPECT_FALSE(IsOldShell(SampleWindowsVersion()));
}
