#include "runtime/controls/tree_ctrl.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "base/win/gdi.h"
#include "model/elements/list_properties.h"
#include "model/twf_obj.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/edit.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/list_layout.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/scroll/control_scroll.h"
#include "runtime/scroll/subclass_wnd.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::win;
using namespace hexmoor::rt;
using namespace hexmoor::rt::lists;

namespace {

constexpr BorderedListIds kTreeIds{393, 394, 397, 398, 399, 400};
constexpr DWORD kLineStyles = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;

HTREEITEM Next(HWND tree, HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

// TVM_GETITEMRECT takes the item in the rectangle it fills.
RECT ItemRect(HWND tree, HTREEITEM item, BOOL textOnly) {
    RECT r{};
    std::memcpy(&r, &item, sizeof(item));
    SendMessageW(tree, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&r));
    return r;
}

// What one paint learns of the items' families: parents, depths and whether
// an item has a next sibling. Each question is a message to the control
// (costly under Wine), and the rows of a page share their ancestors, so each
// is asked once per paint.
class Family {
public:
    explicit Family(HWND tree) : tree_(tree) {}
    HTREEITEM Parent(HTREEITEM item) {
        const auto [it, added] = parent_.try_emplace(item, nullptr);
        if (added) it->second = Next(tree_, item, TVGN_PARENT);
        return it->second;
    }
    // 1 for a root item.
    int Depth(HTREEITEM item) {
        if (!item) return 0;
        if (const auto it = depth_.find(item); it != depth_.end()) return it->second;
        const int depth = Depth(Parent(item)) + 1;
        depth_[item] = depth;
        return depth;
    }
    // What the next visible item tells: when it shares the item's parent it
    // is the next sibling; when its parent is neither the item nor the
    // item's parent the item is the last of its siblings; a child of the
    // item tells nothing.
    void LearnFromNextVisible(HTREEITEM item, HTREEITEM nextVisible) {
        if (!nextVisible || next_.count(item)) return;
        const HTREEITEM parent = Parent(nextVisible);
        if (parent == item) return;
        next_[item] = parent == Parent(item);
    }
    bool HasNext(HTREEITEM item) {
        const auto [it, added] = next_.try_emplace(item, false);
        if (added) it->second = Next(tree_, item, TVGN_NEXT) != nullptr;
        return it->second;
    }

private:
    HWND tree_;
    std::unordered_map<HTREEITEM, HTREEITEM> parent_;
    std::unordered_map<HTREEITEM, int> depth_;
    std::unordered_map<HTREEITEM, bool> next_;
};

std::wstring ItemText(HWND tree, HTREEITEM item) {
    std::vector<wchar_t> buffer(256);
    for (;;) {
        TVITEMW tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = buffer.data();
        tv.cchTextMax = int(buffer.size());
        buffer[0] = 0;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        const size_t length = wcsnlen(buffer.data(), buffer.size());
        if (length + 1 < buffer.size() || buffer.size() >= 65536) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

// One pixel in every two, as the dotted lines of a tree are drawn.
void DottedVertical(HDC dc, int x, int top, int bottom) {
    for (int y = top + ((top & 1) ^ (x & 1)); y < bottom; y += 2) PatBlt(dc, x, y, 1, 1, PATCOPY);
}
void DottedHorizontal(HDC dc, int left, int right, int y) {
    for (int x = left + ((left & 1) ^ (y & 1)); x < right; x += 2) PatBlt(dc, x, y, 1, 1, PATCOPY);
}

} // namespace

CTWTreeCtrl::CTWTreeCtrl() : CTWBorderedList(kTreeIds) {}

void CTWTreeCtrl::MakeBoldFont() {
    const HFONT font = WindowFontOrDefault(hWnd_);
    LOGFONTW lf{};
    GetObjectW(font, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    boldFont_ = Font(CreateFontIndirectW(&lf));
}

void CTWTreeCtrl::RenewLineStyles() {
    const LONG_PTR style = GetWindowLongPtrW(hWnd_, GWL_STYLE);
    if (!(style & kLineStyles)) return;
    SetWindowLongPtrW(hWnd_, GWL_STYLE, style & ~LONG_PTR(kLineStyles));
    SetWindowLongPtrW(hWnd_, GWL_STYLE, style);
}

BOOL CTWTreeCtrl::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_) return TRUE;
    if (on) {
        if (!boldFont_) MakeBoldFont();
        char own[64] = {}, parent[64] = {};
        GetClassNameA(hWnd_, own, sizeof own);
        if (const HWND owner = GetParent(hWnd_)) GetClassNameA(owner, parent, sizeof parent);
        folderBrowser_ = IsFolderBrowserTree(VersionCode(), own, parent);
        if (folderBrowser_) {
            ChangeStyle(0, WS_BORDER);
            ChangeExStyle(WS_EX_CLIENTEDGE, 0);
            SendMessageW(hWnd_, TWM_SKINCHANGED, 1, 0);
        }
        const LONG_PTR style = GetWindowLongPtrW(hWnd_, GWL_STYLE);
        if ((style & TVS_CHECKBOXES) && !SendMessageW(hWnd_, TVM_GETIMAGELIST, TVSIL_STATE, 0)) {
            SetWindowLongPtrW(hWnd_, GWL_STYLE, style & ~LONG_PTR(TVS_CHECKBOXES));
            SetWindowLongPtrW(hWnd_, GWL_STYLE, style);
        }
    } else {
        if (folderBrowser_) RestoreStyles();
        SendMessageW(hWnd_, TWM_SKINCHANGED, 1, 0);
        boldFont_.Reset();
        RenewLineStyles();
    }
    return TRUE;
}

void CTWTreeCtrl::SetActive(BOOL on, WORD scope) {
    CTWWnd::SetActive(on, scope);
    if (hWnd_) RenewLineStyles();
}

void CTWTreeCtrl::Detach() {
    CTWBorderedList::Detach();
    boldFont_.Reset();
}

void CTWTreeCtrl::OnEnable() {
    if (scrollElement_ && scrollElement_->GetEnabled() && !scrollHelper_) {
        scrollHelper_ = std::make_unique<CTreeCtrlScroll>();
        scrollHelper_->SubclassWindow(hWnd_);
        UpdateScrollBarSizes();
        return;
    }
    SuspendSkinScrollbars(hWnd_, FALSE);
}

LRESULT CTWTreeCtrl::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    ::SetBkMode(dc, TRANSPARENT);
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void CTWTreeCtrl::StartLabelEdit(HWND edit, HTREEITEM item) {
    editWindow_ = edit;
    editedItem_ = item;
    CTWWnd* editObject = edit ? GetSkinnedWindowObject(edit) : nullptr;
    if (!editObject) return;
    if (auto* box = dynamic_cast<CTWEdit*>(editObject)) box->SetHostWindow(hWnd_);
    editObject->SetActive(FALSE, 0);
}

LRESULT CTWTreeCtrl::QuietDefault() {
    SetRedraw(FALSE);
    const LRESULT result = Default();
    SetRedraw(TRUE);
    // Switching redraw on makes the control set its scroll data again, and
    // Wine then paints its own bars over the skinned ones: they follow once
    // the control is done.
    if (scrollHelper_) PostMessageW(hWnd_, TWM_SYNCSCROLL, 0, 0);
    return result;
}

void CTWTreeCtrl::ForgetLabelEdit(HWND edit) {
    if (!edit || edit != editWindow_) return;
    editWindow_ = nullptr;
    editedItem_ = nullptr;
    InvalidateRect(hWnd_, nullptr, FALSE);
}

LRESULT CTWTreeCtrl::OnReflectedNotify(BOOL*, ReflectRecord* record) {
    if (!record || record->kind != 0 || !record->data) return 0;
    const auto* header = static_cast<const NMHDR*>(record->data);
    switch (header->code) {
    case TVN_BEGINLABELEDITA:
    case TVN_BEGINLABELEDITW:
        StartLabelEdit(reinterpret_cast<HWND>(SendMessageW(hWnd_, TVM_GETEDITCONTROL, 0, 0)),
                       reinterpret_cast<const NMTVDISPINFOW*>(header)->item.hItem);
        break;
    case TVN_ENDLABELEDITA:
    case TVN_ENDLABELEDITW:
        editWindow_ = nullptr;
        editedItem_ = nullptr;
        break;
    default: break;
    }
    return 0;
}

LRESULT CTWTreeCtrl::Paint(HDC given) {
    if (!element_) return 0;
    CClientRect client(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, TRUE);
    if (editWindow_ && IsWindow(editWindow_) && IsWindowVisible(editWindow_)) {
        // The open label edit box keeps its own pixels.
        RECT er{};
        GetWindowRect(editWindow_, &er);
        MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&er), 2);
        ExcludeClipRect(draw.GetTargetDC(), er.left, er.top, er.right, er.bottom);
    }
    const HDC dc = draw.GetDrawDC();
    DrawBackdrop(dc);
    PaintItems(dc);
    return 1;
}

