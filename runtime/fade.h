#pragma once
// Hover fades. A fade record is the plain eight-word description handed
// around by the API and the button bases; a FadeState is the live fade of one
// window, shared between the window's object and the worker thread that
// steps it, so that neither outlives the memory the other uses.

#include <windows.h>

#include <atomic>
#include <memory>

#include "runtime/logic/fade_step.h"

namespace hexmoor::rt {

struct FadeRecord {
    HWND window = nullptr;
    float low = 0.0f;
    float high = 1.0f;
    float current = 0.0f;
    float step = 0.0f;
    int pause = 0; // milliseconds between steps
    BOOL rising = FALSE;
    BOOL running = FALSE;
};

class FadeState : public std::enable_shared_from_this<FadeState> {
public:
    explicit FadeState(const FadeRecord& record);

    // GUI thread: fade toward high (rising) or low. The state is marked
    // running here, before any worker starts, so a second hover change while
    // a fade runs only turns it round; at most one worker per state.
    // False when no worker could be started.
    bool Start(bool rising);
    // The owner ends the fade: the worker sets the low value, sends one more
    // step and ends.
    void Stop() { running_.store(false); }
    // The window is going away: the worker ends without sending anything.
    // Never waits for the worker.
    void Cancel() { cancelled_.store(true); }

    float Current() const { return current_.load(); }
    bool Running() const { return running_.load(); }
    bool Rising() const { return rising_.load(); }
    FadeRecord Snapshot() const;

private:
    static DWORD WINAPI ThreadProc(void* param);
    void Run();
    bool SendStep();

    HWND window_;
    FadeLevels levels_;
    int pause_;
    std::atomic<float> current_;
    std::atomic<bool> rising_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> cancelled_{false};
    // Whether the worker has left the loop: a Start after that starts anew.
    std::atomic<bool> workerActive_{false};
};

} // namespace hexmoor::rt
