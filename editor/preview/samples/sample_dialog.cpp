#include "editor/preview/samples/sample_dialog.h"

#include "editor/preview/samples/fill_plan.h"
#include "editor/preview/samples/fill_apply.h"
#include "editor/preview/samples/sync_active_rules.h"
#include "framework/application.h"

namespace hexmoor::preview {

namespace {

LONG_PTR Style(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }
void SetStyle(HWND hwnd, LONG_PTR style) { SetWindowLongPtrW(hwnd, GWL_STYLE, style); }

// The window at the top of the parent (or owner) chain.
HWND TopLevelParent(HWND hwnd) {
    HWND top = hwnd;
    for (HWND p = GetParent(hwnd); p; p = GetParent(p)) top = p;
    return top;
}

} // namespace

HWND MainWindowHandle() {
    fw::Application* app = fw::Application::Current();
    return app && app->MainWindow() ? app->MainWindow()->Handle() : nullptr;
}

LRESULT SendFloatStatus(HWND hwnd, unsigned flags) { return SendMessageW(hwnd, kFloatStatusMessage, flags, 0); }

bool HandleOldShellMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (!IsOldShell(SampleWindowsVersion())) return false;
    if (msg == WM_NCCALCSIZE) {
        const LONG_PTR style = Style(hwnd);
        if (style & WS_CHILD) SetStyle(hwnd, style & ~LONG_PTR(WS_CHILD));
        *result = DefWindowProcW(hwnd, msg, wp, lp);
        SetStyle(hwnd, style);
        return true;
    }
    if (msg == WM_SYSCOMMAND && IsMoveOrSizeCommand(wp)) {
        // The move or size loop treats the window as a child of the view.
        SetStyle(hwnd, Style(hwnd) | WS_CHILD);
        DefWindowProcW(hwnd, msg, wp, lp);
        SetStyle(hwnd, Style(hwnd) & ~LONG_PTR(WS_CHILD));
        *result = 0;
        return true;
    }
    return false;
}

bool CSyncActiveDialog::CreateSample(HWND parent) {
    if (!CreateChild(parent)) return false;
    HWND h = Handle();
    SetStyle(h, Style(h) | WS_POPUP | kSyncActiveStyle);
    // The caption starts as the owner's: active while the editor's window
    // (or a synchronised popup of it) is in front.
    HWND top = TopLevelParent(h);
    HWND front = GetForegroundWindow();
    const bool active =
        top && (top == front || (GetLastActivePopup(top) == front && SendFloatStatus(front, kFloatSyncActive) != 0));
    SendFloatStatus(h, active ? kFloatActivate : kFloatDeactivate);
    return true;
}

LRESULT CSyncActiveDialog::OnNcActivate(bool active) {
    HWND h = Handle();
    // Synchronised: the caption changes only through the float status.
    if (Style(h) & kSyncActiveStyle) return TRUE;
    if (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return DefaultProc(WM_NCACTIVATE, active, 0);
    if (active_ != active) {
        active_ = active;
        SendMessageW(h, WM_NCPAINT, 1, 0);
    }
    return TRUE;
}

LRESULT CSyncActiveDialog::OnFloatStatus(WPARAM flags) {
    HWND h = Handle();
    const FloatStatusActions a = DecideFloatStatus(static_cast<unsigned>(flags), (Style(h) & kSyncActiveStyle) != 0);
    if (a.show != FloatStatusActions::Show::kNone) {
        const UINT show = a.show == FloatStatusActions::Show::kShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | show);
    }
    if (a.enable != FloatStatusActions::Enable::kNone) EnableWindow(h, a.enable == FloatStatusActions::Enable::kEnable);
    if (a.caption != FloatStatusActions::Caption::kNone) {
        // Out of synchronisation for a moment, so that the caption is drawn
        // in the state asked for.
        SetStyle(h, Style(h) & ~LONG_PTR(kSyncActiveStyle));
        SendMessageW(h, WM_NCACTIVATE, a.caption == FloatStatusActions::Caption::kActive, 0);
        SetStyle(h, Style(h) | kSyncActiveStyle);
    }
    return a.result;
}

