// Skinned popup menus under Wine: every menu id has its own colour; a
// scripted keyboard and mouse session runs inside the menu loop and, after
// each step, reads every open popup through GetWindowDC: no pixel outside
// the skin's colours (the item texts left out) and each item in the look
// of its state. Popups whose owner is unskinned or that hold an owner-drawn
// item stay system-drawn.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/win/rect.h"
#include "runtime/controls/popup_menu.h"
#include "runtime/logic/popup_menu_look.h"
#include "tests/harness/capture.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;
using namespace hexmoor;
namespace pm = hexmoor::rt::popup;

namespace {

// The menu's images, each a solid image of its id's colour.
constexpr WORD kImageIds[] = {437, 439, 441, 443, 447, 449, 450, 452, 453};
constexpr COLORREF kOutline = RGB(10, 220, 220);
constexpr COLORREF kCheckMark = RGB(250, 120, 160), kRadioMark = RGB(120, 250, 160);
constexpr int kBorder[4] = {4, 5, 6, 7}; // left, top, right, bottom

void BuildSkin(SyntheticSkin& skin, bool withBorderImage) {
    for (WORD id : kImageIds)
        if (id != 453 || withBorderImage) skin.SolidImage(16, id, IdColour(id), 4, 4);
    CTwfObj* menu = skin.Element(16);
    menu->SetColor(429, kOutline);
    for (WORD id : {438, 440, 442, 444}) menu->SetColor(id, RGB(0, 0, 0));
    menu->SetNumber(454, kBorder[0]);
    menu->SetNumber(455, kBorder[1]);
    menu->SetNumber(606, kBorder[2]);
    menu->SetNumber(607, kBorder[3]);
    skin.SolidImage(6, 119, kCheckMark, 4, 4);
    skin.SolidImage(7, 143, kRadioMark, 4, 4);
    skin.SolidImage(1, 0, RGB(1, 2, 3), 4, 4);
}

// Item positions of the test menu.
enum : int { kNormal, kDisabled, kGrayed, kSeparator, kSubmenu, kChecked, kRadio, kLast, kGrayedSubmenu, kCount };

HMENU BuildMenu() {
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 201, L"Sub &one");
    AppendMenuW(sub, MF_STRING, 202, L"Sub &two");
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 101, L"&Normal\tCtrl+N");
    AppendMenuW(menu, MF_STRING | MF_DISABLED, 102, L"&Disabled");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 103, L"&Grayed");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_POPUP, UINT_PTR(sub), L"&Submenu");
    AppendMenuW(menu, MF_STRING | MF_CHECKED, 105, L"&Checked");
    AppendMenuW(menu, MF_STRING, 106, L"&Radio");
    CheckMenuRadioItem(menu, kRadio, kRadio, kRadio, MF_BYPOSITION);
    AppendMenuW(menu, MF_STRING, 107, L"&Last");
    HMENU unused = CreatePopupMenu();
    AppendMenuW(unused, MF_STRING, 301, L"Never");
    AppendMenuW(menu, MF_POPUP | MF_GRAYED, UINT_PTR(unused), L"&Unavailable");
    return menu;
}

void Key(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

constexpr UINT kCheckMessage = WM_APP + 7;

// What one check inside the menu loop found.
struct Snapshot {
    std::string step;
    int popups = 0;
    long foreign = 0;
    std::string foreignWhere;
    std::vector<std::vector<int>> painted;          // per popup, per item
    std::vector<std::vector<COLORREF>> itemColour;  // per popup, per item: the image colour shown
    std::vector<std::vector<COLORREF>> arrowColour; // per popup, per item: at the far end
    std::vector<int> selected;
    COLORREF checkMark = 0, radioMark = 0; // first popup
    std::vector<bool> drawing;
};

// The popup menus of this thread on the screen, oldest first.
BOOL CALLBACK CollectPopup(HWND hwnd, LPARAM lp) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (lstrcmpW(name, L"#32768") == 0 && IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(lp)->insert(reinterpret_cast<std::vector<HWND>*>(lp)->begin(), hwnd);
    return TRUE;
}

std::vector<HWND> OpenPopups() {
    std::vector<HWND> open;
    EnumThreadWindows(GetCurrentThreadId(), &CollectPopup, reinterpret_cast<LPARAM>(&open));
    return open;
}

CTWMenu* PopupObject(HWND hwnd) { return dynamic_cast<CTWMenu*>(GetSkinnedWindowObject(hwnd)); }

HMENU MenuOf(HWND hwnd) { return reinterpret_cast<HMENU>(SendMessageW(hwnd, 0x1E1 /* MN_GETHMENU */, 0, 0)); }

// The client rectangle in window coordinates.
RECT ClientInWindow(HWND hwnd) {
    RECT wr, client;
    GetWindowRect(hwnd, &wr);
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&client, origin.x - wr.left, origin.y - wr.top);
    return client;
}

