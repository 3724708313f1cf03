// A frame's behaviour by host framework, and the special children some
// hosts put inside a frame.
#include "runtime/logic/frame_host.h"

#include <gtest/gtest.h>

#include "runtime/logic/control_types.h"

using namespace hexmoor;
using namespace hexmoor::rt;

TEST(FrameHost, TheSystemsDialogsAlwaysWorkAsPlainWindows) {
    struct Case {
        int runtimeKind;
        const char* className;
        int expected;
    } cases[] = {
        {host::kVisualBasic6, "ThunderRT6FormDC", host::kVisualBasic6},
        {host::kDelphi, "TForm1", host::kDelphi},
        {host::kVisualBasic6, "#32770", host::kWin32},
        {host::kDelphi, "#32770", host::kWin32},
        {host::kWinForms, "#32770", host::kWin32},
        // Only the exact name: a class that merely starts with it is the host's.
        {host::kVisualBasic6, "#327700", host::kVisualBasic6},
        {host::kVisualBasic6, "", host::kVisualBasic6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrameHostKind(c.runtimeKind, c.className), c.expected) << c.className << " " << c.runtimeKind;
}

TEST(FrameHost, SwitchingOnAndOffByHostKind) {
    struct Case {
        int kind;
        bool on;
        bool refit, keepSize, deferred;
        int flat;
    } cases[] = {
        {host::kWin32, true, true, false, false, 0},
        {host::kWinForms, true, true, false, false, 0},
        // Visual Basic 6 keeps the window's size and asks for the client
        // rectangle by message.
        {host::kVisualBasic6, true, false, true, true, 0},
        // Delphi's flat scroll bars go while the skin is on and come back.
        {host::kDelphi, true, true, false, false, -1},
        {host::kDelphi, false, false, false, false, 1},
        {host::kVisualBasic6, false, false, false, false, 0},
        {host::kWin32, false, false, false, false, 0},
    };
    for (const Case& c : cases) {
        const FrameSwitchSteps s = FrameSwitchPlan(c.kind, c.on);
        EXPECT_EQ(s.refitToClient, c.refit) << c.kind << (c.on ? " on" : " off");
        EXPECT_EQ(s.keepWindowSize, c.keepSize) << c.kind << (c.on ? " on" : " off");
        EXPECT_EQ(s.deferredSize, c.deferred) << c.kind << (c.on ? " on" : " off");
        EXPECT_EQ(s.flatScrollBars, c.flat) << c.kind << (c.on ? " on" : " off");
    }
}

TEST(FrameHost, ResetKeepsTheWindowSizeOnlyForVisualBasicWithShapedRegions) {
    for (int region = 0; region <= 4; ++region) {
        EXPECT_EQ(ResetKeepsWindowSize(host::kVisualBasic6, region), region >= 3) << region;
        EXPECT_FALSE(ResetKeepsWindowSize(host::kWin32, region)) << region;
        EXPECT_FALSE(ResetKeepsWindowSize(host::kDelphi, region)) << region;
    }
}

TEST(FrameHost, ADirectUiChildWiderOrTallerThanTheClientMakesTheFrameGrow) {
    const Size frame{300, 200};
    struct Case {
        const char* what;
        int version;
        const char* cls;
        Size child;
        bool grows;
    } cases[] = {
        {"wider", 9, "DirectUIHWND", {320, 200}, true},
        {"taller", 9, "DirectUIHWND", {300, 201}, true},
        {"any case, longer name", 9, "directuihwndEx", {320, 100}, true},
        {"same size", 9, "DirectUIHWND", {300, 200}, false},
        {"smaller", 9, "DirectUIHWND", {100, 100}, false},
        {"other systems", 6, "DirectUIHWND", {320, 240}, false},
        {"another class", 9, "DirectUI", {320, 240}, false},
        {"no class", 9, "", {320, 240}, false},
        {"other class with the name inside", 9, "XDirectUIHWND", {320, 240}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(FrameGrowsForChild(c.version, c.cls, c.child, frame), c.grows) << c.what;
}