void CTWTreeCtrl::PaintItems(HDC dc) {
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
    CClientRect client(hWnd_);
    const int indent = int(SendMessageW(hWnd_, TVM_GETINDENT, 0, 0));
    const int itemHeight = int(SendMessageW(hWnd_, TVM_GETITEMHEIGHT, 0, 0));
    const int scroll = (style & WS_HSCROLL) ? GetScrollPos(hWnd_, SB_HORZ) : 0;
    const auto normal = reinterpret_cast<HIMAGELIST>(SendMessageW(hWnd_, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    const auto stateList = reinterpret_cast<HIMAGELIST>(SendMessageW(hWnd_, TVM_GETIMAGELIST, TVSIL_STATE, 0));
    int iconW = 0, iconH = 0, stateW = 0, stateH = 0;
    if (normal) ImageList_GetIconSize(normal, &iconW, &iconH);
    if (stateList) ImageList_GetIconSize(stateList, &stateW, &stateH);
    const TreeMetrics m = TreeMetricsFor(iconW, normal != nullptr, indent, itemHeight);
    namespace tp = tree_props;
    const auto byState = [enabled](WORD normal, WORD disabled) { return enabled ? normal : disabled; };
    CMrgBitmap* collapsedImage =
        (style & TVS_HASBUTTONS) ? element_->GetImage(byState(tp::kBoxNormal, tp::kBoxDisabled)) : nullptr;
    CMrgBitmap* expandedImage = (style & TVS_HASBUTTONS)
                                    ? element_->GetImage(byState(tp::kExpandedBoxNormal, tp::kExpandedBoxDisabled))
                                    : nullptr;
    CMrgBitmap* hLine =
        (style & TVS_HASLINES) ? element_->GetImage(byState(tp::kHorLineNormal, tp::kHorLineDisabled)) : nullptr;
    CMrgBitmap* vLine =
        (style & TVS_HASLINES) ? element_->GetImage(byState(tp::kVertLineNormal, tp::kVertLineDisabled)) : nullptr;
    const COLORREF textColour = element_->GetColor(byState(tp::kTextNormal, tp::kTextDisabled));
    const COLORREF selectedText = element_->GetColor(byState(tp::kSelectedTextNormal, tp::kSelectedTextDisabled));
    const COLORREF selectionFill = element_->GetColor(byState(tp::kSelectionNormal, tp::kSelectionDisabled));
    const bool linesAtRoot = (style & TVS_LINESATROOT) != 0;

    SavedDC saved(dc);
    ::SetBkMode(dc, TRANSPARENT);
    const SelectGuard selectBrush(dc, GetStockObject(BLACK_BRUSH));
    const SelectGuard selectFont(dc, WindowFont(hWnd_));
    CTWDraw draw(dc, nullptr, FALSE);

    const int visible = int(SendMessageW(hWnd_, TVM_GETVISIBLECOUNT, 0, 0));
    bool previousMeets = true;
    int painted = 0;
    Family family(hWnd_);
    wchar_t textBuffer[256];
    HTREEITEM nextVisible = nullptr;
    for (HTREEITEM item = Next(hWnd_, nullptr, TVGN_FIRSTVISIBLE); item && (painted < visible || previousMeets);
         item = nextVisible, ++painted) {
        nextVisible = Next(hWnd_, item, TVGN_NEXTVISIBLE);
        if (style & TVS_HASLINES) family.LearnFromNextVisible(item, nextVisible);
        // State, images, children and (mostly) the text in one question.
        TVITEMW tv{};
        tv.mask = TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_TEXT;
        tv.stateMask = ~0u;
        tv.hItem = item;
        tv.pszText = textBuffer;
        tv.cchTextMax = int(std::size(textBuffer));
        textBuffer[0] = 0;
        SendMessageW(hWnd_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        const bool hasChildren = tv.cChildren >= 1;
        const HTREEITEM parent = family.Parent(item);
        const RECT label = ItemRect(hWnd_, item, TRUE);
        // The whole row shares the label's top and bottom.
        const RECT row{client.left, label.top, client.right, label.bottom};
        RECT meet{};
        previousMeets = IntersectRect(&meet, &row, &client) != FALSE;

        if (item != editedItem_) {
            const bool selected = (tv.state & TVIS_SELECTED) != 0;
            if (selected) {
                Brush fill(CreateSolidBrush(selectionFill));
                FillRect(dc, &label, fill.Get());
            }
            ::SetTextColor(dc, selected ? selectedText : textColour);
            SelectGuard selectBold;
            if ((tv.state & TVIS_BOLD) && boldFont_) selectBold = SelectGuard(dc, boldFont_.Get());
            // A text that fills the buffer may be longer: read it whole.
            const size_t length = wcsnlen(tv.pszText ? tv.pszText : textBuffer, std::size(textBuffer));
            const std::wstring text = length + 1 < std::size(textBuffer)
                                          ? std::wstring(tv.pszText ? tv.pszText : textBuffer, length)
                                          : ItemText(hWnd_, item);
            RECT textRect = label;
            DrawTextW(dc, text.c_str(), int(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            selectBold.Restore();
            if (selected) DrawFocusRect(dc, &label);
        }

        const int level = TreeLevel(family.Depth(item), linesAtRoot);
        const int itemX = level * indent - scroll;
        int x = itemX;
        const int top = row.top;
        if (stateList) {
            const int index = int((tv.state & TVIS_STATEIMAGEMASK) >> 12);
            if (index) {
                ImageList_DrawEx(stateList, index, dc, x, top + std::max(0, itemHeight - stateH), 0, 0, CLR_DEFAULT,
                                 CLR_DEFAULT, ILD_NORMAL);
                x += stateW;
            }
        }
        if (normal) {
            if (folderBrowser_) x += m.w2;
            const int image = (tv.state & TVIS_SELECTED) ? tv.iSelectedImage : tv.iImage;
            UINT flags = ILD_NORMAL | (tv.state & TVIS_OVERLAYMASK);
            if (tv.state & TVIS_CUT) flags |= ILD_BLEND50;
            ImageList_DrawEx(normal, image, dc, x, top + std::max(0, itemHeight - iconH) / 2, 0, 0, CLR_DEFAULT,
                             CLR_DEFAULT, flags);
        }

        const Point centre = TreeButtonCentre(itemX, indent, m, top);
        int bw = 9, bh = 9;
        CMrgBitmap* buttonImage = (tv.state & TVIS_EXPANDED) ? expandedImage : collapsedImage;
        if (buttonImage) {
            bw = buttonImage->GetWidth();
            bh = buttonImage->GetHeight();
        }
        const ButtonHalves halves = TreeButtonHalves(bw, bh);
        if ((style & TVS_HASLINES) && level > 0) {
            const int right = centre.x + halves.right;
            if (hLine) {
                const int lh = hLine->GetHeight();
                const RECT r{right, centre.y - lh / 2, itemX, centre.y + lh - lh / 2};
                draw.DrawSkinImage(&r, hLine, FALSE, nullptr);
            } else {
                DottedHorizontal(dc, centre.x, itemX, centre.y);
            }
        }
        if (style & TVS_HASLINES) {
            const int rowHeight = row.bottom - row.top;
            if (family.HasNext(item)) {
                if (vLine) {
                    const int lw = vLine->GetWidth();
                    const RECT r{centre.x - lw / 2, centre.y + halves.lower, centre.x + lw - lw / 2, top + rowHeight};
                    draw.DrawSkinImage(&r, vLine, FALSE, nullptr);
                } else {
                    DottedVertical(dc, centre.x, centre.y, row.bottom);
                }
            }
            if ((parent && level > 0) || Next(hWnd_, item, TVGN_PREVIOUS)) {
                if (vLine) {
                    const int lw = vLine->GetWidth();
                    const RECT r{centre.x - lw / 2, top, centre.x + lw - lw / 2, centre.y - halves.upper};
                    draw.DrawSkinImage(&r, vLine, FALSE, nullptr);
                } else {
                    DottedVertical(dc, centre.x, top, centre.y);
                }
            }
            HTREEITEM ancestor = linesAtRoot ? parent : (parent ? family.Parent(parent) : nullptr);
            for (; ancestor; ancestor = family.Parent(ancestor)) {
                if (!family.HasNext(ancestor)) continue;
                const int depth = family.Depth(ancestor);
                const int ax = TreeLevel(depth, linesAtRoot) * indent - scroll - indent + m.w2;
                if (vLine) {
                    const int lw = vLine->GetWidth();
                    const RECT r{ax - lw / 2, top, ax + lw - lw / 2, row.bottom};
                    draw.DrawSkinImage(&r, vLine, FALSE, nullptr);
                } else {
                    DottedVertical(dc, ax, top, row.bottom);
                }
            }
        }
        if ((style & TVS_HASBUTTONS) && hasChildren && level > 0 && !(folderBrowser_ && !parent)) {
            if (buttonImage) {
                const RECT r{centre.x - bw / 2, centre.y - bh / 2, centre.x - bw / 2 + bw, centre.y - bh / 2 + bh};
                draw.DrawSkinImage(&r, buttonImage, FALSE, nullptr);
            } else {
                const TreeButton button = TreeGdiButton(centre.x, centre.y, m.r, !(tv.state & TVIS_EXPANDED));
                const RECT square{button.square.left, button.square.top, button.square.right, button.square.bottom};
                Brush white(CreateSolidBrush(RGB(255, 255, 255)));
                FillRect(dc, &square, white.Get());
                FrameRect(dc, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                for (const Rect& bar : button.bars) {
                    const RECT b{bar.left, bar.top, bar.right, bar.bottom};
                    FillRect(dc, &b, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                }
            }
        }
    }
}

LRESULT CTWTreeCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 1;
    case WM_PRINT:
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case WM_MOVE:
        GetBackgroundBitmap(TRUE);
        RepaintBorder();
        break;
    case WM_SIZE: return Default();
    case WM_ENABLE: {
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return result;
    }
    case WM_SETFONT: {
        const LRESULT result = Default();
        MakeBoldFont();
        return result;
    }
    case WM_KEYDOWN: {
        const HTREEITEM selected = Next(hWnd_, nullptr, TVGN_CARET);
        UINT state = 0;
        bool hasChildren = false;
        if (selected) {
            TVITEMW tv{};
            tv.mask = TVIF_STATE | TVIF_CHILDREN;
            tv.stateMask = TVIS_EXPANDED;
            tv.hItem = selected;
            SendMessageW(hWnd_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
            state = tv.state;
            hasChildren = tv.cChildren >= 1;
        }
        const LRESULT result = Default();
        const bool expanded = (state & TVIS_EXPANDED) != 0;
        if (wp == VK_HOME || wp == VK_END || wp == VK_PRIOR || wp == VK_NEXT ||
            (hasChildren && ((wp == VK_RIGHT && !expanded) || (wp == VK_LEFT && expanded))))
            RedrawNow(FALSE);
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        TVHITTESTINFO hit{};
        hit.pt = POINT{short(LOWORD(lp)), short(HIWORD(lp))};
        SendMessageW(hWnd_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        QuietDefault();
        if (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON)) {
            RedrawNow(FALSE);
            if ((hit.flags & TVHT_ONITEM) && (GetWindowLongPtrW(hWnd_, GWL_STYLE) & TVS_SINGLEEXPAND)) RedrawNow(FALSE);
        }
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case TVM_EXPAND: {
        const LRESULT result = QuietDefault();
        RedrawNow(FALSE);
        return result;
    }
    case TVM_SETIMAGELIST: {
        const LRESULT result = Default();
        if (lp) ImageList_SetBkColor(reinterpret_cast<HIMAGELIST>(lp), CLR_NONE);
        return result;
    }
    case TVM_EDITLABELA:
    case TVM_EDITLABELW: {
        const LRESULT result = CTWWnd::WindowProc(msg, wp, lp);
        if (result) {
            StartLabelEdit(reinterpret_cast<HWND>(result), reinterpret_cast<HTREEITEM>(lp));
            InvalidateRect(reinterpret_cast<HWND>(result), nullptr, TRUE);
        }
        return result;
    }
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        RepaintBorder();
        break;
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); break;
    case TWM_ISCONTROL: return 1;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