// Text rectangles (window coordinates) of every item, a pixel wider all
// round: the texts are the only pixels not checked.
std::vector<RECT> TextRects(HWND hwnd) {
    std::vector<RECT> rects;
    HMENU menu = MenuOf(hwnd);
    const RECT client = ClientInWindow(hwnd);
    HDC dc = GetDC(nullptr);
    CTWMenu* popup = PopupObject(hwnd);
    HGDIOBJ old = SelectObject(dc, popup ? popup->GetFont() : GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        RECT item;
        GetMenuItemRect(nullptr, menu, UINT(i), &item);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&item), 2);
        OffsetRect(&item, client.left, client.top);
        wchar_t text[256] = {};
        GetMenuStringW(menu, UINT(i), text, 255, MF_BYPOSITION);
        const auto [label, accelerator] = pm::SplitAtTab(text);
        const pm::ItemBoxes boxes =
            pm::LayoutItem(FromRECT(item), {GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)},
                           GetSystemMetrics(SM_CXHSCROLL), false);
        SIZE extent{};
        GetTextExtentPoint32W(dc, label.c_str(), int(label.size()), &extent);
        const int middle = (item.top + item.bottom) / 2;
        rects.push_back({boxes.text.left - 1, middle - extent.cy / 2 - 2, boxes.text.left + extent.cx + 2,
                         middle + extent.cy / 2 + 2});
        if (!accelerator.empty()) {
            GetTextExtentPoint32W(dc, accelerator.c_str(), int(accelerator.size()), &extent);
            rects.push_back({boxes.accelerator.right - extent.cx - 2, middle - extent.cy / 2 - 2,
                             boxes.accelerator.right + 1, middle + extent.cy / 2 + 2});
        }
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return rects;
}

// Set where the item texts are not where the left-to-right layout puts
// them: the text colour itself then passes.
bool g_allowTextColour = false;

Snapshot TakeSnapshot(const std::string& step) {
    Snapshot s;
    s.step = step;
    std::vector<COLORREF> allowed = {kOutline, kCheckMark, kRadioMark};
    if (g_allowTextColour) allowed.push_back(RGB(0, 0, 0));
    for (WORD id : kImageIds) allowed.push_back(IdColour(id));
    const std::vector<HWND> popups = OpenPopups();
    s.popups = int(popups.size());
    for (HWND hwnd : popups) {
        CTWMenu* popup = PopupObject(hwnd);
        HMENU menu = MenuOf(hwnd);
        s.drawing.push_back(popup && popup->IsDrawing());
        s.selected.push_back(popup ? popup->GetSelectedItem() : -2);
        const PixelBuffer pixels = CaptureWindow(hwnd);
        const std::vector<RECT> texts = TextRects(hwnd);
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x) {
                const POINT p{x, y};
                if (std::any_of(texts.begin(), texts.end(), [&](const RECT& r) { return PtInRect(&r, p) != 0; }))
                    continue;
                if (std::find(allowed.begin(), allowed.end(), pixels.At(x, y)) == allowed.end()) {
                    if (s.foreign++ == 0)
                        s.foreignWhere =
                            std::to_string(x) + "," + std::to_string(y) + " " + ColourText(pixels.At(x, y));
                }
            }
        std::vector<int> painted;
        std::vector<COLORREF> colours, arrows;
        const RECT client = ClientInWindow(hwnd);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            painted.push_back(popup ? popup->PaintedState(i) : -2);
            RECT item;
            GetMenuItemRect(nullptr, menu, UINT(i), &item);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&item), 2);
            OffsetRect(&item, client.left, client.top);
            // The item's top row at a third of its width: image, never text.
            colours.push_back(pixels.At(item.left + (item.right - item.left) / 3, item.top));
            arrows.push_back(pixels.At(item.right - 3, item.top + 1));
            if (s.painted.empty() && (i == kChecked || i == kRadio)) {
                const pm::ItemBoxes boxes =
                    pm::LayoutItem(FromRECT(item), {GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)},
                                   GetSystemMetrics(SM_CXHSCROLL), false);
                const COLORREF mark =
                    pixels.At((boxes.check.left + boxes.check.right) / 2, (boxes.check.top + boxes.check.bottom) / 2);
                (i == kChecked ? s.checkMark : s.radioMark) = mark;
            }
        }
        s.painted.push_back(painted);
        s.itemColour.push_back(colours);
        s.arrowColour.push_back(arrows);
    }
    return s;
}

