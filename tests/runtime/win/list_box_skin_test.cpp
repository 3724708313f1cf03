// The skinned list box: every image and colour id of its element in its own
// colour, rows, selection fill and inversion, the border ring, check modes
// from images and from the plain GDI fallback, a host check list's states,
// and owner-drawn rows whose item data is not text.
#include <set>
#include <string>

#include "base/win/hosts.h"
#include "model/twf_obj.h"
#include "runtime/controls/list_box.h"
#include "runtime/logic/control_types.h"
#include "runtime/scroll/scroll_engine.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);
constexpr int kBorder = 3;

class ListBoxSkinTest : public RuntimeTest {
protected:
    void SetUpSkin(bool checkImages = true) {
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        Skin().SolidImage(14, 354, IdColour(354));
        Skin().SolidImage(14, 355, IdColour(355));
        if (checkImages)
            for (int id = 791; id <= 796; ++id) Skin().SolidImage(14, WORD(id), IdColour(id), 11, 11);
        for (int id = 42; id <= 101; ++id) Skin().SolidImage(5, WORD(id), IdColour(id));
        for (int id = 814; id <= 841; ++id) Skin().SolidImage(5, WORD(id), IdColour(id));
        element_ = Skin().Element(14);
        for (int id : {356, 357, 358, 363}) element_->SetColor(WORD(id), IdColour(id));
        for (int id = 359; id <= 362; ++id) element_->SetNumber(WORD(id), kBorder);
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 420, 320, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
    }
    HWND AddList(DWORD style, int x, int y, int w, int h, int items, DWORD exStyle = WS_EX_CLIENTEDGE) {
        HWND list = CreateWindowExW(exStyle, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT | style, x,
                                    y, w, h, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (style & LBS_OWNERDRAWFIXED) SendMessageW(list, LB_SETITEMHEIGHT, 0, 16);
        for (int i = 0; i < items; ++i) {
            const std::wstring text = L"i" + std::to_wstring(i);
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        return list;
    }
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        Repaint(dialog_);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    static RECT Row(HWND list, int index) {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // A strip at the row's right end, clear of its text.
    static RECT RowEnd(HWND list, int index) {
        RECT r = Row(list, index);
        return {r.right - 20, r.top + 1, r.right - 4, r.bottom - 1};
    }
    ::testing::AssertionResult Shows(HWND list, const RECT& r, COLORREF colour) {
        const PixelBuffer pixels = CaptureClient(list);
        const ColourCheck check = CheckRect(pixels, {r.left, r.top, r.right, r.bottom}, colour & 0xFFFFFF);
        if (check.Passed()) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << check.Describe(colour & 0xFFFFFF);
    }
    CTwfObj* element_ = nullptr;
    HWND dialog_ = nullptr;
};

struct FakeCheckList : hexmoor::win::CheckListHost {
    int CheckState(int item) const override { return item % 3; }
    bool IsItemEnabled(int item) const override { return item != 2 && item != 5; }
};

} // namespace

TEST_F(ListBoxSkinTest, RowsSelectionBorderAndScrollData) {
    SetUpSkin();
    HWND single = AddList(WS_VSCROLL | LBS_NOTIFY, 10, 10, 160, 107, 30);
    HWND multi = AddList(LBS_MULTIPLESEL, 190, 10, 160, 45, 3);
    HWND wide = AddList(WS_HSCROLL, 190, 100, 160, 80, 3);
    SendMessageW(wide, LB_SETHORIZONTALEXTENT, 600, 0);
    SendMessageW(wide, LB_SETCURSEL, 0, 0);
    SendMessageW(single, LB_SETCURSEL, 1, 0);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(single), hexmoor::rt::ctype::kListBox);

    RECT wr{};
    GetWindowRect(single, &wr);
    RECT client{};
    GetClientRect(single, &client);
    EXPECT_EQ(client.bottom, wr.bottom - wr.top - 2 * kBorder) << "the skin's borders are the non-client area";
    const PixelBuffer window = CaptureWindow(single);
    EXPECT_TRUE(CheckRect(window, {0, 0, wr.right - wr.left, kBorder}, IdColour(354)).Passed()) << "border ring";
    EXPECT_TRUE(Shows(single, RowEnd(single, 0), IdColour(354))) << "unselected row over the background";
    EXPECT_TRUE(Shows(single, RowEnd(single, 1), IdColour(358))) << "selection fill";
    EXPECT_TRUE(Shows(single, {client.right - 10, client.bottom - 3, client.right - 2, client.bottom}, IdColour(354)));

    // A partly visible last row is painted as well: select it in the
    // multiple-selection list without scrolling it into view.
    SendMessageW(multi, LB_SETSEL, TRUE, 2);
    SendMessageW(multi, LB_SETTOPINDEX, 0, 0);
    Repaint(dialog_);
    const RECT last = Row(multi, 2);
    GetClientRect(multi, &client);
    ASSERT_LT(last.top, client.bottom);
    ASSERT_GT(last.bottom, client.bottom) << "the third row must be cut by the client's bottom";
    EXPECT_TRUE(Shows(multi, {last.right - 20, last.top + 1, last.right - 4, client.bottom}, IdColour(358)));
    EXPECT_TRUE(Shows(multi, RowEnd(multi, 0), IdColour(354))) << "multiple selection: LB_GETSEL decides";

    // Nothing but the skin's colours right of the texts.
    const std::set<COLORREF> allowed{IdColour(354), IdColour(358)};
    GetClientRect(single, &client);
    EXPECT_EQ(Foreign(CaptureClient(single), {client.right - 40, 0, client.right, client.bottom}, allowed), 0);

    // The engine's scroll data follows wheel, keys and item changes.
    auto sameData = [&](const char* after) {
        Settle();
        SCROLLINFO real{sizeof(real), SIF_ALL, 0, 0, 0, 0, 0}, engine{sizeof(engine), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(single, SB_VERT, &real);
        ASSERT_TRUE(SkinGetScrollInfo(single, SB_VERT, &engine)) << after;
        EXPECT_EQ(engine.nMax, real.nMax) << after;
        EXPECT_EQ(engine.nPage, real.nPage) << after;
        EXPECT_EQ(engine.nPos, real.nPos) << after;
    };
    SetFocus(single);
    SendMessageW(single, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 100));
    sameData("wheel");
    SendMessageW(single, WM_KEYDOWN, VK_END, 0);
    sameData("End");
    SendMessageW(single, WM_KEYDOWN, VK_PRIOR, 0);
    sameData("Page Up");
    for (int i = 0; i < 10; ++i) SendMessageW(single, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"more"));
    sameData("added items");
    SendMessageW(single, LB_DELETESTRING, 0, 0);
    sameData("deleted item");
    SendMessageW(single, WM_KEYDOWN, VK_DOWN, 0);
    sameData("Down");
    Repaint(dialog_);
    const int caret = int(SendMessageW(single, LB_GETCURSEL, 0, 0));
    ASSERT_GE(caret, 0);
    EXPECT_TRUE(Shows(single, RowEnd(single, caret), IdColour(358))) << "the moved selection";

