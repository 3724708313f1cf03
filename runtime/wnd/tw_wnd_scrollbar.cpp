// Skinned scroll bars of a window: the skin's scroll-bar element, the image
// of each bar part in each state, and the custom drawing of the parts
// (background under the part, then its image).
#include "model/elements/grip_properties.h"
#include "model/elements/scrollbar_properties.h"
#include "model/twf_skin.h"
#include "model/twf_obj.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/scroll/subclass_wnd.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/tw_wnd.h"

using namespace hexmoor::rt;

CTwfObj* CTWWnd::SetScrollBarSkin(CTwfSkin* skin, const std::wstring& name) {
    if (!skin) return nullptr;
    CTwfObj* element = skin->FindObject(kElemScrollbars, name);
    if (!element) element = skin->FindObject(kElemScrollbars, L"");
    scrollElement_ = element;
    return element;
}

void CTWWnd::UpdateScrollBarSizes() {
    if (!scrollHelper_) return;
    if (scrollElement_) {
        namespace sb = scrollbar_props;
        scrollHelper_->SetVertBarSize(int(scrollElement_->GetNumber(sb::kInternalVertWidth)),
                                      int(scrollElement_->GetNumber(sb::kInternalVertArrowHeight)));
        scrollHelper_->SetHorzBarSize(int(scrollElement_->GetNumber(sb::kInternalHorzHeight)),
                                      int(scrollElement_->GetNumber(sb::kInternalHorzArrowWidth)));
    } else {
        const int v = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
        scrollHelper_->SetVertBarSize(v, v);
        scrollHelper_->SetHorzBarSize(h, h);
    }
}

CMrgBitmap* CTWWnd::GetScrollBarPartImage(int bar, int part, int state, BOOL enabled) const {
    if (!scrollElement_) return nullptr;
    // Columns: hot, pressed, normal, disabled; the first set for stand-alone
    // scroll bars, the second for the bars of other windows.
    static constexpr WORD kControl[2][4][4] = {
        {{47, 45, 43, 49}, {55, 53, 51, 57}, {63, 61, 59, 65}, {0, 0, 42, 101}},
        {{81, 79, 77, 83}, {89, 87, 85, 91}, {96, 94, 93, 98}, {0, 0, 76, 100}},
    };
    static constexpr WORD kWindow[2][4][4] = {
        {{817, 816, 815, 818}, {821, 820, 819, 822}, {825, 824, 823, 826}, {0, 0, 814, 841}},
        {{830, 829, 828, 831}, {834, 833, 832, 835}, {838, 837, 836, 839}, {0, 0, 827, 840}},
    };
    if (bar != 0 && bar != 1) return nullptr;
    const int row = part == 0 ? 0 : part == 1 ? 1 : part == 5 ? 2 : 3;
    int column = enabled ? 2 : 3;
    if (enabled && row != 3) {
        if (state & CDIS_HOT)
            column = 0;
        else if (state & CDIS_SELECTED)
            column = 1;
    }
    const WORD id = (type_ == ctype::kScrollBar ? kControl : kWindow)[bar][row][column];
    return id ? scrollElement_->GetImage(id) : nullptr;
}

HBITMAP CTWWnd::BuildScrollBarBackground(NMCUSTOMDRAW* record, BOOL rebuild) {
    if (!rebuild && scrollBackground_) return scrollBackground_.Get();
    scrollBackground_.Reset();
    if (!record || !scrollElement_ || !scrollElement_->GetEnabled()) return nullptr;
    const RECT& item = record->rc;
    const int w = item.right - item.left, h = item.bottom - item.top;
    if (w <= 0 || h <= 0) return nullptr;
    // Compatible with the DC the part goes to (asking for the screen's DC
    // on every part costs more than the part's drawing).
    const HDC reference = record->hdc;
    hexmoor::win::WindowDC screen;
    if (!reference) screen = hexmoor::win::WindowDC(nullptr);
    const HDC like = reference ? reference : screen.Get();
    hexmoor::win::Bitmap bitmap(CreateCompatibleBitmap(like, w, h));
    hexmoor::win::MemoryDC dc(like);
    {
        hexmoor::win::SelectGuard select(dc.Get(), bitmap.Get());
        HWND reference = hWnd_;
        if (type_ == ctype::kListBox) {
            char cls[64] = {};
            const HWND parent = GetParent(hWnd_);
            GetClassNameA(parent, cls, sizeof cls);
            if (lstrcmpiA(cls, "ComboBox") == 0)
                reference = ((GetWindowLongPtrW(parent, GWL_STYLE) & 3) == CBS_SIMPLE) ? parent : nullptr;
        } else if (type_ == ctype::kDialog) {
            reference = nullptr;
        }
        PatBlt(dc.Get(), 0, 0, w, h, WHITENESS);
        if (reference) {
            CTWWnd* parentObject = GetSkinnedWindowObject(GetParent(reference));
            if (parentObject) {
                CWindowRect wr(hWnd_);
                RECT r{item.left + wr.left, item.top + wr.top, item.right + wr.left, item.bottom + wr.top};
                parentObject->EraseBackground(dc.Get(), hWnd_, &r);
            }
        }
        if (record->lItemlParam == 0 || record->lItemlParam == 1) {
            CMrgBitmap* image = GetScrollBarPartImage(int(record->lItemlParam), int(record->dwItemSpec),
                                                      int(record->uItemState), IsWindowEnabled(hWnd_));
            CTWDraw draw(dc.Get(), nullptr, FALSE);
            RECT all{0, 0, w, h};
            draw.DrawSkinImage(&all, image, FALSE, nullptr);
        }
    }
    scrollBackground_ = std::move(bitmap);
    return scrollBackground_.Get();
}

LRESULT CTWWnd::OnScrollBarCustomDraw(LRESULT, NMCUSTOMDRAW* record) {
    if (!scrollElement_) return 0;
    if (record->lItemlParam == -2) return CDRF_SKIPDEFAULT;
    if (!scrollElement_->GetEnabled()) return 0;
    if (record->dwDrawStage == CDDS_PREPAINT) return LONG(scrollElement_->GetEnabled()) > 0 ? CDRF_SKIPDEFAULT : 0;
    if (record->dwDrawStage == CDDS_POSTPAINT) return 0;
    if (record->lItemlParam == 3) {
        const HWND parent = GetParent(hWnd_);
        CTWWnd* parentObject = parent ? GetSkinnedWindowObject(parent) : nullptr;
        if (parent && IsWindowVisible(parent) && parentObject && parentObject->GetType() == ctype::kDialog) {
            hexmoor::win::SavedDC saved(record->hdc);
            IntersectClipRect(record->hdc, record->rc.left, record->rc.top, record->rc.right, record->rc.bottom);
            parentObject->EraseBackground(record->hdc, hWnd_, nullptr);
        } else if (CTwfObj* grip = FindSkinElementOfType(kElemGrip)) {
            CTWDraw draw(record->hdc, nullptr, FALSE);
            draw.DrawSkinImage(&record->rc, grip->GetImage(grip_props::kImage), FALSE, nullptr);
        }
        return CDRF_SKIPDEFAULT;
    }
    if (record->lItemlParam == 0 || record->lItemlParam == 1) {
        const HBITMAP bitmap = BuildScrollBarBackground(record, TRUE);
        if (bitmap) {
            CTWDraw draw(record->hdc, nullptr, FALSE);
            POINT at{record->rc.left, record->rc.top};
            draw.DrawBitmapAt(&at, bitmap);
        }
        return CDRF_SKIPDEFAULT;
    }
    return 0;
}