std::vector<Snapshot> g_snapshots;
// Extra reads of the oldest popup at each check.
std::function<void(HWND)> g_onCheck;
std::vector<std::string> g_stepNames;
WNDPROC g_previous = nullptr;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        measure->itemWidth = 120;
        measure->itemHeight = 20;
        return TRUE;
    }
    if (msg == kCheckMessage) {
        g_snapshots.push_back(TakeSnapshot(g_stepNames[std::size_t(wp)]));
        const std::vector<HWND> popups = OpenPopups();
        if (g_onCheck && !popups.empty()) g_onCheck(popups.front());
        return 0;
    }
    return CallWindowProcW(g_previous, hwnd, msg, wp, lp);
}

// The centre of an item of an open popup menu, on the screen (callable from
// the input thread).
POINT ItemCentre(HMENU menu, int index) {
    RECT r{};
    GetMenuItemRect(nullptr, menu, UINT(index), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class PopupMenuTest : public RuntimeTest {
protected:
    void Start(bool withBorderImage, HMENU bar = nullptr) {
        StartRuntime(true);
        BuildSkin(Skin(), withBorderImage);
        if (bar) menubar::BuildMenuBarSkin(Skin());
        SkinLoaded();
        EnableSkinning();
        GetCursorPos(&parked_);
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.clientWidth = 300;
        args.clientHeight = 300;
        window_ = std::make_unique<TestWindow>(args);
        hwnd_ = window_->Handle();
        g_snapshots.clear();
        g_stepNames.clear();
        g_previous =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerProc)));
        if (bar) SetMenu(hwnd_, bar);
        SetForegroundWindow(hwnd_);
        AttachBaseSkinnedObject(hwnd_);
        ApplySkinToWindow(hwnd_, 0);
        for (int i = 0; i < 4; ++i) {
            PumpMessages();
            Sleep(10);
        }
    }
    void TearDown() override {
        SetCursorPos(parked_.x, parked_.y);
        window_.reset();
        RuntimeTest::TearDown();
    }

    // Opens `menu` at a fixed spot and runs the script (one step every
    // 120 ms on a helper thread: input, then a check inside the loop).
    struct Step {
        std::string name;
        std::function<void()> input;
    };
    void Run(HMENU menu, const std::vector<Step>& steps, HWND owner = nullptr, UINT extraFlags = 0) {
        for (const Step& s : steps) g_stepNames.push_back(s.name);
        std::atomic<bool> done{false};
        std::thread driver([&] {
            Sleep(150);
            for (std::size_t i = 0; i < steps.size(); ++i) {
                if (steps[i].input) steps[i].input();
                Sleep(120);
                PostMessageW(hwnd_, kCheckMessage, WPARAM(i), 0);
                Sleep(60);
            }
            for (int i = 0; i < 3 && !done; ++i) {
                Key(VK_ESCAPE);
                Sleep(80);
            }
            // A button a step held down goes up once the menu has closed.
            MouseButton(MOUSEEVENTF_LEFTUP);
        });
        RECT wr;
        GetWindowRect(hwnd_, &wr);
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | extraFlags, wr.left + 40, wr.top + 40, 0,
                       owner ? owner : hwnd_, nullptr);
        done = true;
        driver.join();
        PumpMessages();
    }

    const Snapshot* Find(const std::string& step) const {
        for (const Snapshot& s : g_snapshots)
            if (s.step == step) return &s;
        return nullptr;
    }

    std::unique_ptr<TestWindow> window_;
    HWND hwnd_ = nullptr;
    POINT parked_{};
};

} // namespace