    // 358 = 0xFFFFFFFF: the selected row's rectangle is inverted instead.
    element_->SetColor(358, 0xFFFFFFFF);
    Repaint(dialog_);
    EXPECT_TRUE(Shows(single, RowEnd(single, caret), ~IdColour(354))) << "inverted selection";

    // Scrolled sideways: Wine's item rectangles stay where they were (the
    // painter moves the text by the scroll position); the selection still
    // fills the row.
    for (int i = 0; i < 4; ++i) SendMessageW(wide, WM_HSCROLL, SB_LINERIGHT, 0);
    Repaint(dialog_);
    ASSERT_GT(GetScrollPos(wide, SB_HORZ), 0);
    const RECT shifted = Row(wide, 0);
    EXPECT_EQ(shifted.left, 0) << "the item rectangle does not carry the horizontal scroll";
    EXPECT_TRUE(Shows(wide, RowEnd(wide, 0), ~IdColour(354))) << "scrolled selected row";

    // Disabled window: the disabled background.
    EnableWindow(multi, FALSE);
    Repaint(dialog_);
    EXPECT_TRUE(Shows(multi, RowEnd(multi, 1), IdColour(355)));
}

TEST_F(ListBoxSkinTest, CheckModesFromImagesHostAndStyle) {
    SetUpSkin();
    HWND marks = AddList(0xD9, 10, 10, 150, 80, 3);
    HWND host = AddList(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 180, 10, 150, 110, 6);
    HWND hostless = AddList(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 10, 140, 150, 60, 2);
    HWND right = AddList(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 180, 140, 150, 60, 2, WS_EX_CLIENTEDGE | WS_EX_RIGHT);
    HWND tabs = AddList(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_USETABSTOPS, 10, 220, 150, 60, 2);
    FakeCheckList checks;
    SetPropW(host, hexmoor::win::kCheckListHostProperty, &checks);
    SetPropW(right, hexmoor::win::kCheckListHostProperty, &checks);
    SendMessageW(marks, LB_SETSEL, TRUE, 1);
    SkinAll();
    auto* object = dynamic_cast<CTWListBox*>(GetSkinnedWindowObject(host));
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetCheckMode(), hexmoor::rt::lists::CheckMode::HostChecks);
    auto* tabObject = GetSkinnedWindowObject(tabs);
    EXPECT_TRUE(!tabObject || !tabObject->IsActive()) << "owner-drawn with tab stops is left to the system";

    auto box = [](HWND list, int index, bool atRight = false) {
        const RECT r = Row(list, index);
        const int top = r.top + (r.bottom - r.top - 11) / 2;
        const int left = atRight ? r.right - 13 : r.left + 2;
        return RECT{left + 2, top + 2, left + 9, top + 9};
    };
    EXPECT_TRUE(Shows(marks, box(marks, 0), IdColour(791))) << "mode 2: unselected shows unchecked";
    EXPECT_TRUE(Shows(marks, box(marks, 1), IdColour(793))) << "mode 2: selected shows checked";
    const RECT text1 = Row(marks, 1);
    EXPECT_TRUE(Shows(marks, {text1.right - 20, text1.top + 1, text1.right - 4, text1.bottom - 1}, IdColour(358)))
        << "selection fills the text rectangle";
    EXPECT_TRUE(Shows(marks, {0, text1.top + 1, 2, text1.bottom - 1}, IdColour(354))) << "not the box's margin";
    const int hostIds[] = {791, 793, 796, 791, 793, 796}; // item % 3, items 2 and 5 disabled
    for (int i = 0; i < 6; ++i) {
        RECT client{};
        GetClientRect(host, &client);
        if (Row(host, i).bottom > client.bottom) break;
        EXPECT_TRUE(Shows(host, box(host, i), IdColour(hostIds[i]))) << "host row " << i;
    }
    EXPECT_TRUE(Shows(hostless, box(hostless, 1), IdColour(791))) << "no host: unchecked and enabled";
    EXPECT_TRUE(Shows(right, box(right, 1, true), IdColour(793))) << "right-aligned: box at the right";

    EnableWindow(marks, FALSE);
    Repaint(dialog_);
    EXPECT_TRUE(Shows(marks, box(marks, 1), IdColour(794))) << "disabled window: checked, disabled";

    // Without check images: the grey frame and the white box.
    for (int id = 791; id <= 796; ++id) element_->CopyImage(WORD(id), WORD(id));
    Repaint(dialog_);
    const RECT plain = box(host, 0);
    const PixelBuffer pixels = CaptureClient(host);
    EXPECT_EQ(pixels.At(plain.left - 2, plain.top - 2) & 0xFFFFFF, RGB(0x80, 0x80, 0x80)) << "frame";
    EXPECT_TRUE(
        CheckRect(pixels, {plain.left - 1, plain.top - 1, plain.right + 1, plain.bottom + 1}, RGB(255, 255, 255))
            .Passed())
        << "unchecked: white";
    const RECT checked = box(host, 1);
    long black = 0;
    for (int y = checked.top - 1; y < checked.bottom + 1; ++y)
        for (int x = checked.left - 1; x < checked.right + 1; ++x)
            if ((pixels.At(x, y) & 0xFFFFFF) == 0) ++black;
    EXPECT_GT(black, 4) << "checked: the menu check glyph";
    const RECT greyed = box(marks, 1);
    EXPECT_EQ(CaptureClient(marks).At(greyed.left - 1, greyed.top - 1) & 0xFFFFFF, RGB(0xD4, 0xD0, 0xC8))
        << "checked in a disabled mode-2 list: the grey box";
    RemovePropW(host, hexmoor::win::kCheckListHostProperty);
    RemovePropW(right, hexmoor::win::kCheckListHostProperty);
}

