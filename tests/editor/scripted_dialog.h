#pragma once
// Drives modal dialogs from a script: a thread timer runs the steps against
// the open dialog, one step per tick, while its modal loop runs.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "framework/dialog.h"

namespace hexmoor::test {

namespace scripted_detail {

struct Script {
    std::deque<std::function<void()>> steps;
    std::function<bool()> ready;
};

inline Script& Current() {
    static Script script;
    return script;
}

inline void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
    // Steps start once the dialog shows; the modal loop shows it when it
    // first runs out of messages.
    Script& s = Current();
    if (s.steps.empty() || !s.ready || !s.ready()) return;
    auto step = std::move(s.steps.front());
    s.steps.pop_front();
    step();
}

} // namespace scripted_detail

// Calls run (which enters a modal loop) while the steps play, each once
// ready() holds; returns what run returned.
template <typename Run>
auto RunWithSteps(Run run, std::function<bool()> ready, std::deque<std::function<void()>> steps) {
    scripted_detail::Script& s = scripted_detail::Current();
    s.steps = std::move(steps);
    s.ready = std::move(ready);
    UINT_PTR timer = SetTimer(nullptr, 0, 30, &scripted_detail::RunStep);
    auto r = run();
    KillTimer(nullptr, timer);
    s.steps.clear();
    s.ready = nullptr;
    return r;
}

// Runs the dialog modally while the steps play; returns its result.
inline INT_PTR RunScripted(fw::Dialog& dlg, std::deque<std::function<void()>> steps) {
    return RunWithSteps([&] { return dlg.DoModal(nullptr); },
                        [&] { return dlg.Handle() && IsWindowVisible(dlg.Handle()); }, std::move(steps));
}

inline void Click(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

inline std::wstring Text(HWND dialog, int id) {
    wchar_t buf[512]{};
    GetDlgItemTextW(dialog, id, buf, 512);
    return buf;
}

} // namespace hexmoor::test
