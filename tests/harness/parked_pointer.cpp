#include "tests/harness/parked_pointer.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace hexmoor::test {

POINT ParkedPointerSpot() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1,
            GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1};
}

bool ParkPointer() {
    // Wine moves the pointer only once the process has its desktop window.
    GetDesktopWindow();
    const POINT spot = ParkedPointerSpot();
    SetCursorPos(spot.x, spot.y);
    POINT now{};
    return GetCursorPos(&now) && now.x == spot.x && now.y == spot.y;
}

namespace {
class PointerParker : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        if (!ParkPointer()) std::fprintf(stderr, "parked_pointer: the pointer could not be parked\n");
    }
};

// Linked into every window test program (see hexmoor_add_gtest): registers
// the parker before the tests run.
const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new PointerParker);
    return true;
}();
} // namespace

} // namespace hexmoor::test