TEST_F(ListBoxSkinTest, OwnerDrawnRowsWithoutStringsShowNoText) {
    SetUpSkin();
    // The item data points at real ANSI text: drawing it would show letters.
    static const char kText[] = "WWWWWWWW";
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT, 10, 10, 160, 100,
                                dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 3; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kText));
    SendMessageW(list, LB_ADDSTRING, 0, LPARAM(0x10)); // not an address at all
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    SkinAll();
    CTWWnd* object = GetSkinnedWindowObject(list);
    ASSERT_TRUE(object && object->IsActive());
    RECT client{};
    GetClientRect(list, &client);
    const std::set<COLORREF> allowed{IdColour(354), IdColour(358)};
    EXPECT_EQ(Foreign(CaptureClient(list), client, allowed), 0) << "whole client: background and selection only";

    // The parent's WM_DRAWITEM for such a row: background, selection and
    // focus, but no text read from the item data.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 16);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (ULONG_PTR data : {ULONG_PTR(reinterpret_cast<const char*>(kText)), ULONG_PTR(0x10)}) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_LISTBOX;
        item.itemID = 3;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = ODS_SELECTED;
        item.hwndItem = list;
        item.hDC = memory;
        item.rcItem = {0, 0, 100, 16};
        item.itemData = data;
        SendMessageW(dialog_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        const PixelBuffer row = CaptureDC(memory, 0, 0, 100, 16);
        const COLORREF inverted = ~GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF;
        EXPECT_TRUE(CheckRect(row, {0, 0, 100, 16}, inverted).Passed()) << "selected row, no text: " << data;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(ListBoxSkinTest, ComboDropListFramedInTheComboColour) {
    SetUpSkin();
    Skin().Element(13)->SetColor(353, IdColour(353));
    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 150, 200,
                                 dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const wchar_t* text : {L"one", L"two", L"three"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SkinAll();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Settle();
    auto* list = dynamic_cast<CTWListBox*>(GetSkinnedWindowObject(info.hwndList));
    ASSERT_TRUE(list) << "the combo hands its drop list to the runtime";
    EXPECT_TRUE(list->IsDropList());
    RedrawWindow(info.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Settle();
    const PixelBuffer window = CaptureWindow(info.hwndList);
    RECT wr{};
    GetWindowRect(info.hwndList, &wr);
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    EXPECT_TRUE(CheckRect(window, {0, 0, w, 1}, IdColour(353)).Passed()) << "top of the one-pixel frame";
    EXPECT_TRUE(CheckRect(window, {0, h - 1, w, h}, IdColour(353)).Passed()) << "bottom of the frame";
    EXPECT_TRUE(Shows(info.hwndList, RowEnd(info.hwndList, 2), IdColour(354))) << "rows over the list's image";
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Settle();
}
