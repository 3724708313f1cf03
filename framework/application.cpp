#include "framework/application.h"

#include <algorithm>

#include "framework/window.h"

namespace hexmoor::fw {

namespace {
Application* g_current = nullptr;
} // namespace

Application::Application()
    : profile_(std::make_unique<Profile>(L"", appName_)),
      messages_(std::make_unique<SystemMessageBox>()),
      fileDialogs_(std::make_unique<SystemFileDialog>()),
      fontDialogs_(std::make_unique<SystemFontDialog>()),
      shell_(std::make_unique<SystemShell>()),
      previous_(g_current) {
    g_current = this;
}

Application::~Application() {
    if (g_current == this) g_current = previous_;
}

Application* Application::Current() { return g_current; }

void Application::SetRegistryKey(const std::wstring& company) {
    profile_ = std::make_unique<Profile>(company, appName_);
}

void Application::AddModeless(HWND dialog) {
    if (dialog && std::find(modeless_.begin(), modeless_.end(), dialog) == modeless_.end()) modeless_.push_back(dialog);
}

void Application::RemoveModeless(HWND dialog) { std::erase(modeless_, dialog); }

bool Application::PreTranslate(MSG& msg) {
    if (PreTranslateMessage(msg)) return true;
    const bool keyboard = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    const bool mouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
    if (!keyboard && !mouse) return false;
    // The target window and its ancestors, nearest first.
    HWND top = nullptr;
    for (HWND h = msg.hwnd; h; h = GetParent(h)) {
        if (Window* w = Window::FromHandle(h); w && w->PreTranslateMessage(msg)) return true;
        top = h;
        if (!(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
    }
    // Modeless dialogs take their keyboard navigation.
    for (HWND dlg : modeless_)
        if (IsWindow(dlg) && (dlg == msg.hwnd || IsChild(dlg, msg.hwnd)) && IsDialogMessageW(dlg, &msg)) return true;
    // Keys in other top-level windows (floating panes) still reach the
    // main window's accelerators.
    if (mainWindow_ && mainWindow_->Handle() && top != mainWindow_->Handle() && msg.hwnd &&
        GetAncestor(msg.hwnd, GA_ROOTOWNER) == mainWindow_->Handle())
        return mainWindow_->PreTranslateMessage(msg);
    return false;
}

bool Application::ResetsIdle(const MSG& msg) {
    switch (msg.message) {
    case WM_PAINT:
    case WM_TIMER:
    case 0x0118: // the system's caret blink timer
        return false;
    default: return true;
    }
}

bool Application::DispatchOne(MSG& msg) {
    // The loop outlives whatever one message does: an exception ends that
    // message's work, not the program.
    try {
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        ReportFailure(L"The last action", std::current_exception());
    }
    if (ResetsIdle(msg)) idlePending_ = true;
    return true;
}

void Application::OnIdle() {}

int Application::Run() {
    MSG msg;
    for (;;) {
        if (idlePending_ && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            idlePending_ = false;
            try {
                OnIdle();
            } catch (...) {
                ReportFailure(L"Updating the commands", std::current_exception());
            }
        }
        BOOL r = GetMessageW(&msg, nullptr, 0, 0);
        if (r == 0) return static_cast<int>(msg.wParam);
        if (r < 0) return -1;
        DispatchOne(msg);
    }
}

void Application::RunPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchOne(msg);
    }
    idlePending_ = false;
    OnIdle();
}

void Application::BeforeModalLoop() {
    // A modal loop runs no idle work of ours until it ends: the toolbar and
    // the indicators show the states of now, not of the last idle time.
    OnIdle();
}

int Application::MessageBox(const std::wstring& text, UINT type) {
    BeforeModalLoop();
    HWND owner = mainWindow_ ? mainWindow_->Handle() : nullptr;
    return messages_->Show(owner, text, appName_, type);
}

std::wstring Application::DescribeFailure(std::exception_ptr failure) {
    try {
        if (failure) std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return L"not enough memory";
    } catch (const std::exception& e) {
        const std::string what = e.what();
        std::wstring text = L"an unexpected error";
        if (!what.empty()) text += L" (" + std::wstring(what.begin(), what.end()) + L")";
        return text;
    } catch (...) {}
    return L"an unexpected error";
}

void Application::ReportFailure(const std::wstring& action, std::exception_ptr failure) {
    const std::wstring text = action + L" could not be completed: " + DescribeFailure(failure);
    OutputDebugStringW((text + L"\n").c_str());
    if (reportingFailure_) return;
    reportingFailure_ = true;
    try {
        MessageBox(text, MB_OK | MB_ICONERROR);
    } catch (...) {}
    reportingFailure_ = false;
}

} // namespace hexmoor::fw
