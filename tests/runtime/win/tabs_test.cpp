// Skinned tab controls, headers, tooltips, splitters and size grips: every
// image and text colour id of their elements in its own colour, shown for
// each look reached through real messages, no foreign pixel over the
// controls afterwards, and switching skinning off gives back the styles.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "base/win/gdi.h"
#include "model/twf_obj.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/twf_api.h"
#include "runtime/wnd/tw_dialog.h"
#include "tests/harness/capture.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/splitter_window.h"

using namespace hexmoor::test;
namespace ctype = hexmoor::rt::ctype;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

const std::vector<int> kTabImages{218, 219, 221, 223, 225, 227, 238, 239, 241, 243, 245, 247};
const std::vector<int> kTabTexts{220, 222, 224, 226, 228, 240, 242, 244, 246, 248};

PixelRect CornerOf(const RECT& r) { return {r.left + 1, r.top + 1, r.left + 3, r.top + 3}; }

::testing::AssertionResult Shows(const PixelBuffer& pixels, const PixelRect& r, COLORREF expected) {
    const ColourCheck check = CheckRect(pixels, r, expected & 0xFFFFFF);
    if (check.Passed()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << check.Describe(expected & 0xFFFFFF);
}

bool Contains(const PixelBuffer& pixels, const RECT& r, COLORREF colour) {
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, pixels.Height()); ++y)
        for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, pixels.Width()); ++x)
            if ((pixels.At(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    return false;
}

// Pixels of the whole buffer outside `allowed`, the rectangles in `skip`
// (text) left out; the first one found is described.
struct ForeignCount {
    long count = 0;
    int x = -1, y = -1;
    Colour found = 0;
};
std::ostream& operator<<(std::ostream& out, const ForeignCount& f) {
    out << f.count;
    if (f.count) out << " (first at " << f.x << "," << f.y << ": " << ColourText(f.found) << ")";
    return out;
}
ForeignCount Foreign(const PixelBuffer& pixels, const std::set<COLORREF>& allowed, const std::vector<RECT>& skip) {
    ForeignCount f;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const POINT p{x, y};
            if (std::any_of(skip.begin(), skip.end(), [&](const RECT& r) { return PtInRect(&r, p) != FALSE; }))
                continue;
            if (allowed.count(pixels.At(x, y) & 0xFFFFFF)) continue;
            if (!f.count++) {
                f.x = x;
                f.y = y;
                f.found = pixels.At(x, y) & 0xFFFFFF;
            }
        }
    return f;
}

::testing::AssertionResult NoForeign(const PixelBuffer& pixels, const std::set<COLORREF>& allowed,
                                     const std::vector<RECT>& skip) {
    const ForeignCount f = Foreign(pixels, allowed, skip);
    if (!f.count) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "foreign pixels: " << f;
}

std::set<COLORREF> ImageColours(const std::vector<int>& ids) {
    std::set<COLORREF> colours;
    for (int id : ids) colours.insert(IdColour(id) & 0xFFFFFF);
    return colours;
}

RECT TabItem(HWND tab, int index) {
    RECT r{};
    SendMessageW(tab, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return r;
}
LPARAM Middle(const RECT& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

void AddTabs(HWND tab, int count) {
    wchar_t text[16];
    for (int i = 0; i < count; ++i) {
        wsprintfW(text, L"Tab %d", i + 1);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        SendMessageW(tab, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tab, TCM_SETCURSEL, 0, 0);
}

// A tab control whose WM_SETREDRAW goes to the default window procedure, as
// a window without a handler of its own does: under Wine the default drops
// every repaint pending inside the window (Wine's tab control keeps them).
WNDPROC g_tabProc = nullptr;
LRESULT CALLBACK DefaultRedrawTabProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETREDRAW) return DefWindowProcW(hwnd, msg, wp, lp);
    return CallWindowProcW(g_tabProc, hwnd, msg, wp, lp);
}

class TabsTest : public RuntimeTest {
protected:
    void SetUpSkin() {
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        for (int id : kTabImages) Skin().SolidImage(10, WORD(id), IdColour(id));
        for (int id : kTabTexts) Skin().Element(10)->SetColor(WORD(id), IdColour(id, IdUse::Text));
        for (int id : {376, 377, 378, 379}) Skin().SolidImage(20, WORD(id), IdColour(id));
        for (int id : {380, 381, 382, 383}) Skin().Element(20)->SetColor(WORD(id), IdColour(id, IdUse::Text));
        Skin().SolidImage(28, 527, IdColour(527));
        Skin().Element(28)->SetColor(528, IdColour(528, IdUse::Text));
        for (int id = 600; id <= 605; ++id) Skin().SolidImage(34, WORD(id), IdColour(id));
        Skin().SolidImage(27, 41, IdColour(41), 8, 8);
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 520, 360, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
    }
    HWND Add(const wchar_t* cls, DWORD style, int x, int y, int w, int h, HWND parent = nullptr) {
        const HWND hwnd = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                          parent ? parent : dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return hwnd;
    }
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        Repaint(dialog_);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    HWND dialog_ = nullptr;
};

} // namespace

TEST_F(TabsTest, TabLooksFromRealInputHorizontalAndVertical) {
    SetUpSkin();
    const HWND tab = Add(WC_TABCONTROLW, WS_TABSTOP, 10, 10, 260, 90);
    const HWND vertical = Add(WC_TABCONTROLW, TCS_VERTICAL | TCS_MULTILINE, 300, 10, 90, 200);
    const HWND other = Add(L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 10, 300, 20, 20);
    const HWND narrow = Add(WC_TABCONTROLW, 0, 10, 120, 110, 60);
    AddTabs(tab, 3);
    AddTabs(vertical, 3);
    AddTabs(narrow, 6);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(tab), ctype::kTab);
    ASSERT_EQ(GetSkinnedWindowType(vertical), ctype::kTab);
    SetFocus(other);
    Repaint(dialog_);

    const RECT first = TabItem(tab, 0), second = TabItem(tab, 1);
    PixelBuffer pixels = CaptureClient(tab);
    EXPECT_TRUE(Shows(pixels, CornerOf(first), IdColour(221))) << "selected";
    EXPECT_TRUE(Contains(pixels, first, IdColour(222, IdUse::Text))) << "selected text";
    EXPECT_TRUE(Shows(pixels, CornerOf(second), IdColour(219))) << "normal";
    EXPECT_TRUE(Contains(pixels, second, IdColour(220, IdUse::Text))) << "normal text";
    EXPECT_TRUE(Shows(pixels, {20, 70, 240, 85}, IdColour(218))) << "panel";

    struct Step {
        const char* what;
        int item;
        int image, text;
    };
    SendMessageW(tab, WM_MOUSEMOVE, 0, Middle(second));
    EXPECT_EQ(GetCapture(), tab) << "hot tracking holds the mouse";
    Repaint(dialog_);
    pixels = CaptureClient(tab);
    for (const Step& s : {Step{"hot", 1, 223, 224}, Step{"selected, other tab hot", 0, 221, 222}}) {
        EXPECT_TRUE(Shows(pixels, CornerOf(TabItem(tab, s.item)), IdColour(s.image))) << s.what;
        EXPECT_TRUE(Contains(pixels, TabItem(tab, s.item), IdColour(s.text, IdUse::Text))) << s.what;
    }
    SendMessageW(tab, WM_MOUSEMOVE, 0, Middle(first));
    Repaint(dialog_);
    pixels = CaptureClient(tab);
    EXPECT_TRUE(Shows(pixels, CornerOf(first), IdColour(221))) << "selected and hot keeps its image";
    EXPECT_TRUE(Contains(pixels, first, IdColour(224, IdUse::Text))) << "selected and hot takes the hot text colour";
    EXPECT_TRUE(Shows(pixels, CornerOf(second), IdColour(219))) << "no longer hot";
    SendMessageW(tab, WM_MOUSEMOVE, 0, MAKELPARAM(200, 80));
    EXPECT_NE(GetCapture(), tab) << "leaving every tab releases the mouse";

    SetFocus(tab);
    Repaint(dialog_);
    pixels = CaptureClient(tab);
    EXPECT_TRUE(Shows(pixels, CornerOf(first), IdColour(227))) << "focused";
    EXPECT_TRUE(Contains(pixels, first, IdColour(228, IdUse::Text))) << "focused text";
    SetFocus(other);
    EnableWindow(tab, FALSE);
    Repaint(dialog_);
    pixels = CaptureClient(tab);
    EXPECT_TRUE(Shows(pixels, CornerOf(second), IdColour(225))) << "disabled";
    EXPECT_TRUE(Contains(pixels, second, IdColour(226, IdUse::Text))) << "disabled text";
    EXPECT_TRUE(Shows(pixels, CornerOf(first), IdColour(221))) << "the selection of a disabled tab control";

    std::set<COLORREF> allowed = ImageColours(kTabImages);
    std::vector<RECT> text;
    for (int i = 0; i < 3; ++i) {
        RECT r = TabItem(tab, i);
        InflateRect(&r, -3, 0);
        text.push_back(r);
    }
    EXPECT_TRUE(NoForeign(pixels, allowed, text)) << "over the horizontal tab control";

    // The vertical set with rotated text.
    pixels = CaptureClient(vertical);
    const RECT vFirst = TabItem(vertical, 0), vSecond = TabItem(vertical, 1);
    EXPECT_TRUE(Shows(pixels, CornerOf(vFirst), IdColour(241))) << "vertical selected";
    EXPECT_TRUE(Shows(pixels, CornerOf(vSecond), IdColour(239))) << "vertical normal";
    EXPECT_TRUE(Contains(pixels, vSecond, IdColour(240, IdUse::Text))) << "vertical text";
    RECT panel{};
    GetClientRect(vertical, &panel);
    EXPECT_TRUE(Shows(pixels, {panel.right - 12, 20, panel.right - 4, 180}, IdColour(238))) << "vertical panel";
    text.clear();
    for (int i = 0; i < 3; ++i) {
        RECT r = TabItem(vertical, i);
        InflateRect(&r, 0, -3);
        text.push_back(r);
    }
    EXPECT_TRUE(NoForeign(pixels, allowed, text)) << "over the vertical tab control";

    // A single row with more tabs than fit keeps the system's scroll arrows.
    const HWND arrows = FindWindowExW(narrow, nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_TRUE(arrows) << "the narrow tab control scrolls its row";
    RECT arrowRect{};
    GetWindowRect(arrows, &arrowRect);
    MapWindowPoints(nullptr, narrow, reinterpret_cast<POINT*>(&arrowRect), 2);
    pixels = CaptureClient(narrow);
    const std::vector<RECT> aroundArrows{{0, 0, arrowRect.left, 60},
                                         {arrowRect.right, 0, 110, 60},
                                         {arrowRect.left, 0, arrowRect.right, arrowRect.top},
                                         {arrowRect.left, arrowRect.bottom, arrowRect.right, 60}};
    EXPECT_EQ(Foreign(pixels, allowed, aroundArrows).count,
              long(arrowRect.right - arrowRect.left) * (arrowRect.bottom - arrowRect.top))
        << "no skin colour over the arrows";
    EXPECT_TRUE(Shows(pixels, {2, 50, 100, 58}, IdColour(218))) << "the narrow tab's panel";

    // An icon placed by the host with a negative y: both halves are signed.
    EnableWindow(tab, TRUE);
    const COLORREF iconColour = RGB(250, 128, 3);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 0);
    const HBITMAP icon = MakeSolidBitmap(16, 16, iconColour);
    ImageList_Add(images, icon, nullptr);
    DeleteObject(icon);
    SendMessageW(tab, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    TCITEMW withImage{};
    withImage.mask = TCIF_IMAGE;
    withImage.iImage = 0;
    SendMessageW(tab, TCM_SETITEMW, 2, reinterpret_cast<LPARAM>(&withImage));
    SendMessageW(tab, hexmoor::rt::TWM_TABICONPOS, 0, MAKELPARAM(5, WORD(-3)));
    Repaint(dialog_);
    pixels = CaptureClient(tab);
    const RECT third = TabItem(tab, 2);
    EXPECT_TRUE(
        Shows(pixels, {third.left + 5, std::max<int>(third.top, 0), third.left + 21, third.top + 13}, iconColour))
        << "icon at (5, -3) in the item";
    EXPECT_TRUE(Shows(pixels, {third.left + 5, third.top + 14, third.left + 21, third.top + 16}, IdColour(219)))
        << "the item's image below the icon";
    SendMessageW(tab, TCM_SETIMAGELIST, 0, 0);
    ImageList_Destroy(images);
}

TEST_F(TabsTest, DialogPageInsideATabShowsThePanelAndSurvivesAPrint) {
    SetUpSkin();
    Skin().Element(10)->SetNumber(634, 1);
    const HWND tab = Add(WC_TABCONTROLW, WS_TABSTOP, 10, 10, 300, 200);
    g_tabProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefaultRedrawTabProc)));
    AddTabs(tab, 2);
    const HWND page = CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE, 10, 40, 200, 120, tab, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(page);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(page), ctype::kDialog);
    Repaint(dialog_);
    EXPECT_TRUE(Shows(CaptureClient(page), {5, 5, 195, 115}, IdColour(218))) << "the page shows the tab's panel";

    // A print of the tab goes quiet around the system's drawing, which drops
    // the page's pending repaint; the repaint must still come.
    {
        hexmoor::win::WindowDC screen(nullptr);
        hexmoor::win::MemoryDC dc(screen.Get());
        hexmoor::win::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), 300, 200));
        hexmoor::win::SelectGuard select(dc.Get(), bitmap.Get());
        {
            hexmoor::win::WindowDC pageDc(page);
            RECT all{0, 0, 200, 120};
            FillRect(pageDc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
        InvalidateRect(page, nullptr, TRUE);
        SendMessageW(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        EXPECT_TRUE(Shows(CaptureDC(dc.Get(), 0, 0, 300, 200), {20, 170, 280, 190}, IdColour(218)))
            << "the printed panel";
    }
    PumpMessages();
    EXPECT_TRUE(Shows(CaptureClient(page), {5, 5, 195, 115}, IdColour(218))) << "the page after the print";
}

// The page the tab handed its panel to stays skinned when the tab's object
// is switched off or removed: it must paint its own background again, not
// ask a tab that no longer answers (or erase white without one).
TEST_F(TabsTest, DialogPageGetsItsOwnBackgroundBackWhenTheTabLetsGo) {
    const struct {
        const char* what;
        void (*letGo)(HWND tab);
    } cases[] = {
        {"tab switched off", [](HWND tab) { RemoveSkinFromWindow(tab, 0); }},
        {"tab's object removed", [](HWND tab) { CurrentManager()->RemoveControl(tab); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUpSkin();
        Skin().Element(10)->SetNumber(634, 1);
        const HWND tab = Add(WC_TABCONTROLW, WS_TABSTOP, 10, 10, 300, 200);
        AddTabs(tab, 2);
        const HWND page = CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE, 10, 40, 200, 120, tab, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(page);
        SkinAll();
        auto* object = dynamic_cast<CTWDialog*>(GetSkinnedWindowObject(page));
        ASSERT_TRUE(object);
        ASSERT_EQ(object->GetTabPageValue(), 1);
        c.letGo(tab);
        ASSERT_EQ(GetSkinnedWindowObject(page), object) << "the page stays skinned";
        EXPECT_EQ(object->GetTabPageValue(), 0);
        Repaint(dialog_);
        EXPECT_TRUE(Shows(CaptureClient(page), {5, 5, 195, 115}, kDialogBackground)) << "the page's own background";
        TearDown();
        dialog_ = nullptr;
    }
}

TEST_F(TabsTest, HeaderLooksFromRealInput) {
    SetUpSkin();
    const HWND header = Add(WC_HEADERW, HDS_BUTTONS | HDS_HORZ, 10, 10, 300, 24);
    const wchar_t* names[] = {L"Name", L"Size"};
    for (int i = 0; i < 2; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<wchar_t*>(names[i]);
        item.cxy = 100;
        item.fmt = i == 0 ? HDF_LEFT | HDF_STRING : HDF_CENTER | HDF_STRING;
        SendMessageW(header, HDM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(header), ctype::kHeader);
    const PixelRect firstCorner{2, 2, 4, 4}, secondCorner{102, 2, 104, 4}, rest{210, 2, 298, 22};
    struct Step {
        const char* what;
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        int first, firstText, second;
    } steps[] = {
        {"normal", 0, 0, 0, 376, 380, 376},
        {"hot", WM_MOUSEMOVE, 0, MAKELPARAM(50, 12), 378, 382, 376},
        {"pressed", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 12), 377, 381, 376},
        {"released outside", WM_LBUTTONUP, 0, MAKELPARAM(400, 40), 376, 380, 376},
        {"hot on the second", WM_MOUSEMOVE, 0, MAKELPARAM(150, 12), 376, 380, 378},
        {"left", WM_MOUSELEAVE, 0, 0, 376, 380, 376},
    };
    for (const Step& s : steps) {
        if (s.msg) SendMessageW(header, s.msg, s.wp, s.lp);
        if (s.msg == WM_LBUTTONUP) ReleaseCapture();
        Repaint(dialog_);
        const PixelBuffer pixels = CaptureClient(header);
        EXPECT_TRUE(Shows(pixels, firstCorner, IdColour(s.first))) << s.what;
        EXPECT_TRUE(Contains(pixels, {0, 0, 100, 24}, IdColour(s.firstText, IdUse::Text))) << s.what;
        EXPECT_TRUE(Shows(pixels, secondCorner, IdColour(s.second))) << s.what;
        EXPECT_TRUE(Shows(pixels, rest, IdColour(376))) << s.what << ": right of the last item";
    }
    {
        hexmoor::win::MemoryDC dc(nullptr);
        hexmoor::win::WindowDC screen(nullptr);
        hexmoor::win::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), 300, 24));
        hexmoor::win::SelectGuard select(dc.Get(), bitmap.Get());
        SendMessageW(header, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        const PixelBuffer printed = CaptureDC(dc.Get(), 0, 0, 300, 24);
        EXPECT_TRUE(Shows(printed, firstCorner, IdColour(376))) << "printed";
        EXPECT_TRUE(Shows(printed, rest, IdColour(376))) << "printed, right of the last item";
    }
    EnableWindow(header, FALSE);
    Repaint(dialog_);
    const PixelBuffer pixels = CaptureClient(header);
    EXPECT_TRUE(Shows(pixels, firstCorner, IdColour(379))) << "disabled";
    EXPECT_TRUE(Contains(pixels, {0, 0, 100, 24}, IdColour(383, IdUse::Text))) << "disabled text";
    EXPECT_TRUE(Shows(pixels, rest, IdColour(379))) << "disabled, right of the last item";
    EXPECT_TRUE(NoForeign(pixels, ImageColours({376, 377, 378, 379}), {RECT{5, 0, 95, 24}, RECT{105, 0, 195, 24}}));

    // The hot item's offset with negative halves moves its icon left and up.
    EnableWindow(header, TRUE);
    Skin().Element(20)->SetNumber(384, MAKELONG(WORD(-2), WORD(-1)));
    const COLORREF iconColour = RGB(250, 128, 3);
    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    HIMAGELIST images = ImageList_Create(iconSize, iconSize, ILC_COLOR32, 1, 0);
    const HBITMAP icon = MakeSolidBitmap(iconSize, iconSize, iconColour);
    ImageList_Add(images, icon, nullptr);
    DeleteObject(icon);
    SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    HDITEMW withImage{};
    withImage.mask = HDI_FORMAT | HDI_IMAGE;
    withImage.fmt = HDF_LEFT | HDF_STRING | HDF_IMAGE;
    withImage.iImage = 0;
    SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&withImage));
    SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(50, 12));
    Repaint(dialog_);
    EXPECT_TRUE(Shows(CaptureClient(header), {2, 0, 2 + iconSize, iconSize - 1}, iconColour))
        << "icon at (4 - 2, 1 - 1)";
    SendMessageW(header, WM_MOUSELEAVE, 0, 0);
    SendMessageW(header, HDM_SETIMAGELIST, 0, 0);
    ImageList_Destroy(images);
}

