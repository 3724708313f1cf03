// The skinned list view: report rows, selection focused and unfocused, full
// rows, hot item, grid lines, the icon view painted by the control over the
// skin background, an element stored disabled, the label edit left out of
// the selection, and the list switched off alone keeping its object.
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/twf_obj.h"
#include "runtime/controls/edit.h"
#include "runtime/controls/list_ctrl.h"
#include "runtime/logic/control_types.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/runtime/win/skinned_bars.h"
#include "tests/runtime/win/solid_image_list.h"

using namespace hexmoor::test;

namespace {

// A layer under the skinned object that records what reaches the control:
// the kind of DC each WM_PAINT carries (0 for none) and WM_SETREDRAW.
struct ControlLog {
    std::vector<std::pair<UINT, DWORD>> messages;
};
ControlLog g_controlLog;
WNDPROC g_viewPrevious = nullptr;
LRESULT CALLBACK RecordingLayer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT)
        g_controlLog.messages.push_back({msg, wp ? GetObjectType(reinterpret_cast<HDC>(wp)) : 0});
    else if (msg == WM_SETREDRAW)
        g_controlLog.messages.push_back({msg, DWORD(wp)});
    return CallWindowProcW(g_viewPrevious, hwnd, msg, wp, lp);
}

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

class ListViewSkinTest : public RuntimeTest {
protected:
    void SetUpSkin(bool bars = false, bool explicitMode = true) {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        StartRuntime(explicitMode, explicitMode ? 0 : 1);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        if (bars) AddBarImages(Skin());
        Skin().SolidImage(15, 366, IdColour(366));
        Skin().SolidImage(15, 367, IdColour(367));
        element_ = Skin().Element(15);
        element_->SetStoredEnabled(1); // as a skin file stores it
        for (int id : {372, 373, 374, 375, 626, 627, 628}) element_->SetColor(WORD(id), IdColour(id));
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
        Repaint(dialog_);
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
    Repaint(dialog_);

    const RECT label = ItemRect(view, 1, LVIR_LABEL);
    const RECT row2 = ItemRect(view, 2, LVIR_BOUNDS);
    const int mid = (label.top + label.bottom) / 2;
    RECT client{};
    GetClientRect(view, &client);
    EXPECT_EQ(At(view, label.left + 1, mid), IdColour(626)) << "focused selection";
    EXPECT_EQ(At(view, 150, mid), IdColour(366)) << "selection only as wide as the text";
    EXPECT_EQ(At(view, 150, row2.top - 1), IdColour(372)) << "grid line at the row boundary";
    EXPECT_EQ(At(view, 60, (row2.top + row2.bottom) / 2), IdColour(372)) << "grid line at the column edge";
    const std::set<COLORREF> allowed{IdColour(366), IdColour(372), IdColour(626)};
    RECT empty = ItemRect(view, 5, LVIR_BOUNDS);
    EXPECT_EQ(Foreign(CaptureClient(view), {0, empty.bottom + 1, client.right, client.bottom}, allowed), 0)
        << "empty rows: the skin only";

    SetFocus(other);
    Repaint(dialog_);
    EXPECT_EQ(At(view, label.left + 1, mid), IdColour(626)) << "unfocused with LVS_SHOWSELALWAYS";
    SetWindowLongPtrW(view, GWL_STYLE, GetWindowLongPtrW(view, GWL_STYLE) & ~LVS_SHOWSELALWAYS);
    Repaint(dialog_);
    EXPECT_EQ(At(view, label.left + 1, mid), IdColour(366)) << "unfocused without LVS_SHOWSELALWAYS";

    SetFocus(view);
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    Repaint(dialog_);
    EXPECT_EQ(At(view, 150, mid), IdColour(626)) << "full-row selection reaches the third column";
    EXPECT_EQ(At(view, 200, mid), IdColour(366)) << "and stops at the columns' total width";

    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_TRACKSELECT, LVS_EX_TRACKSELECT);
    SendMessageW(view, LVM_SETHOTITEM, 1, 0);
    Repaint(dialog_);
    if (SendMessageW(view, LVM_GETHOTITEM, 0, 0) == 1) {
        EXPECT_EQ(At(view, 150, mid), IdColour(628)) << "hot selected row filled in the hot colour";
    }

