#include "editor/preview/samples/fill_apply.h"

#include <commctrl.h>

#include <string>

#include "base/win/gdi.h"
#include "editor/preview/samples/sample_texts.h"
#include "framework/check_list_box.h"
#include "framework/window.h"

namespace hexmoor::preview {

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

void AddItems(HWND control, UINT add, UINT select, bool combo, int count) {
    for (int i = 0; i < count; ++i) {
        const std::wstring text = Wide(combo ? ComboItemText(i) : ListItemText(i));
        SendMessageW(control, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(control, select, 0, 0);
}

// Resizes a scroll bar in place to `thickness` across its length, keeping
// its other edges.
void SetThickness(HWND bar, HWND dialog, int thickness) {
    RECT r{};
    GetWindowRect(bar, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    const bool vertical = (GetWindowLongPtrW(bar, GWL_STYLE) & SBS_VERT) != 0;
    const int w = vertical ? thickness : r.right - r.left, h = vertical ? r.bottom - r.top : thickness;
    SetWindowPos(bar, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void ApplyFillPlan(HWND dialog, const std::vector<FillStep>& plan, fw::CheckListBox* checkList, HIMAGELIST tabImages) {
    for (const FillStep& step : plan) {
        HWND control = GetDlgItem(dialog, step.id);
        switch (step.op) {
        case FillOp::kListItems: AddItems(control, LB_ADDSTRING, LB_SETCURSEL, false, step.count); break;
        case FillOp::kComboItems: AddItems(control, CB_ADDSTRING, CB_SETCURSEL, true, step.count); break;
        case FillOp::kCheckListItems:
            if (!checkList) break;
            for (int i = 0; i < step.count; ++i) checkList->AddString(Wide(ListItemText(i)));
            SendMessageW(checkList->Handle(), LB_SETCURSEL, 0, 0);
            break;
        case FillOp::kCheck: SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0); break;
        case FillOp::kText: SetWindowTextA(control, kEditSampleText); break;
        case FillOp::kProgress:
            SendMessageW(control, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
            SendMessageW(control, PBM_SETPOS, step.value, 0);
            break;
        case FillOp::kSlider:
            SendMessageW(control, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
            SendMessageW(control, TBM_SETPOS, TRUE, step.value);
            break;
        case FillOp::kScrollBar:
            SetScrollRange(control, SB_CTL, 0, 100, FALSE);
            SetScrollPos(control, SB_CTL, step.value, TRUE);
            SetThickness(control, dialog, step.size);
            break;
        case FillOp::kWiden: {
            RECT r{};
            GetWindowRect(control, &r);
            SetWindowPos(control, nullptr, 0, 0, r.right - r.left + step.value, r.bottom - r.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case FillOp::kDisableChecks:
            if (checkList)
                for (int i = 0; i < step.count; ++i) checkList->Enable(i, false);
            break;
        case FillOp::kTabs:
            if (tabImages) SendMessageW(control, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tabImages));
            if (step.size) SendMessageW(control, TCM_SETITEMSIZE, 0, MAKELPARAM(step.size, step.size));
            for (int i = 0; i < step.count; ++i) {
                std::wstring text = Wide(TabText(i));
                TCITEMW item{};
                item.mask = TCIF_TEXT | TCIF_IMAGE;
                item.pszText = text.data();
                item.iImage = i % 4;
                SendMessageW(control, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
            }
            break;
        case FillOp::kDisable: EnableWindow(control, FALSE); break;
        }
    }
}

win::ImageList LoadSampleImages(UINT bitmapId, int size, COLORREF mask) {
    const win::Bitmap strip(static_cast<HBITMAP>(LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(bitmapId),
                                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_DEFAULTSIZE)));
    if (!strip) return {};
    win::ImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 4, 4));
    if (list) ImageList_AddMasked(list.Get(), strip.Get(), mask);
    return list;
}

namespace {
HTREEITEM Insert(HWND tree, HTREEITEM parent, const wchar_t* text, int image, int selected) {
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = const_cast<wchar_t*>(text);
    ins.item.iImage = image;
    ins.item.iSelectedImage = selected;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
}
} // namespace

void FillSampleTree(HWND tree, int image, int selectedImage) {
    HTREEITEM a = Insert(tree, TVI_ROOT, L"Expanded Node", image, selectedImage);
    Insert(tree, a, L"Tree Item", image, selectedImage);
    HTREEITEM b = Insert(tree, a, L"Collapsed Node", image, selectedImage);
    for (int i = 0; i < 2; ++i) Insert(tree, b, L"Tree Item", image, selectedImage);
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a));
    HTREEITEM c = Insert(tree, a, L"Collapsed Node", image, selectedImage);
    for (int i = 0; i < 2; ++i) Insert(tree, c, L"Tree Item", image, selectedImage);
    HTREEITEM d = Insert(tree, TVI_ROOT, L"Expanded Node", image, selectedImage);
    for (int i = 0; i < 2; ++i) Insert(tree, d, L"Tree Item", image, selectedImage);
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(d));
    SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(a));
}

void AddColourRows(HWND list, int columnWidth, bool allColumns) {
    for (int c = 0; c < 3; ++c) {
        std::wstring header = Wide(HeaderText(c));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = columnWidth;
        column.pszText = header.data();
        column.iSubItem = c;
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int r = 0; r < 6; ++r) {
        std::wstring name = Wide(ColourName(r));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = r;
        item.iImage = r;
        item.pszText = name.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (!allColumns) continue;
        for (int c = 1; c < 3; ++c) {
            LVITEMW cell{};
            cell.iSubItem = c;
            cell.pszText = name.data();
            SendMessageW(list, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&cell));
        }
    }
}

} // namespace hexmoor::preview