TEST_F(PopupMenuTest, KeyboardAndMouseSessionShowsOnlySkinColours) {
    Start(false);
    HMENU menu = BuildMenu();
    Run(menu, {
                  {"opened", nullptr},
                  {"down", [] { Key(VK_DOWN); }},
                  {"disabled", [] { Key(VK_DOWN); }},
                  {"grayed", [] { Key(VK_DOWN); }},
                  {"submenu", [] { Key(VK_DOWN); }},
                  {"submenu open", [] { Key(VK_RIGHT); }},
                  {"submenu closed", [] { Key(VK_LEFT); }},
                  {"mouse on checked", [menu] { MoveCursorTo(ItemCentre(menu, kChecked)); }},
                  {"mouse on last", [menu] { MoveCursorTo(ItemCentre(menu, kLast)); }},
                  {"pressed", [] { MouseButton(MOUSEEVENTF_LEFTDOWN); }},
              });
    DestroyMenu(menu);
    ASSERT_EQ(g_snapshots.size(), g_stepNames.size()) << "every check ran inside the menu loop";
    for (const Snapshot& s : g_snapshots) {
        ASSERT_GE(s.popups, 1) << s.step;
        EXPECT_TRUE(s.drawing[0]) << s.step;
        EXPECT_EQ(s.foreign, 0) << s.step << ": first foreign pixel at " << s.foreignWhere;
    }
    struct Expect {
        const char* step;
        int item;
        int state;
        WORD image;
    } expects[] = {
        {"opened", kNormal, pm::state::kNormal, 437},
        {"opened", kDisabled, pm::state::kDisabled, 443},
        {"opened", kGrayed, pm::state::kGrayed, 443},
        {"opened", kSeparator, pm::state::kNormal, 447},
        {"down", kNormal, pm::state::kHot, 441},
        {"disabled", kNormal, pm::state::kNormal, 437},
        {"disabled", kDisabled, pm::state::kDisabledHot, 441},
        {"grayed", kGrayed, pm::state::kDisabledHot, 441},
        {"grayed", kDisabled, pm::state::kDisabled, 443},
        {"submenu", kSubmenu, pm::state::kHot, 441},
        {"submenu", kSeparator, pm::state::kNormal, 447},
        {"submenu closed", kSubmenu, pm::state::kHot, 441},
        {"mouse on checked", kChecked, pm::state::kHot, 441},
        {"mouse on checked", kSubmenu, pm::state::kNormal, 437},
        {"mouse on last", kLast, pm::state::kHot, 441},
        {"pressed", kLast, pm::state::kPressed, 439},
    };
    for (const Expect& e : expects) {
        const Snapshot* s = Find(e.step);
        ASSERT_NE(s, nullptr) << e.step;
        EXPECT_EQ(s->painted[0][std::size_t(e.item)], e.state) << e.step << " item " << e.item;
        EXPECT_EQ(s->itemColour[0][std::size_t(e.item)], IdColour(e.image))
            << e.step << " item " << e.item << " shows " << ColourText(s->itemColour[0][std::size_t(e.item)]);
    }
    // Submenu arrows: normal, hot, disabled.
    const struct {
        const char* step;
        int item;
        WORD arrow;
    } arrows[] = {{"opened", kSubmenu, 449},
                  {"submenu", kSubmenu, 450},
                  {"opened", kGrayedSubmenu, 452},
                  {"submenu", kGrayedSubmenu, 452},
                  {"opened", kLast, 437}};
    for (const auto& a : arrows)
        EXPECT_EQ(Find(a.step)->arrowColour[0][std::size_t(a.item)], IdColour(a.arrow)) << a.step << " item " << a.item;
    const Snapshot* opened = Find("opened");
    EXPECT_EQ(opened->checkMark, kCheckMark);
    EXPECT_EQ(opened->radioMark, kRadioMark);
    const Snapshot* sub = Find("submenu open");
    ASSERT_EQ(sub->popups, 2) << "the submenu opened";
    EXPECT_EQ(sub->painted[1][0], pm::state::kHot) << "the submenu's first item is selected on opening";
    EXPECT_EQ(sub->itemColour[1][0], IdColour(441));
    EXPECT_EQ(Find("submenu closed")->popups, 1);
}