    // Disabled window: grid lines in the disabled colour.
    EnableWindow(view, FALSE);
    Repaint(dialog_);
    EXPECT_EQ(At(view, 150, row2.top - 1), IdColour(373));
    EXPECT_EQ(At(view, 230, row2.top + 3), IdColour(367)) << "disabled background";
    EnableWindow(view, TRUE);

    // Switched off alone: the object stays, the system draws.
    RemoveSkinFromWindow(view, 0);
    EXPECT_EQ(GetSkinnedWindowObject(view), object) << "the object is kept";
    EXPECT_TRUE(object->IsKeepingObject());
    Repaint(dialog_);
    EXPECT_NE(At(view, 230, row2.top + 3), IdColour(366)) << "no skin while switched off";
    ApplySkinToWindow(view, 0);
    EXPECT_FALSE(object->IsKeepingObject());
    Repaint(dialog_);
    EXPECT_EQ(At(view, 230, row2.top + 3), IdColour(366)) << "skinned again";
}

TEST_F(ListViewSkinTest, LabelEditHidesTheSelection) {
    SetUpSkin();
    HWND view = AddView(LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS, 10, 10, 240, 200, 4);
    SkinAll();
    auto* object = dynamic_cast<CTWListCtrl*>(GetSkinnedWindowObject(view));
    ASSERT_TRUE(object);
    SetFocus(view);
    Select(view, 2, true);
    Repaint(dialog_);
    const RECT label = ItemRect(view, 2, LVIR_LABEL);
    const RECT row0 = ItemRect(view, 0, LVIR_LABEL);
    const int mid = (label.top + label.bottom) / 2;
    ASSERT_EQ(At(view, label.left + 1, mid), IdColour(626));
    HWND edit = reinterpret_cast<HWND>(SendMessageW(view, LVM_EDITLABELW, 2, 0));
    ASSERT_TRUE(edit) << "Wine's list view opens its edit box";
    EXPECT_TRUE(object->IsLabelEditRequested());
    EXPECT_TRUE(object->IsLabelEditing()) << "at once";
    Settle();
    EXPECT_TRUE(object->IsLabelEditing())
        << IsWindow(edit) << " " << IsWindowVisible(edit) << " " << (GetFocus() == edit);
    Select(view, 0, true);
    Repaint(dialog_);
    EXPECT_EQ(At(view, row0.left + 1, (row0.top + row0.bottom) / 2), IdColour(366))
        << "no selection drawn while a label is edited";
    SendMessageW(view, LVM_CANCELEDITLABEL, 0, 0);
    Settle();
    EXPECT_FALSE(object->IsLabelEditing());
    Repaint(dialog_);
    EXPECT_EQ(At(view, row0.left + 1, (row0.top + row0.bottom) / 2), IdColour(626));
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
            if (c == IdColour(366)) ++skin;
        }
    EXPECT_EQ(window, 0) << "the list's own background colour";
    EXPECT_GT(skin, client.right * client.bottom / 2);

    // An element stored switched off: the control draws everything itself.
    element_->SetStoredEnabled(0);
    Repaint(dialog_);
    const RECT bounds = ItemRect(report, 1, LVIR_BOUNDS);
    EXPECT_NE(At(report, 150, bounds.bottom + 10), IdColour(366));
    element_->SetStoredEnabled(1);
}

