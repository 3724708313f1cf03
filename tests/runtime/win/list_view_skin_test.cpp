// The skinned list view: report rows, selection focused and unfocused, full
// rows, hot item, grid lines, the icon view painted by the control over the
// skin background, an element stored disabled, the label edit left out of
// the selection, and the list switched off alone keeping its object.
#include <commctrl.h>

#include <set>
#include <string>

#include "model/twf_obj.h"
#include "runtime/controls/list_ctrl.h"
#include "runtime/logic/control_types.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/runtime/win/skin_pixels.h"

using namespace hexmoor::test;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

class ListViewSkinTest : public RuntimeTest {
protected:
    void SetUpSkin() {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        Skin().SolidImage(15, 366, ImageColour(366));
        Skin().SolidImage(15, 367, ImageColour(367));
        element_ = Skin().Element(15);
        element_->SetStoredEnabled(1); // as a skin file stores it
        for (int id : {372, 373, 374, 375, 626, 627, 628}) element_->SetColor(WORD(id), ImageColour(id));
        for (int id = 368; id <= 371; ++id) element_->SetNumber(WORD(id), 2);
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 460, 360, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
    }
    HWND AddView(DWORD style, int x, int y, int w, int h, int rows) {
        HWND view = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h,
                                    dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (int c = 0; c < 3; ++c) {
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH | LVCF_TEXT;
            column.cx = 60;
            column.pszText = const_cast<wchar_t*>(L"C");
            SendMessageW(view, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
        }
        for (int i = 0; i < rows; ++i) {
            const std::wstring text = L"r" + std::to_wstring(i);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<wchar_t*>(text.c_str());
            SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        return view;
    }
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        Repaint();
    }
    void Repaint() {
        Settle();
        RedrawWindow(dialog_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    static RECT ItemRect(HWND view, int item, int code) {
        RECT r{};
        r.left = code;
        SendMessageW(view, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static void Select(HWND view, int item, bool on) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        state.state = on ? LVIS_SELECTED : 0;
        SendMessageW(view, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
    }
    static COLORREF At(HWND view, int x, int y) { return CaptureClient(view).At(x, y) & 0xFFFFFF; }
    CTwfObj* element_ = nullptr;
    HWND dialog_ = nullptr;
};

} // namespace

TEST_F(ListViewSkinTest, ReportRowsSelectionGridAndHotItem) {
    SetUpSkin();
    HWND view = AddView(LVS_REPORT | LVS_SHOWSELALWAYS, 10, 10, 240, 200, 6);
    HWND other = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE, 300, 10, 60, 24, dialog_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    Select(view, 1, true);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(view), hexmoor::rt::ctype::kListView);
    auto* object = dynamic_cast<CTWListCtrl*>(GetSkinnedWindowObject(view));
    ASSERT_TRUE(object);
    SetFocus(view);
    Repaint();

    const RECT label = ItemRect(view, 1, LVIR_LABEL);
    const RECT row2 = ItemRect(view, 2, LVIR_BOUNDS);
    const int mid = (label.top + label.bottom) / 2;
    RECT client{};
    GetClientRect(view, &client);
    EXPECT_EQ(At(view, label.left + 1, mid), ImageColour(626)) << "focused selection";
    EXPECT_EQ(At(view, 150, mid), ImageColour(366)) << "selection only as wide as the text";
    EXPECT_EQ(At(view, 150, row2.top - 1), ImageColour(372)) << "grid line at the row boundary";
    EXPECT_EQ(At(view, 60, (row2.top + row2.bottom) / 2), ImageColour(372)) << "grid line at the column edge";
    const std::set<COLORREF> allowed{ImageColour(366), ImageColour(372), ImageColour(626)};
    RECT empty = ItemRect(view, 5, LVIR_BOUNDS);
    EXPECT_EQ(Foreign(CaptureClient(view), {0, empty.bottom + 1, client.right, client.bottom}, allowed), 0)
        << "empty rows: the skin only";

    SetFocus(other);
    Repaint();
    EXPECT_EQ(At(view, label.left + 1, mid), ImageColour(626)) << "unfocused with LVS_SHOWSELALWAYS";
    SetWindowLongPtrW(view, GWL_STYLE, GetWindowLongPtrW(view, GWL_STYLE) & ~LVS_SHOWSELALWAYS);
    Repaint();
    EXPECT_EQ(At(view, label.left + 1, mid), ImageColour(366)) << "unfocused without LVS_SHOWSELALWAYS";

    SetFocus(view);
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    Repaint();
    EXPECT_EQ(At(view, 150, mid), ImageColour(626)) << "full-row selection reaches the third column";
    EXPECT_EQ(At(view, 200, mid), ImageColour(366)) << "and stops at the columns' total width";

    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_TRACKSELECT, LVS_EX_TRACKSELECT);
    SendMessageW(view, LVM_SETHOTITEM, 1, 0);
    Repaint();
    if (SendMessageW(view, LVM_GETHOTITEM, 0, 0) == 1) {
        EXPECT_EQ(At(view, 150, mid), ImageColour(628)) << "hot selected row filled in the hot colour";
    }

    // Disabled window: grid lines in the disabled colour.
    EnableWindow(view, FALSE);
    Repaint();
    EXPECT_EQ(At(view, 150, row2.top - 1), ImageColour(373));
    EXPECT_EQ(At(view, 230, row2.top + 3), ImageColour(367)) << "disabled background";
    EnableWindow(view, TRUE);

    // Switched off alone: the object stays, the system draws.
    RemoveSkinFromWindow(view, 0);
    EXPECT_EQ(GetSkinnedWindowObject(view), object) << "the object is kept";
    EXPECT_TRUE(object->IsKeepingObject());
    Repaint();
    EXPECT_NE(At(view, 230, row2.top + 3), ImageColour(366)) << "no skin while switched off";
    ApplySkinToWindow(view, 0);
    EXPECT_FALSE(object->IsKeepingObject());
    Repaint();
    EXPECT_EQ(At(view, 230, row2.top + 3), ImageColour(366)) << "skinned again";
}

TEST_F(ListViewSkinTest, LabelEditHidesTheSelection) {
    SetUpSkin();
    HWND view = AddView(LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS, 10, 10, 240, 200, 4);
    SkinAll();
    auto* object = dynamic_cast<CTWListCtrl*>(GetSkinnedWindowObject(view));
    ASSERT_TRUE(object);
    SetFocus(view);
    Select(view, 2, true);
    Repaint();
    const RECT label = ItemRect(view, 2, LVIR_LABEL);
    const RECT row0 = ItemRect(view, 0, LVIR_LABEL);
    const int mid = (label.top + label.bottom) / 2;
    ASSERT_EQ(At(view, label.left + 1, mid), ImageColour(626));
    HWND edit = reinterpret_cast<HWND>(SendMessageW(view, LVM_EDITLABELW, 2, 0));
    ASSERT_TRUE(edit) << "Wine's list view opens its edit box";
    EXPECT_TRUE(object->IsLabelEditRequested());
    EXPECT_TRUE(object->IsLabelEditing()) << "at once";
    Settle();
    EXPECT_TRUE(object->IsLabelEditing())
        << IsWindow(edit) << " " << IsWindowVisible(edit) << " " << (GetFocus() == edit);
    Select(view, 0, true);
    Repaint();
    EXPECT_EQ(At(view, row0.left + 1, (row0.top + row0.bottom) / 2), ImageColour(366))
        << "no selection drawn while a label is edited";
    SendMessageW(view, LVM_CANCELEDITLABEL, 0, 0);
    Settle();
    EXPECT_FALSE(object->IsLabelEditing());
    Repaint();
    EXPECT_EQ(At(view, row0.left + 1, (row0.top + row0.bottom) / 2), ImageColour(626));
}

TEST_F(ListViewSkinTest, IconViewOverTheSkinAndElementStoredDisabled) {
    SetUpSkin();
    HWND icons = AddView(LVS_ICON, 10, 10, 200, 150, 3);
    HWND report = AddView(LVS_REPORT, 220, 10, 200, 150, 2);
    SkinAll();
    RECT client{};
    GetClientRect(icons, &client);
    // The control paints its items over the skin: no pixel of its own
    // background is left (item texts are black; there are no images).
    const PixelBuffer pixels = CaptureClient(icons);
    long window = 0, skin = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = pixels.At(x, y) & 0xFFFFFF;
            if (c == (GetSysColor(COLOR_WINDOW) & 0xFFFFFF)) ++window;
            if (c == ImageColour(366)) ++skin;
        }
    EXPECT_EQ(window, 0) << "the list's own background colour";
    EXPECT_GT(skin, client.right * client.bottom / 2);

    // An element stored switched off: the control draws everything itself.
    element_->SetStoredEnabled(0);
    Repaint();
    const RECT bounds = ItemRect(report, 1, LVIR_BOUNDS);
    EXPECT_NE(At(report, 150, bounds.bottom + 10), ImageColour(366));
    element_->SetStoredEnabled(1);
}