TEST_F(PopupMenuTest, BorderImageTakesTheSkinsInsetsOrTheOutlineFramesTheItems) {
    for (const bool withBorder : {false, true}) {
        SCOPED_TRACE(withBorder ? "border image 453" : "image 437 with a 429 outline");
        if (withBorder) {
            TearDown();
            g_snapshots.clear();
        }
        Start(withBorder);
        HMENU menu = BuildMenu();
        RECT client{}, window{};
        COLORREF corner = 0;
        g_onCheck = [&](HWND popup) {
            client = ClientInWindow(popup);
            GetWindowRect(popup, &window);
            corner = CaptureWindow(popup).At(1, 1);
        };
        Run(menu, {{"opened", nullptr}, {"down", [] { Key(VK_DOWN); }}, {"mouse on last", [menu] {
                                                                             MoveCursorTo(ItemCentre(menu, kLast));
                                                                         }}});
        g_onCheck = nullptr;
        DestroyMenu(menu);
        ASSERT_EQ(g_snapshots.size(), 3u);
        for (const Snapshot& s : g_snapshots) {
            ASSERT_GE(s.popups, 1) << s.step;
            EXPECT_EQ(s.foreign, 0) << s.step << ": first foreign pixel at " << s.foreignWhere;
        }
        EXPECT_EQ(g_snapshots[1].selected[0], kNormal);
        EXPECT_EQ(g_snapshots[2].selected[0], kLast) << "the mouse selects the item drawn under it";
        if (withBorder) {
            EXPECT_EQ(client.left, kBorder[0]);
            EXPECT_EQ(client.top, kBorder[1]);
            EXPECT_EQ(window.right - window.left - client.right, kBorder[2]);
            EXPECT_EQ(window.bottom - window.top - client.bottom, kBorder[3]);
            EXPECT_EQ(corner, IdColour(453));
        } else {
            EXPECT_EQ(corner, IdColour(437));
            EXPECT_EQ(g_snapshots[0].foreign, 0);
        }
    }
}

TEST_F(PopupMenuTest, UnskinnedOwnerOrOwnerDrawnItemLeavesThePopupToTheSystem) {
    Start(false);
    TestWindowArgs args;
    args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    TestWindow plain(args);
    HMENU menu = BuildMenu();
    Run(menu, {{"unskinned owner", [] { Key(VK_DOWN); }}}, plain.Handle());
    DestroyMenu(menu);
    HMENU drawn = BuildMenu();
    AppendMenuW(drawn, MF_OWNERDRAW, 108, nullptr);
    Run(drawn, {{"owner-drawn item", [] { Key(VK_DOWN); }}});
    DestroyMenu(drawn);
    ASSERT_EQ(g_snapshots.size(), 2u);
    for (const Snapshot& s : g_snapshots) {
        ASSERT_GE(s.popups, 1) << s.step;
        for (std::size_t i = 0; i < s.drawing.size(); ++i) EXPECT_FALSE(s.drawing[i]) << s.step;
        EXPECT_GT(s.foreign, 0) << s.step << ": the system's own look shows";
    }
}