TEST_F(ListViewSkinTest, ScrollDataAndBarsFollowKeysWheelClicksAndThumb) {
    SetUpSkin(true);
    // Three 60-pixel columns in a narrower view: both bars.
    HWND view = AddView(LVS_REPORT | LVS_SHOWSELALWAYS, 10, 10, 150, 160, 40);
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    Select(view, 0, true);
    SkinAll();
    SetFocus(view);
    ASSERT_TRUE(BarsInStep(view)) << "after skinning";
    // Nothing but the skin in the client area either: background, grid,
    // selection (its focus frame inverts it) and the skin's text colours.
    std::set<COLORREF> client{IdColour(366),
                              IdColour(372),
                              IdColour(374),
                              IdColour(626),
                              IdColour(627),
                              IdColour(628),
                              ~IdColour(626) & 0xFFFFFF};
    auto clientForeign = [&] {
        RECT c{};
        GetClientRect(view, &c);
        HWND header = reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0));
        RECT h{};
        GetClientRect(header, &h);
        c.top = h.bottom;
        return Foreign(CaptureClient(view), c, client);
    };

    const int top = int(SendMessageW(view, LVM_GETTOPINDEX, 0, 0));
    SendMessageW(view, WM_KEYDOWN, VK_NEXT, 0);
    SendMessageW(view, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_TRUE(BarsInStep(view)) << "Page Down";
    EXPECT_GT(SendMessageW(view, LVM_GETTOPINDEX, 0, 0), top);
    SendMessageW(view, WM_KEYDOWN, VK_END, 0);
    EXPECT_TRUE(BarsInStep(view)) << "End";
    SendMessageW(view, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_TRUE(BarsInStep(view)) << "Home";
    SendMessageW(view, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(60, 60));
    EXPECT_TRUE(BarsInStep(view)) << "wheel";
    EXPECT_EQ(clientForeign(), 0) << "client after the wheel";

    // A click on a row (the control's drag detection sees the release).
    const RECT row = ItemRect(view, int(SendMessageW(view, LVM_GETTOPINDEX, 0, 0)) + 2, LVIR_BOUNDS);
    PostMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(20, (row.top + row.bottom) / 2));
    SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, (row.top + row.bottom) / 2));
    EXPECT_TRUE(BarsInStep(view)) << "click on a row";
    EXPECT_EQ(clientForeign(), 0) << "client after the click";

    ASSERT_TRUE(ClickForwardArrow(view, SB_VERT));
    EXPECT_TRUE(BarsInStep(view)) << "down arrow";
    ASSERT_TRUE(ClickForwardArrow(view, SB_HORZ));
    EXPECT_TRUE(BarsInStep(view)) << "right arrow";
    SCROLLINFO h{sizeof(h), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(view, SB_HORZ, &h);
    EXPECT_GT(h.nPos, 0) << "the right arrow scrolled the columns";

    const int before = int(SendMessageW(view, LVM_GETTOPINDEX, 0, 0));
    ASSERT_TRUE(DragVerticalThumb(view, 40));
    EXPECT_TRUE(BarsInStep(view)) << "thumb drag";
    EXPECT_GT(SendMessageW(view, LVM_GETTOPINDEX, 0, 0), before) << "the drag scrolled the rows";
    EXPECT_EQ(clientForeign(), 0) << "client after the drag";

    // Items deleted until the rows fit, the pointer still where the drag
    // left it: the vertical bar goes from under it, and Wine ends its own
    // hover tracking of the bars (WM_NCMOUSELEAVE, a system timer later) by
    // painting its horizontal bar.
    for (int i = 0; i < 34; ++i) SendMessageW(view, LVM_DELETEITEM, 0, 0);
    const DWORD end = GetTickCount() + 400;
    while (int(end - GetTickCount()) > 0) {
        PumpMessages();
        Sleep(20);
    }
    EXPECT_TRUE(BarsInStep(view)) << "deleted items";
}