bool CSyncActiveDialog::HandleFloatingSysCommand(WPARAM command, LPARAM lp) {
    HWND top = TopLevelParent(Handle());
    switch (command & 0xFFF0) {
    case SC_PREVWINDOW:
    case SC_NEXTWINDOW:
        if (LOWORD(lp) == VK_F6 && top) {
            SetFocus(top);
            return true;
        }
        break;
    case SC_CLOSE:
    case SC_KEYMENU:
        // A command from the keyboard or the mouse goes to the editor's
        // window; without a position (a switch of tasks) it is ignored.
        if (lp != 0 && top && top != Handle()) {
            SendMessageW(top, WM_SYSCOMMAND, command, lp);
            return true;
        }
        break;
    default: break;
    }
    return false;
}

LRESULT CSyncActiveDialog::OnSysCommand(WPARAM command, LPARAM lp) {
    const LONG_PTR style = Style(Handle());
    const bool altF4 = GetKeyState(VK_F4) < 0 && GetKeyState(VK_MENU) < 0;
    if ((style & WS_POPUP) && ((command & 0xFFF0) != SC_CLOSE || (altF4 && (style & kSyncActiveStyle))))
        if (HandleFloatingSysCommand(command, lp)) return 0;
    return DefaultProc(WM_SYSCOMMAND, command, lp);
}

void CSyncActiveDialog::Drag(UINT msg) {
    HWND h = Handle();
    POINT cursor{};
    GetCursorPos(&cursor);
    switch (msg) {
    case WM_NCLBUTTONDOWN: {
        RECT r{};
        GetWindowRect(h, &r);
        POINT origin{r.left, r.top};
        // Reparented into the view, the sample is placed in its client
        // coordinates.
        if (HWND parent = GetAncestor(h, GA_PARENT); parent && parent != GetDesktopWindow())
            MapWindowPoints(nullptr, parent, &origin, 1);
        dragCursor_ = cursor;
        dragOrigin_ = origin;
        dragging_ = true;
        SetCapture(h);
        break;
    }
    case WM_MOUSEMOVE:
        SetWindowPos(h, nullptr, dragOrigin_.x + cursor.x - dragCursor_.x, dragOrigin_.y + cursor.y - dragCursor_.y, 0,
                     0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    default:
        dragging_ = false;
        if (GetCapture() == h) ReleaseCapture();
        break;
    }
}

LRESULT CSyncActiveDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCACTIVATE: return OnNcActivate(wp != 0);
    case kFloatStatusMessage: return OnFloatStatus(wp);
    // A click must not take the activation from the editor's window.
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCLBUTTONDOWN:
        if (wp != HTCAPTION) break;
        Drag(msg);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (!dragging_) break;
        if (msg != WM_CAPTURECHANGED || reinterpret_cast<HWND>(lp) != Handle()) Drag(msg);
        return 0;
    default: break;
    }
    return fw::Dialog::WindowProc(msg, wp, lp);
}

bool CSampleDialog::PreTranslateMessage(MSG& msg) {
    if (!traits_.forwardKeys || !Handle()) return false;
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    const MSG copy = msg;
    if (!IsDialogMessageW(Handle(), &msg)) return false;
    // The key also reaches the editor, whose accelerators run its commands.
    if (copy.message == WM_KEYDOWN)
        if (HWND main = MainWindowHandle()) PostMessageW(main, copy.message, copy.wParam, copy.lParam);
    return true;
}

void CSampleDialog::Fill() { ApplyFillPlan(Handle(), FillPlanFor(traits_.id), nullptr, nullptr); }

LRESULT CSampleDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT handled = 0;
    if (HandleOldShellMessage(Handle(), msg, wp, lp, &handled)) return handled;
    switch (msg) {
    case WM_SYSCOMMAND:
        if (wp == kCloseCommand && traits_.dropClose) return 0;
        return OnSysCommand(wp, lp);
    case WM_ACTIVATE: {
        HWND main = MainWindowHandle();
        const WORD state = LOWORD(wp);
        const bool wanted =
            traits_.activateOnClick ? (state == WA_ACTIVE || state == WA_CLICKACTIVE) : state == WA_ACTIVE;
        if (main && wanted && !lp && !(traits_.activateOnClick && GetForegroundWindow() == main))
            SetForegroundWindow(main);
        break;
    }
    case WM_SHOWWINDOW:
        if (wp) {
            if (!filled_) {
                filled_ = true;
                Fill();
            }
            OnEveryShow();
        }
        break;
    default: break;
    }
    return CSyncActiveDialog::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::preview
