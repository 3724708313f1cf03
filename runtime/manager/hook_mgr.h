#pragma once
// Thread-local Windows hooks routed to virtual handlers of a manager object.
// T provides `static T* ForCurrentThread()`: each hook procedure finds the
// manager of the thread it runs on and passes on through that manager's
// hook handle; a thread without a manager passes straight on.

#include <windows.h>

#include <array>
#include <string>

template <typename T>
class CHookMgr {
public:
    enum Kind {
        kCallWndProc = 0,
        kCallWndProcRet,
        kCbt,
        kForegroundIdle,
        kGetMessage,
        kKeyboard,
        kMouse,
        kMsgFilter,
        kShell,
        kSysMsgFilter,
        kKindCount
    };

    CHookMgr() { hooks_.fill(nullptr); }
    CHookMgr(const CHookMgr&) = delete;
    CHookMgr& operator=(const CHookMgr&) = delete;
    virtual ~CHookMgr() { UnhookAll(); }

    virtual void OnCallWndProc(const MSG*) {}
    virtual void OnCallWndProcRet(const MSG*, LRESULT) {}
    virtual BOOL OnCBT(int, WPARAM, LPARAM) { return FALSE; }
    virtual void OnForegroundIdle() {}
    virtual void OnGetMessage(MSG*) {}
    virtual void OnKeyboard(WPARAM, LPARAM) {}
    virtual void OnMouse(WPARAM, LPARAM) {}
    virtual void OnMsgFilter(MSG*, int) {}
    virtual BOOL OnShell(int, WPARAM, LPARAM) { return FALSE; }
    virtual void OnSysMsgFilter(MSG*, int) {}

    // Installs the hooks of the mask's bits for the thread (by default the
    // calling one; another thread of this process may be named).
    int InstallHooks(int mask, const char* classFilter, DWORD threadId = GetCurrentThreadId()) {
        UnhookAll();
        static constexpr int kIds[kKindCount] = {WH_CALLWNDPROC, WH_CALLWNDPROCRET, WH_CBT,   WH_FOREGROUNDIDLE,
                                                 WH_GETMESSAGE,  WH_KEYBOARD,       WH_MOUSE, WH_MSGFILTER,
                                                 WH_SHELL,       WH_SYSMSGFILTER};
        static constexpr HOOKPROC kProcs[kKindCount] = {
            &CallWndProcHook, &CallWndProcRetHook, &CbtHook,       &ForegroundIdleHook, &GetMessageHook,
            &KeyboardHook,    &MouseHook,          &MsgFilterHook, &ShellHook,          &SysMsgFilterHook};
        for (int i = 0; i < kKindCount; ++i) {
            if (mask & (1 << i)) hooks_[size_t(i)] = SetWindowsHookExW(kIds[i], kProcs[i], nullptr, threadId);
        }
        filter_ = classFilter ? classFilter : "";
        return 1;
    }

    void UnhookAll() {
        for (HHOOK& h : hooks_) {
            if (h) UnhookWindowsHookEx(h);
            h = nullptr;
        }
    }

    HHOOK Hook(Kind kind) const { return hooks_[size_t(kind)]; }

    // True when the filter is empty or names the window's class (any case).
    BOOL MatchesClassFilter(HWND hwnd) const {
        if (filter_.empty()) return TRUE;
        char name[256] = {};
        GetClassNameA(hwnd, name, sizeof name);
        return lstrcmpiA(name, filter_.c_str()) == 0;
    }

private:
    static LRESULT Next(T* self, Kind kind, int code, WPARAM wp, LPARAM lp) {
        return CallNextHookEx(self ? self->Hook(kind) : nullptr, code, wp, lp);
    }

    static LRESULT CALLBACK CallWndProcHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        if (self && code == HC_ACTION) {
            const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lp);
            if (self->MatchesClassFilter(cwp->hwnd)) {
                const MSG msg{cwp->hwnd, cwp->message, cwp->wParam, cwp->lParam, 0, {0, 0}};
                self->OnCallWndProc(&msg);
            }
        }
        return Next(self, kCallWndProc, code, wp, lp);
    }
    static LRESULT CALLBACK CallWndProcRetHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        if (self && code == HC_ACTION) {
            const auto* cwp = reinterpret_cast<const CWPRETSTRUCT*>(lp);
            if (self->MatchesClassFilter(cwp->hwnd)) {
                const MSG msg{cwp->hwnd, cwp->message, cwp->wParam, cwp->lParam, 0, {0, 0}};
                self->OnCallWndProcRet(&msg, cwp->lResult);
            }
        }
        // The manager may have gone inside the handler (a shut-down from a
        // window procedure): look it up again before passing on.
        return Next(T::ForCurrentThread(), kCallWndProcRet, code, wp, lp);
    }
    static LRESULT CALLBACK CbtHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        if (self && self->OnCBT(code, wp, lp)) return 1;
        return Next(T::ForCurrentThread(), kCbt, code, wp, lp);
    }
    static LRESULT CALLBACK ForegroundIdleHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        if (self && code == HC_ACTION) self->OnForegroundIdle();
        return Next(self, kForegroundIdle, code, wp, lp);
    }
    static LRESULT CALLBACK GetMessageHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        auto* msg = reinterpret_cast<MSG*>(lp);
        if (self && code == HC_ACTION && self->MatchesClassFilter(msg->hwnd)) self->OnGetMessage(msg);
        return Next(self, kGetMessage, code, wp, lp);
    }
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        if (self && code == HC_ACTION) self->OnKeyboard(wp, lp);
        return Next(self, kKeyboard, code, wp, lp);
    }
    static LRESULT CALLBACK MouseHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        if (self && code == HC_ACTION) self->OnMouse(wp, lp);
        return Next(self, kMouse, code, wp, lp);
    }
    static LRESULT CALLBACK MsgFilterHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        auto* msg = reinterpret_cast<MSG*>(lp);
        if (self && self->MatchesClassFilter(msg->hwnd)) self->OnMsgFilter(msg, code);
        return Next(self, kMsgFilter, code, wp, lp);
    }
    static LRESULT CALLBACK ShellHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        if (!self) return CallNextHookEx(nullptr, code, wp, lp);
        if (!self->OnShell(code, wp, lp)) return 0;
        return code == HSHELL_APPCOMMAND ? 1 : 0;
    }
    static LRESULT CALLBACK SysMsgFilterHook(int code, WPARAM wp, LPARAM lp) {
        T* self = T::ForCurrentThread();
        auto* msg = reinterpret_cast<MSG*>(lp);
        if (self && code == HC_ACTION && self->MatchesClassFilter(msg->hwnd)) self->OnSysMsgFilter(msg, 0);
        return Next(self, kSysMsgFilter, code, wp, lp);
    }

    std::array<HHOOK, kKindCount> hooks_;
    std::string filter_;
};