TEST_F(TabsTest, TooltipSplitterAndGrip) {
    SetUpSkin();
    SplitterWindow splitter(dialog_, RECT{10, 10, 230, 150}, 2, 2);
    const HWND grip = Add(L"SCROLLBAR", SBS_SIZEGRIP, 300, 10, 20, 20);
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, 0, 0, 0, 0,
                                     dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = dialog_;
    tool.lpszText = const_cast<wchar_t*>(L"A tip");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(100, 440));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SkinAll();
    ApplySkinToWindow(tip, 1);
    ASSERT_EQ(GetSkinnedWindowType(splitter.Handle()), ctype::kSplitter);
    ASSERT_EQ(GetSkinnedWindowType(grip), ctype::kGrip);
    ASSERT_EQ(GetSkinnedWindowType(tip), ctype::kToolTip);
    Repaint(dialog_);
    Repaint(tip);

    // Splitter: border, the bar between the rows, the bar between the
    // columns, their crossing, and the panes left alone.
    PixelBuffer pixels = CaptureClient(splitter.Handle());
    const int row = SplitterWindow::kBorder + splitter.RowHeight(0);
    const int column = SplitterWindow::kBorder + splitter.ColumnWidth(0);
    EXPECT_TRUE(Shows(pixels, {0, 0, pixels.Width(), 2}, IdColour(600))) << "border";
    EXPECT_TRUE(Shows(pixels, {4, row, column - 2, row + 7}, IdColour(601))) << "bar between rows";
    EXPECT_TRUE(Shows(pixels, {column, 4, column + 7, row - 2}, IdColour(602))) << "bar between columns";
    EXPECT_TRUE(Shows(pixels, {column, row, column + 7, row + 7}, IdColour(603))) << "crossing";
    EXPECT_TRUE(Shows(pixels, {4, 4, 20, 20}, RGB(255, 255, 255))) << "a pane";

    // Grip: its image at natural size over the dialog's skinned background.
    pixels = CaptureClient(grip);
    EXPECT_TRUE(Shows(pixels, {0, 0, 8, 8}, IdColour(41)));
    EXPECT_TRUE(Shows(pixels, {8, 8, 20, 20}, kDialogBackground)) << "the parent's background around it";

    // Tooltip: the image behind the whole window, the text in its colour.
    pixels = CaptureWindow(tip);
    RECT wr{};
    GetWindowRect(tip, &wr);
    EXPECT_TRUE(Shows(pixels, {0, 0, 2, 2}, IdColour(527))) << "tooltip border";
    EXPECT_TRUE(Contains(pixels, {0, 0, wr.right - wr.left, wr.bottom - wr.top}, IdColour(528, IdUse::Text)))
        << "tip text";
    RECT textBox{4, 2, wr.right - wr.left - 4, wr.bottom - wr.top - 2};
    std::set<COLORREF> tipColours = ImageColours({527});
    tipColours.insert(IdColour(528, IdUse::Text) & 0xFFFFFF);
    EXPECT_TRUE(NoForeign(pixels, tipColours, {textBox})) << "over the tooltip";

    // A longer tip wraps into lines and stays centred in its client area.
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 70);
    tool.lpszText = const_cast<wchar_t*>(L"one two three four five six");
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(100, 441));
    Repaint(tip);
    pixels = CaptureClient(tip);
    RECT ink{pixels.Width(), pixels.Height(), -1, -1};
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if ((pixels.At(x, y) & 0xFFFFFF) == (IdColour(528, IdUse::Text) & 0xFFFFFF)) {
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                       std::max<LONG>(ink.bottom, y + 1)};
            }
    TEXTMETRICW metrics{};
    {
        hexmoor::win::WindowDC dc(tip);
        const HGDIOBJ tipFont = reinterpret_cast<HGDIOBJ>(SendMessageW(tip, WM_GETFONT, 0, 0));
        hexmoor::win::SelectGuard font(dc.Get(), tipFont ? tipFont : GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsW(dc.Get(), &metrics);
    }
    ASSERT_LT(ink.left, ink.right) << "the tip's text";
    EXPECT_GT(ink.bottom - ink.top, metrics.tmHeight) << "more than one line";
    EXPECT_LE(std::abs(ink.left - (pixels.Width() - ink.right)), 8) << "centred across";
    EXPECT_LE(std::abs(ink.top - (pixels.Height() - ink.bottom)), 8) << "centred down";
    DestroyWindow(tip);
}