TEST_F(PopupMenuTest, OpenedFromASkinnedBarByKeyboardStartsWithItemZeroHighlighted) {
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, UINT_PTR(BuildMenu()), L"&File");
    Start(false, bar);
    SetFocus(hwnd_);
    g_stepNames = {"opened by keyboard", "down"};
    std::atomic<bool> done{false};
    std::thread driver([&] {
        Sleep(100);
        Key(VK_MENU);
        Sleep(150);
        Key(VK_DOWN);
        Sleep(250);
        PostMessageW(hwnd_, kCheckMessage, 0, 0);
        Sleep(100);
        Key(VK_DOWN);
        Sleep(150);
        PostMessageW(hwnd_, kCheckMessage, 1, 0);
        Sleep(100);
        for (int i = 0; i < 3; ++i) {
            Key(VK_ESCAPE);
            Sleep(80);
        }
        done = true;
    });
    while (!done) {
        PumpMessages();
        Sleep(5);
    }
    driver.join();
    PumpMessages();
    ASSERT_EQ(g_snapshots.size(), 2u);
    const Snapshot& opened = g_snapshots[0];
    ASSERT_EQ(opened.popups, 1);
    EXPECT_EQ(opened.selected[0], kNormal);
    EXPECT_EQ(opened.painted[0][kNormal], pm::state::kHot);
    EXPECT_EQ(opened.itemColour[0][kNormal], IdColour(441));
    EXPECT_EQ(opened.foreign, 0) << opened.foreignWhere;
    const Snapshot& down = g_snapshots[1];
    ASSERT_EQ(down.popups, 1);
    EXPECT_NE(down.selected[0], kNormal) << "the keyboard moved on from item 0";
    EXPECT_EQ(down.painted[0][kNormal], pm::state::kNormal) << "item 0 lost its mark";
    EXPECT_EQ(down.foreign, 0) << down.foreignWhere;
}

TEST_F(PopupMenuTest, RightToLeftPopupShowsOnlySkinColours) {
    Start(true);
    g_allowTextColour = true;
    HMENU menu = BuildMenu();
    Run(menu,
        {{"opened", nullptr},
         {"down", [] { Key(VK_DOWN); }},
         {"submenu", [menu] { MoveCursorTo(ItemCentre(menu, kSubmenu)); }}},
        nullptr, TPM_LAYOUTRTL);
    g_allowTextColour = false;
    DestroyMenu(menu);
    ASSERT_EQ(g_snapshots.size(), 3u);
    for (const Snapshot& s : g_snapshots) {
        ASSERT_GE(s.popups, 1) << s.step;
        EXPECT_TRUE(s.drawing[0]) << s.step;
        EXPECT_EQ(s.foreign, 0) << s.step << ": first foreign pixel at " << s.foreignWhere;
    }
    EXPECT_EQ(g_snapshots[1].painted[0][kNormal], pm::state::kHot);
    EXPECT_EQ(g_snapshots[2].selected[0], kSubmenu);
}

TEST_F(PopupMenuTest, DrawItemMessagesWithForeignItemNumbersAreRefused) {
    Start(false);
    HMENU menu = BuildMenu();
    std::vector<int> painted;
    int foreignItem = 0;
    g_onCheck = [&](HWND popup) {
        CTWMenu* object = PopupObject(popup);
        if (!object) return;
        HDC dc = GetDC(popup);
        for (const UINT id : {UINT(-1), UINT(5000), UINT(kLast)}) {
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_MENU;
            item.CtlID = id;
            item.itemState = pm::state::kHot;
            item.hDC = dc;
            item.rcItem = {0, 0, 40, 10};
            SendMessageW(popup, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        }
        ReleaseDC(popup, dc);
        for (int i = 0; i < kCount; ++i) painted.push_back(object->PaintedState(i));
        foreignItem = object->PaintedState(5000);
    };
    Run(menu, {{"opened", nullptr}});
    g_onCheck = nullptr;
    DestroyMenu(menu);
    ASSERT_EQ(painted.size(), std::size_t(kCount));
    EXPECT_EQ(painted[kLast], pm::state::kHot) << "a real item is drawn as asked";
    EXPECT_EQ(painted[kNormal], pm::state::kNormal);
    EXPECT_EQ(foreignItem, -1) << "no item 5000 was drawn";
}
