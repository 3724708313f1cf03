#include "runtime/fade.h"

#include "base/win/handles.h"
#include "runtime/messages.h"

namespace hexmoor::rt {

FadeState::FadeState(const FadeRecord& record)
    : window_(record.window),
      levels_{record.low, record.high, record.step},
      pause_(record.pause),
      current_(record.current) {
    rising_.store(record.rising != FALSE);
}

FadeRecord FadeState::Snapshot() const {
    FadeRecord r;
    r.window = window_;
    r.low = levels_.low;
    r.high = levels_.high;
    r.current = current_.load();
    r.step = levels_.step;
    r.pause = pause_;
    r.rising = rising_.load() ? TRUE : FALSE;
    r.running = running_.load() ? TRUE : FALSE;
    return r;
}

bool FadeState::Start(bool rising) {
    rising_.store(rising);
    running_.store(true);
    if (workerActive_.exchange(true)) return true; // the running worker turns round
    auto* keep = new std::shared_ptr<FadeState>(shared_from_this());
    // The worker is never waited on: its handle goes at once.
    const hexmoor::win::KernelHandle thread(CreateThread(nullptr, 0, &FadeState::ThreadProc, keep, 0, nullptr));
    if (!thread) {
        delete keep;
        workerActive_.store(false);
        running_.store(false);
        return false;
    }
    return true;
}

DWORD WINAPI FadeState::ThreadProc(void* param) {
    std::unique_ptr<std::shared_ptr<FadeState>> keep(static_cast<std::shared_ptr<FadeState>*>(param));
    (*keep)->Run();
    return 1;
}

bool FadeState::SendStep() {
    if (cancelled_.load() || !IsWindow(window_)) {
        cancelled_.store(true);
        return false;
    }
    SendMessageW(window_, TWM_FADESTEP, 0, 0);
    return !cancelled_.load();
}

void FadeState::Run() {
    for (;;) {
        if (!SendStep()) break;
        bool done = false;
        while (!done) {
            float current = current_.load();
            done = AdvanceFade(current, rising_.load(), levels_);
            current_.store(current);
            if (!running_.load()) { // the owner ended the fade
                current_.store(levels_.low);
                SendStep();
                workerActive_.store(false);
                return;
            }
            if (!SendStep()) {
                workerActive_.store(false);
                return;
            }
            if (!done) Sleep(DWORD(pause_ > 0 ? pause_ : 0));
        }
        running_.store(false);
        workerActive_.store(false);
        // A hover change that came in as the fade ended turned it round:
        // carry on toward the new target instead of leaving it unmet.
        const float target = rising_.load() ? levels_.high : levels_.low;
        if (current_.load() == target || cancelled_.load()) return;
        if (workerActive_.exchange(true)) return; // a new worker took over
        running_.store(true);
    }
    workerActive_.store(false);
}

} // namespace hexmoor::rt