TEST_F(TabsTest, SwitchingOffGivesTabAndSplitterTheirStylesBack) {
    SetUpSkin();
    const HWND tab = Add(WC_TABCONTROLW, WS_TABSTOP, 10, 10, 200, 100);
    AddTabs(tab, 2);
    SplitterWindow splitter(dialog_, RECT{220, 10, 420, 150}, 2, 2, 0, WS_EX_STATICEDGE | WS_EX_ACCEPTFILES);
    struct Window {
        HWND hwnd;
        LONG_PTR style, ex;
    } windows[] = {{tab, 0, 0}, {splitter.Handle(), 0, 0}};
    for (Window& w : windows) {
        w.style = GetWindowLongPtrW(w.hwnd, GWL_STYLE);
        w.ex = GetWindowLongPtrW(w.hwnd, GWL_EXSTYLE);
    }
    ASSERT_FALSE(windows[0].style & WS_CLIPCHILDREN);
    SkinAll();
    EXPECT_EQ(GetWindowLongPtrW(tab, GWL_STYLE), windows[0].style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    EXPECT_EQ(GetWindowLongPtrW(splitter.Handle(), GWL_EXSTYLE), windows[1].ex & ~WS_EX_STATICEDGE);
    for (int round = 0; round < 2; ++round) {
        DisableSkinning();
        Repaint(dialog_);
        for (const Window& w : windows) {
            EXPECT_EQ(GetWindowLongPtrW(w.hwnd, GWL_STYLE), w.style) << round;
            EXPECT_EQ(GetWindowLongPtrW(w.hwnd, GWL_EXSTYLE), w.ex) << round;
        }
        EnableSkinning();
        Repaint(dialog_);
    }
}
