#include "tests/harness/settle.h"

#include "tests/harness/test_window.h"

namespace hexmoor::test {

namespace {
// More rounds than any test's messages take: a window that posts to itself
// for ever makes Settle fail instead of hanging the test.
constexpr int kMostRounds = 10000;
// How often WaitUntil looks again when no message came: conditions that
// another thread changes arrive without one.
constexpr DWORD kLookAgainMs = 5;

// True when a message is waiting for the thread; lets the display driver
// turn what it has received into messages first.
bool MessageWaiting() {
    return MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT;
}
} // namespace

void Settle() {
    for (int round = 0; round < kMostRounds; ++round) {
        PumpMessages();
        if (!MessageWaiting()) return;
    }
    ADD_FAILURE() << "Settle: the thread's messages never ran out";
}

void Repaint(HWND hwnd) {
    Settle();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
}

::testing::AssertionResult WaitUntil(const std::function<bool()>& done, const char* what, DWORD limitMs) {
    const ULONGLONG end = GetTickCount64() + limitMs;
    for (;;) {
        Settle();
        if (done()) return ::testing::AssertionSuccess();
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return ::testing::AssertionFailure() << what << ": not reached within " << limitMs << " ms";
        const DWORD left = DWORD(end - now);
        MsgWaitForMultipleObjectsEx(0, nullptr, left < kLookAgainMs ? left : kLookAgainMs, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

} // namespace hexmoor::test