TEST_F(ListViewSkinTest, ActivateStylesUnderlineTheHotOrTheSelectedRows) {
    SetUpSkin();
    HWND view = AddView(LVS_REPORT | LVS_SHOWSELALWAYS, 10, 10, 240, 200, 5);
    for (int row = 0; row < 5; ++row) {
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = const_cast<wchar_t*>(L"HHHHH");
        SendMessageW(view, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    SkinAll();
    SetFocus(view);
    // Pixels of a colour inside a row's label: an underline adds a line as
    // wide as the text.
    auto inked = [&](int row, int id) {
        const RECT label = ItemRect(view, row, LVIR_LABEL);
        const PixelBuffer pixels = CaptureClient(view);
        long count = 0;
        for (int y = label.top; y < label.bottom; ++y)
            for (int x = label.left; x < label.right; ++x)
                if ((pixels.At(x, y) & 0xFFFFFF) == IdColour(id)) ++count;
        return count;
    };
    const RECT label = ItemRect(view, 0, LVIR_LABEL);
    const HDC dc = GetDC(view);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(view, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, L"HHHHH", 5, &extent);
    SelectObject(dc, old);
    ReleaseDC(view, dc);
    ASSERT_LT(extent.cx, label.right - label.left);

    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, LVS_EX_UNDERLINEHOT | LVS_EX_ONECLICKACTIVATE);
    SendMessageW(view, LVM_SETHOTITEM, 1, 0);
    Repaint(dialog_);
    if (SendMessageW(view, LVM_GETHOTITEM, 0, 0) == 1) {
        EXPECT_GE(inked(1, 628) - inked(3, 374), extent.cx - 2) << "the hot row is underlined in the hot colour";
    } else {
        ADD_FAILURE() << "Wine's list view kept no hot item";
    }
    // Underline cold: a selected row that is not hot; the hot row is not.
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, LVS_EX_UNDERLINECOLD | LVS_EX_TWOCLICKACTIVATE);
    SendMessageW(view, LVM_SETHOTITEM, 1, 0);
    Select(view, 2, true);
    Repaint(dialog_);
    EXPECT_GE(inked(2, 627) - inked(3, 374), extent.cx - 2) << "the selected row is underlined";
    EXPECT_LT(std::abs(inked(1, 628) - inked(3, 374)), extent.cx / 2) << "the hot row is not underlined";
    // Neither style alone underlines.
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, LVS_EX_UNDERLINECOLD);
    Repaint(dialog_);
    EXPECT_LT(std::abs(inked(2, 627) - inked(3, 374)), extent.cx / 2) << "underline cold without two-click activate";
}

