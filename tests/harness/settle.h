#pragma once
// Waiting in window tests: always for a condition, never for a guessed time.
// Settle() waits until the thread's messages are drained; WaitUntil() for a
// state the test names (a timer's paint, input from another thread); Repaint()
// paints a window now and settles around it.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

namespace hexmoor::test {

// Runs the calling thread's messages until none is left: everything posted
// before the call has run, with what its handlers posted in turn, and every
// window of the thread has painted what was invalid (the queue hands out a
// paint as soon as nothing else waits). Timers not yet due are not waited for.
void Settle();

// Settles, repaints the window with its frame and children at once, and
// settles again.
void Repaint(HWND hwnd);

// Runs the thread's messages, waiting for the next one (or a few
// milliseconds, for what another thread changes), until `done` holds; fails
// naming `what` when it still does not hold after `limitMs`, a bound for a
// failure, not a guess at how long the work takes.
::testing::AssertionResult WaitUntil(const std::function<bool()>& done, const char* what, DWORD limitMs = 5000);

} // namespace hexmoor::test
