// The common window procedure and the base message handling of skinned
// windows: dispatch to the object, the skin-change messages, reflection of
// child notifications, and safe teardown when a window is destroyed while
// its messages are still on the stack.
#include <vector>

#include "base/win/gdi.h"
#include "model/twf_obj.h"
#include "runtime/controls/popup_menu.h"
#include "runtime/logic/control_types.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/orphan_links.h"
#include "runtime/wnd/tw_wnd.h"

using namespace hexmoor::rt;

namespace {

thread_local MSG g_current{};
// Objects whose window was forgotten while one of their messages was still
// being handled; freed when the outermost call over them returns.
thread_local std::vector<std::unique_ptr<CTWWnd>> g_deferred;

bool HasFrameStyle(HWND hwnd) {
    const DWORD style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
    return (style & WS_CAPTION) == WS_CAPTION || (style & WS_DLGFRAME) || (style & WS_THICKFRAME);
}

bool PassesKeyboardTest(CTWWnd* object) {
    return IsSkinActive(object->GetSkinId()) && (object->IsActive() || object->GetType() == ctype::kWindow);
}

} // namespace

const MSG& CurrentMessage() { return g_current; }

void FreeIfUnwound(CTWWnd* object) {
    if (object->NestingDepth() > 0) return;
    for (auto it = g_deferred.begin(); it != g_deferred.end(); ++it) {
        if (it->get() == object) {
            std::unique_ptr<CTWWnd> doomed = std::move(*it);
            g_deferred.erase(it);
            return; // deleted here, after the vector no longer refers to it
        }
    }
}

void DeleteWhenUnwound(std::unique_ptr<CTWWnd> object) {
    if (!object) return;
    if (object->NestingDepth() == 0) return; // nothing on the stack: freed here
    g_deferred.push_back(std::move(object));
}

// Keeps the object's nesting count and the thread's current-message record
// for the length of one call.
class TWWndProcFrame {
public:
    TWWndProcFrame(CTWWnd* object, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) : object_(object), saved_(g_current) {
        ++object_->depth_;
        g_current.hwnd = hwnd;
        g_current.message = msg;
        g_current.wParam = wp;
        g_current.lParam = lp;
    }
    ~TWWndProcFrame() {
        g_current = saved_;
        --object_->depth_;
        FreeIfUnwound(object_);
    }
    TWWndProcFrame(const TWWndProcFrame&) = delete;
    TWWndProcFrame& operator=(const TWWndProcFrame&) = delete;

private:
    CTWWnd* object_;
    MSG saved_;
};