TEST_F(ListViewSkinTest, RequestedLabelEditKeepsTheSystemLookAndKnowsItsList) {
    // Ordinary mode, skinning on by default: every window gets its skinned
    // object, switched on, as it is created.
    SetUpSkin(false, false);
    Skin().SolidImage(3, 10, IdColour(10));
    HWND view = AddView(LVS_REPORT | LVS_EDITLABELS, 10, 10, 240, 200, 4);
    SkinAll();
    auto* object = dynamic_cast<CTWListCtrl*>(GetSkinnedWindowObject(view));
    ASSERT_TRUE(object);
    SetFocus(view);
    HWND edit = reinterpret_cast<HWND>(SendMessageW(view, LVM_EDITLABELW, 1, 0));
    ASSERT_TRUE(edit);
    auto* box = dynamic_cast<CTWEdit*>(GetSkinnedWindowObject(edit));
    ASSERT_TRUE(box) << "the edit box is skinned at creation";
    EXPECT_FALSE(box->IsActive()) << "a requested label edit keeps the system look";
    EXPECT_FALSE(object->IsLabelEditRequested()) << "the edit box took the request";
    EXPECT_EQ(box->GetHostWindow(), view) << "told its owner list";
    SendMessageW(view, LVM_CANCELEDITLABEL, 0, 0);
    Settle();

    // An edit box the application puts into the list itself stays skinned.
    HWND own = CreateWindowExW(0, L"EDIT", L"own", WS_CHILD | WS_VISIBLE, 20, 60, 100, 20, view, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    auto* ownBox = dynamic_cast<CTWEdit*>(GetSkinnedWindowObject(own));
    ASSERT_TRUE(ownBox);
    EXPECT_TRUE(ownBox->IsActive());
    EXPECT_EQ(ownBox->GetHostWindow(), nullptr);
}

TEST_F(ListViewSkinTest, StateImagesLeftOfTheSmallImages) {
    SetUpSkin();
    constexpr int kState = 12, kIcon = 14;
    HWND view = AddView(LVS_REPORT, 10, 10, 240, 200, 4);
    // A list view's state index 1 is image 0 of its state list.
    SendMessageW(view, LVM_SETIMAGELIST, LVSIL_STATE,
                 reinterpret_cast<LPARAM>(SolidImageList(kState, {RGB(250, 10, 10), RGB(10, 250, 10)})));
    SendMessageW(view, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(SolidImageList(kIcon, {RGB(10, 10, 250)})));
    for (int row = 0; row < 3; ++row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE | LVIF_STATE;
        item.iItem = row;
        item.iImage = 0;
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(row);
        SendMessageW(view, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SkinAll();
    const PixelBuffer pixels = CaptureClient(view);
    const COLORREF expected[] = {IdColour(366), RGB(250, 10, 10), RGB(10, 250, 10)};
    for (int row = 0; row < 3; ++row) {
        const RECT icon = ItemRect(view, row, LVIR_ICON);
        const int mid = (icon.top + icon.bottom) / 2;
        EXPECT_EQ(pixels.At((icon.left + icon.right) / 2, mid) & 0xFFFFFF, RGB(10, 10, 250)) << row;
        // Right edge one pixel left of the icon, from the row's top.
        const RECT bounds = ItemRect(view, row, LVIR_BOUNDS);
        EXPECT_EQ(pixels.At(icon.left - 2, bounds.top + 1) & 0xFFFFFF, expected[row]) << row;
        EXPECT_EQ(pixels.At(icon.left - 1 - kState, bounds.top + 1) & 0xFFFFFF, expected[row]) << row;
    }
}

TEST_F(ListViewSkinTest, VisualBasicHostsPaintTheOtherViewsDirectlyAndRunTheControlsPaintQuietly) {
    SetUpSkin();
    struct Case {
        int host;
        DWORD view;
        int id;
        DWORD paintDc; // the DC kind the control's WM_PAINT carries
        bool quietRun; // redraw off, the control's WM_PAINT, redraw on
    };
    const Case cases[] = {
        {hexmoor::rt::host::kWin32, LVS_ICON, 5, OBJ_MEMDC, false},
        {hexmoor::rt::host::kVisualBasic6, LVS_ICON, 5, OBJ_DC, false},
        {hexmoor::rt::host::kVisualBasic6, LVS_ICON, 1, OBJ_MEMDC, false},
        {hexmoor::rt::host::kWin32, LVS_REPORT, 5, 0, false},
        {hexmoor::rt::host::kVisualBasic6, LVS_REPORT, 5, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "host " << c.host << " view " << c.view << " id " << c.id);
        SetHostFramework(c.host);
        HWND view = AddView(c.view, 10, 10, 240, 200, 3);
        SetWindowLongPtrW(view, GWLP_ID, c.id);
        g_viewPrevious = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingLayer)));
        ApplySkinToWindow(dialog_, 1);
        Settle();
        g_controlLog.messages.clear();
        RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Settle();
        const auto log = g_controlLog.messages;
        ASSERT_TRUE(!log.empty() || (c.view == LVS_REPORT && !c.quietRun));
        const bool quiet = log.size() >= 3 && log[0] == std::pair<UINT, DWORD>{WM_SETREDRAW, 0} &&
                           log[1].first == WM_PAINT && log[2] == std::pair<UINT, DWORD>{WM_SETREDRAW, 1};
        EXPECT_EQ(quiet, c.quietRun);
        if (c.view == LVS_ICON) {
            EXPECT_EQ(log[0].first, UINT(WM_PAINT));
            EXPECT_EQ(log[0].second, c.paintDc);
        } else if (!c.quietRun) {
            EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](auto m) { return m.first == WM_PAINT; }))
                << "report rows are painted by the skin alone";
        }
        EXPECT_LE(log.size(), 3u) << "one paint, no paint loop";
        // The skin shows in either way, below the rows.
        const RECT last = ItemRect(view, 2, LVIR_BOUNDS);
        RECT client{};
        GetClientRect(view, &client);
        EXPECT_EQ(At(view, client.right - 4, client.bottom - 4), IdColour(366));
        if (c.view == LVS_REPORT) {
            HWND header = reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0));
            RECT update{};
            EXPECT_FALSE(GetUpdateRect(header, &update, FALSE)) << "the header has painted";
            EXPECT_GT(last.bottom, 0);
        }
        RemoveSkinFromWindow(dialog_, 1);
        SetWindowLongPtrW(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_viewPrevious));
        DestroyWindow(view);
        Settle();
    }
    SetHostFramework(hexmoor::rt::host::kWin32);
}