LRESULT CALLBACK TWWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CTWWnd* object = FindWindowObject(hwnd);
    // The object let go while another subclasser still leads here: keep
    // the window working by forwarding to the procedure we replaced.
    if (!object) return ForwardOrphanMessage(hwnd, &TWWndProc, msg, wp, lp);
    TWWndProcFrame frame(object, hwnd, msg, wp, lp);

    switch (msg) {
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = object->WindowProc(msg, wp, lp);
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (pos && !(pos->flags & SWP_NOMOVE) && !GetSkinnedFrameObject(hwnd))
            object->WindowProc(TWM_REFRESHSKIN, 1, 0);
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = object->WindowProc(msg, wp, lp);
        if (wp != SIZE_MINIMIZED && object->GetSkinObject()) {
            object->WindowProc(TWM_REFRESHSKIN, 0, 0);
            for (HWND child = GetTopWindow(hwnd); child; child = GetWindow(child, GW_HWNDNEXT))
                SendMessageW(child, TWM_BACKGROUNDCHANGED, wp, lp);
        }
        return result;
    }
    case WM_PAINT:
        if (!object->IsPaintEnabled()) {
            const hexmoor::win::PaintScope validate(hwnd);
        } else {
            object->WindowProc(msg, wp, lp);
        }
        return 0;
    case TWM_SKINCHANGED: {
        object->WindowProc(msg, wp, lp);
        UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;
        if (object->GetMode() == host::kVisualBasic6) {
            flags |= RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW;
        } else if (object->GetMode() == host::kWinForms || object->GetMode() == host::kDelphi) {
            flags |= RDW_UPDATENOW | RDW_ERASENOW;
        }
        RedrawWindow(hwnd, nullptr, nullptr, flags);
        if (wp)
            SetWindowPos(
                hwnd, nullptr, 0, 0, 0, 0,
                SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_UNINITMENUPOPUP:
        SetMenuOwnerWindow(hwnd);
        if (IsSkinActive(object->GetSkinId()) && object->GetMode() == host::kWinForms &&
            CWndExStyle(hwnd).Has(WS_EX_RIGHT))
            return 0;
        return object->WindowProc(msg, wp, lp);
    case WM_NCDESTROY: {
        const LRESULT result = object->WindowProc(msg, wp, lp);
        if (State().explicitMode) {
            if (CTWControlsManager* manager = CListOfCtrlManagers::Find(GetCurrentThreadId()))
                manager->RemoveControl(hwnd);
        }
        return result;
    }
    case WM_NCPAINT: {
        const DWORD style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
        CTwfObj* bars = object->GetScrollBarSkin();
        if ((style & (WS_HSCROLL | WS_VSCROLL)) && (!bars || !bars->GetEnabled()))
            object->DefWindowProc(WM_NCPAINT, wp, lp);
        return object->WindowProc(msg, wp, lp);
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const WORD flags = HIWORD(lp);
        if ((flags & KF_ALTDOWN) && !(flags & KF_REPEAT) && (wp == VK_MENU || wp == VK_F10)) return 0;
        // Keyboard selection in a skinned menu bar is the menu bar's own
        // business, once a menu bar is skinned on this window.
        return object->WindowProc(msg, wp, lp);
    }
    case WM_SYSKEYUP:
        if (wp == VK_MENU || wp == VK_F10) {
            PostMessageW(hwnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
            return 0;
        }
        return object->WindowProc(msg, wp, lp);
    case WM_SYSCOMMAND:
        if (wp == SC_KEYMENU && PassesKeyboardTest(object)) {
            const HWND foreground = GetForegroundWindow();
            // A menu bar on this very window has seen the message already
            // (it subclasses the window above us): handing it over again
            // would loop.
            CTWWnd* target = foreground && foreground != hwnd ? GetSkinnedMenuBarObject(foreground) : nullptr;
            if (!target && foreground) target = GetSkinnedWindowObject(foreground);
            if (target) return target->WindowProc(WM_SYSCOMMAND, SC_KEYMENU, lp);
        }
        return object->WindowProc(msg, wp, lp);
    case WM_MENUSELECT: {
        // The system has drawn its selection by now: the skinned popups
        // bring their items up to date.
        const LRESULT result = object->WindowProc(msg, wp, lp);
        SyncSkinnedPopups();
        return (HIWORD(wp) & MF_POPUP) ? 0 : result;
    }
    default: return object->WindowProc(msg, wp, lp);
    }
}

LRESULT CTWWnd::Reflect(int kind, const void* data, HWND child, UINT msg, WPARAM wp, LPARAM lp) {
    // The parent forwards the notification to the object of the child that
    // sent it, when both are skinned and switched on.
    if (IsSkinActive(skinId_) && active_ && child) {
        CTWWnd* childObject = GetSkinnedWindowObject(child);
        if (childObject && childObject->IsActive()) {
            CTwfObj* element = FindSkinElement(WORD(childObject->GetType()), childObject->GetElementName());
            if (element && element->GetEnabled()) {
                ReflectRecord record;
                record.data = data;
                record.kind = kind;
                if (kind == 3) {
                    record.lParam = lp;
                    record.parentOldProc = oldProc_.previous;
                    record.itemWindow = child;
                }
                BOOL handled = FALSE;
                const LRESULT result = kind == 1 ? childObject->OnReflectedCommand(&handled, &record)
                                                 : childObject->OnReflectedNotify(&handled, &record);
                if (handled) return result;
            }
        }
    }
    return DefWindowProc(msg, wp, lp);
}

LRESULT CTWWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!active_ || !IsSkinActive(skinId_) || !element_) return DefWindowProc(msg, wp, lp);
    if (!element_->GetEnabled() && elementName_.empty()) return DefWindowProc(msg, wp, lp);

    switch (msg) {
    case WM_SYSCOLORCHANGE:
        RedrawWindow(hWnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        return DefWindowProc(msg, wp, lp);
    case WM_COMMAND:
        if (lp) {
            const CommandData data{reinterpret_cast<HWND>(lp), LOWORD(wp), HIWORD(wp)};
            return Reflect(1, &data, data.control, msg, wp, lp);
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (!header) break;
        if (header->code == NM_TWSB_CUSTOMDRAW) {
            const LRESULT marker = SendMessageW(header->hwndFrom, TWM_ISSKINNED, 0, 0);
            if (marker) return OnScrollBarCustomDraw(marker, reinterpret_cast<NMCUSTOMDRAW*>(lp));
            break;
        }
        return Reflect(0, header, header->hwndFrom, msg, wp, lp);
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (!item) break;
        struct {
            HWND window;
            WPARAM wParam;
            UINT message;
        } data{item->hwndItem, wp, msg};
        return Reflect(3, &data, item->hwndItem, msg, wp, lp);
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        const HWND child = reinterpret_cast<HWND>(lp);
        CTWWnd* childObject = child ? GetSkinnedWindowObject(child) : nullptr;
        if (childObject && childObject->IsActive()) {
            CTwfObj* element = FindSkinElement(WORD(childObject->GetType()), childObject->GetElementName());
            if (element && element->GetEnabled()) {
                BOOL handled = FALSE;
                const LRESULT result = childObject->OnReflectedCtlColor(&handled, reinterpret_cast<HDC>(wp), hWnd_);
                if (handled) return result;
            }
        }
        break;
    }
    case WM_NCCALCSIZE:
        if (!HasFrameStyle(hWnd_)) return OnNcCalcSize(BOOL(wp), lp);
        break;
    case WM_NCPAINT:
        if (!HasFrameStyle(hWnd_)) return OnNcPaint(nullptr);
        break;
    case WM_PRINT:
        if ((lp & PRF_NONCLIENT) && !HasFrameStyle(hWnd_)) {
            const LRESULT result = Default();
            OnNcPaint(reinterpret_cast<HDC>(wp));
            return result;
        }
        break;
    case TWM_ISSKINNED: return SkinnedWindowMarker();
    case TWM_ISCONTROL: return 0;
    default: break;
    }
    return DefWindowProc(msg, wp, lp);
}
