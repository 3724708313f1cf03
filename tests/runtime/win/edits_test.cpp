// Skinned edits, rich edits and combo boxes under Wine: every image and
// colour id of the edit and combo elements in its own colour, shown for each
// look reached through real messages; the caret where the skinned painting
// puts the characters; the scroll-bar engine in step with the control.
#include <commdlg.h>
#include <richedit.h>

#include <set>

#include "model/elements/combo_box.h"
#include "model/twf_obj.h"
#include "runtime/controls/edit.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/scroll/scroll_engine.h"
#include "tests/harness/capture.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);
// Text colours far from every image colour.
constexpr COLORREF kText = RGB(250, 10, 10), kSelectionBack = RGB(10, 10, 250), kDisabledText = RGB(120, 0, 120),
                   kSelectedText = RGB(250, 250, 0);
constexpr COLORREF kComboText = RGB(255, 128, 0), kComboFocusedText = RGB(0, 255, 128),
                   kComboDisabledText = RGB(128, 0, 255);
constexpr int kBorder = 3;
constexpr int kArrowWidth = 18;
const NineColours& EditNine() { return kDistinctNineColours; }

// How many pixels of a rectangle have one of the colours.
long CountOf(const PixelBuffer& pixels, const RECT& r, const std::set<COLORREF>& colours) {
    long count = 0;
    for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, pixels.Height()); ++y)
        for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, pixels.Width()); ++x)
            if (colours.count(pixels.At(x, y) & 0xFFFFFF)) ++count;
    return count;
}
long Area(const RECT& r) { return long(r.right - r.left) * long(r.bottom - r.top); }

POINT PosOf(HWND edit, int index) {
    const LRESULT answer = SendMessageW(edit, EM_POSFROMCHAR, WPARAM(index), 0);
    return {short(LOWORD(answer)), short(HIWORD(answer))};
}

int LineHeight(HWND edit) {
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return tm.tmHeight;
}

// Past the last character: after it, measured in the edit's font.
POINT EndOfText(HWND edit) {
    wchar_t text[256] = {};
    const int length = GetWindowTextW(edit, text, 256);
    if (length == 0) return {1, 1};
    const POINT last = PosOf(edit, length - 1);
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text + length - 1, 1, &size);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return {last.x + size.cx, last.y};
}

class EditsTest : public RuntimeTest {
protected:
    void SetUpSkin(bool transparentEdit = false) {
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        Skin().NinePartImage(3, 10, 12, 12, {kBorder, kBorder, kBorder, kBorder, 0, 0}, EditNine());
        Skin().SolidImage(3, 11, IdColour(11));
        CTwfObj* edit = Skin().Element(3);
        for (WORD id : {17, 18, 19, 20}) edit->SetNumber(id, kBorder);
        edit->SetColor(13, kText);
        edit->SetColor(14, kSelectionBack);
        edit->SetColor(15, kDisabledText);
        edit->SetColor(16, kSelectedText);
        for (int id : {341, 342, 343, 344, 346, 348, 351}) Skin().SolidImage(13, WORD(id), IdColour(id));
        CTwfObj* combo = Skin().Element(13);
        combo->SetColor(347, kComboText);
        combo->SetColor(349, kComboFocusedText);
        combo->SetColor(352, kComboDisabledText);
        combo->SetNumber(658, kBorder);
        combo->SetNumber(660, kBorder);
        if (transparentEdit) combo->SetNumber(662, 1);
        if (auto* c = dynamic_cast<CTwfComboBox*>(combo)) c->SetArrowWidth(kArrowWidth);
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 420, 320, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
    }
    HWND AddEdit(const wchar_t* text, DWORD style, int x, int y, int w, int h, DWORD ex = WS_EX_CLIENTEDGE) {
        return CreateWindowExW(ex, L"EDIT", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, dialog_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    HWND AddCombo(DWORD style, int x, int y, int h = 150) {
        HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | style, x, y,
                                     140, h, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (const wchar_t* item : {L"One", L"Two", L"Three", L"Four"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return combo;
    }
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        RedrawWindow(dialog_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    // Typing, the wheel, paging and a thumb drag on a skinned multi-line
    // edit whose skinned bars are `narrower` pixels thinner than the system's.
    void ScrollBarsFollow(int narrower);
    HWND dialog_ = nullptr;
};

// The client rectangle of one line of text between two character positions.
RECT Span(HWND edit, int from, int to) {
    const POINT a = PosOf(edit, from), b = PosOf(edit, to);
    return {a.x, a.y, b.x, a.y + LineHeight(edit)};
}

// The client area with the caret hidden (it inverts a column where it blinks).
PixelBuffer Client(HWND edit) {
    Settle();
    HideCaret(edit);
    PixelBuffer pixels = CaptureClient(edit);
    ShowCaret(edit);
    return pixels;
}

RECT ClientRect(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

const std::set<COLORREF> kSelectionColours{kSelectionBack, kSelectedText};

// Every pixel of a rectangle is one of the colours (and there is at least one).
::testing::AssertionResult OnlyColours(const PixelBuffer& pixels, const RECT& r, const std::set<COLORREF>& colours) {
    if (Area(r) <= 0) return ::testing::AssertionFailure() << "empty rectangle";
    const long found = CountOf(pixels, r, colours);
    if (found == Area(r)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Area(r) - found << " of " << Area(r) << " pixels in [" << r.left << ","
                                         << r.top << "," << r.right << "," << r.bottom << ") are other colours";
}

// The border ring of a window shows the nine-part image's edge colours.
::testing::AssertionResult RingOfNine(HWND hwnd, const NineColours& nine) {
    const PixelBuffer pixels = CaptureWindow(hwnd);
    const int w = pixels.Width(), h = pixels.Height();
    struct Probe {
        int x, y;
        COLORREF expected;
    } probes[] = {{1, 1, nine.topLeft},        {w / 2, 1, nine.top},
                  {w - 2, 1, nine.topRight},   {1, h / 2, nine.left},
                  {w - 2, h / 2, nine.right},  {1, h - 2, nine.bottomLeft},
                  {w / 2, h - 2, nine.bottom}, {w - 2, h - 2, nine.bottomRight}};
    for (const Probe& p : probes)
        if ((pixels.At(p.x, p.y) & 0xFFFFFF) != p.expected)
            return ::testing::AssertionFailure() << "at " << p.x << "," << p.y << " " << ColourText(pixels.At(p.x, p.y))
                                                 << " instead of " << ColourText(p.expected);
    return ::testing::AssertionSuccess();
}

RECT CWindowRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

NineColours Solid(COLORREF c) { return {c, c, c, c, c, c, c, c, c}; }

} // namespace

TEST_F(EditsTest, SingleLineLooks) {
    SetUpSkin();
    HWND edit = AddEdit(L"abc def ghi", ES_AUTOHSCROLL, 10, 10, 200, 26);
    HWND keep = AddEdit(L"keeps", ES_AUTOHSCROLL | ES_NOHIDESEL, 10, 50, 200, 26);
    HWND other = AddEdit(L"", 0, 10, 90, 200, 26);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(edit), hexmoor::rt::ctype::kEdit);
    const std::set<COLORREF> normal{EditNine().centre, kText};

    SetFocus(other);
    SendMessageW(edit, EM_SETSEL, 1, 4);
    SendMessageW(keep, EM_SETSEL, 1, 4);
    EXPECT_TRUE(RingOfNine(edit, EditNine())) << "border ring from image 10";
    PixelBuffer pixels = Client(edit);
    EXPECT_TRUE(OnlyColours(pixels, ClientRect(edit), normal)) << "unfocused: no selection drawn";
    EXPECT_GT(CountOf(pixels, ClientRect(edit), {kText}), 20) << "text in colour 13";
    pixels = Client(keep);
    EXPECT_TRUE(OnlyColours(pixels, Span(keep, 1, 4), kSelectionColours)) << "ES_NOHIDESEL keeps its selection";

    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 1, 4);
    pixels = Client(edit);
    const RECT span = Span(edit, 1, 4);
    EXPECT_TRUE(OnlyColours(pixels, span, kSelectionColours)) << "focused: selection in colours 14 and 16";
    EXPECT_GT(CountOf(pixels, span, {kSelectedText}), 5);
    EXPECT_EQ(CountOf(pixels, ClientRect(edit), kSelectionColours), Area(span)) << "nothing else selected";

    SetFocus(other);
    SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
    EXPECT_TRUE(RingOfNine(edit, Solid(IdColour(11)))) << "read-only: image 11";
    EXPECT_TRUE(OnlyColours(Client(edit), ClientRect(edit), {IdColour(11), kText})) << "read-only text in 13";
    SendMessageW(edit, EM_SETREADONLY, FALSE, 0);
    EnableWindow(edit, FALSE);
    EXPECT_TRUE(RingOfNine(edit, Solid(IdColour(11)))) << "disabled: image 11";
    pixels = Client(edit);
    EXPECT_TRUE(OnlyColours(pixels, ClientRect(edit), {IdColour(11), kDisabledText})) << "disabled text in 15";
    EXPECT_GT(CountOf(pixels, ClientRect(edit), {kDisabledText}), 20);
    EnableWindow(edit, TRUE);
    EXPECT_TRUE(RingOfNine(edit, EditNine())) << "enabled again";
    // Text put in by the program shows at once.
    SendMessageW(other, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"replaced"));
    EXPECT_GT(CountOf(Client(other), ClientRect(other), {kText}), 20) << "EM_REPLACESEL";
}

TEST_F(EditsTest, PasswordShowsOneMaskPerCharacterUnderTheSelection) {
    SetUpSkin();
    HWND edit = AddEdit(L"abc", ES_PASSWORD | ES_AUTOHSCROLL, 10, 10, 200, 26);
    SkinAll();
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, 0);
    PixelBuffer pixels = Client(edit);
    // The three cells show the same mask: the text itself is never drawn.
    const RECT first = Span(edit, 0, 1);
    const int cell = first.right - first.left;
    ASSERT_GT(cell, 0);
    for (int i = 1; i < 3; ++i) {
        const RECT r{PosOf(edit, i).x, first.top, PosOf(edit, i).x + cell, first.bottom};
        EXPECT_EQ(r.left, first.left + i * cell);
        for (int y = first.top; y < first.bottom; ++y)
            for (int x = 0; x < cell; ++x)
                ASSERT_EQ(pixels.At(first.left + x, y), pixels.At(r.left + x, y))
                    << "cell " << i << " at " << x << "," << y;
    }
    EXPECT_GT(CountOf(pixels, first, {kText}), 3);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    pixels = Client(edit);
    const RECT all{first.left, first.top, first.left + 3 * cell, first.bottom};
    EXPECT_TRUE(OnlyColours(pixels, all, kSelectionColours)) << "the selection covers the masks";
    EXPECT_GT(CountOf(pixels, all, {kSelectedText}), 9);
}

TEST_F(EditsTest, MultiLineSelectionCutsFirstAndLastLine) {
    SetUpSkin();
    HWND edit = AddEdit(L"first line\r\nsecond line\r\nthird line\r\nfourth line", ES_MULTILINE | ES_AUTOVSCROLL, 10,
                        10, 220, 100);
    SkinAll();
    SetFocus(edit);
    const int second = int(SendMessageW(edit, EM_LINEINDEX, 1, 0));
    const int third = int(SendMessageW(edit, EM_LINEINDEX, 2, 0));
    const int fourth = int(SendMessageW(edit, EM_LINEINDEX, 3, 0));
    SendMessageW(edit, EM_SETSEL, 3, third + 4);
    const PixelBuffer pixels = Client(edit);
    EXPECT_TRUE(OnlyColours(pixels, Span(edit, 3, 10), kSelectionColours)) << "first line from the selection point";
    EXPECT_EQ(CountOf(pixels, Span(edit, 0, 3), kSelectionColours), 0) << "first line before it";
    EXPECT_TRUE(OnlyColours(pixels, Span(edit, second, second + 11), kSelectionColours)) << "inner line whole";
    EXPECT_TRUE(OnlyColours(pixels, Span(edit, third, third + 4), kSelectionColours)) << "last line up to the point";
    EXPECT_EQ(CountOf(pixels, Span(edit, third + 4, third + 10), kSelectionColours), 0) << "last line after it";
    EXPECT_EQ(CountOf(pixels, Span(edit, fourth, fourth + 6), kSelectionColours), 0) << "a line outside";
    EXPECT_GT(CountOf(pixels, Span(edit, fourth, fourth + 6), {kText}), 10);
}

TEST_F(EditsTest, CaretStandsAtTheSelectionEdgeAfterKeysClicksAndTyping) {
    SetUpSkin();
    HWND edit = AddEdit(L"hello world", ES_AUTOHSCROLL, 10, 10, 200, 26);
    SkinAll();
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 5, 5);
    auto caretAt = [&](bool start) -> ::testing::AssertionResult {
        DWORD s = 0, e = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        POINT expected = PosOf(edit, int(start ? s : e));
        if (expected.x == -1 && expected.y == -1) expected = EndOfText(edit);
        POINT caret{};
        GetCaretPos(&caret);
        if (caret.x == expected.x && caret.y == expected.y) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "caret " << caret.x << "," << caret.y << ", selection " << s << "-" << e
                                             << " edge at " << expected.x << "," << expected.y;
    };
    auto key = [&](UINT vk, bool shift) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageW(edit, WM_KEYDOWN, vk, 1);
        if (vk == VK_BACK) SendMessageW(edit, WM_CHAR, 8, 1);
        SendMessageW(edit, WM_KEYUP, vk, 0xC0000001);
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    };
    struct Step {
        UINT vk;
        bool shift;
        bool atStart;
        const char* what;
    } steps[] = {
        {VK_HOME, false, true, "Home"},         {VK_RIGHT, false, true, "Right"},
        {VK_RIGHT, true, false, "Shift+Right"}, {VK_RIGHT, true, false, "Shift+Right again"},
        {VK_END, false, true, "End"},           {VK_LEFT, true, true, "Shift+Left"},
        {VK_LEFT, false, true, "Left"},         {VK_BACK, false, true, "Backspace"},
        {VK_HOME, true, true, "Shift+Home"},
    };
    for (const Step& s : steps) {
        key(s.vk, s.shift);
        EXPECT_TRUE(caretAt(s.atStart)) << s.what;
    }
    SendMessageW(edit, WM_CHAR, 'x', 1);
    EXPECT_TRUE(caretAt(true)) << "typing";
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SetWindowTextW(edit, L"hello world");
    const POINT third = PosOf(edit, 3), seventh = PosOf(edit, 7);
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(third.x + 1, third.y + 3));
    EXPECT_TRUE(caretAt(true)) << "click";
    SendMessageW(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(seventh.x + 1, seventh.y + 3));
    EXPECT_TRUE(caretAt(false)) << "dragging right";
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(seventh.x + 1, seventh.y + 3));
    EXPECT_TRUE(caretAt(false)) << "released";
    const PixelBuffer pixels = Client(edit);
    EXPECT_TRUE(OnlyColours(pixels, Span(edit, 3, 7), kSelectionColours)) << "mouse selection painted";
    // A double click selects the word under it, and the selection shows.
    const POINT eighth = PosOf(edit, 8);
    SendMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(eighth.x + 1, eighth.y + 3));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(eighth.x + 1, eighth.y + 3));
    DWORD wordStart = 0, wordEnd = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&wordStart), reinterpret_cast<LPARAM>(&wordEnd));
    EXPECT_EQ(wordStart, 6u);
    EXPECT_TRUE(OnlyColours(Client(edit), Span(edit, 6, 10), kSelectionColours)) << "double click";
    // Nothing but the skin's colours over the whole edit after the keys,
    // typing and the mouse selection.
    HideCaret(edit);
    const PixelBuffer whole = CaptureWindow(edit);
    ShowCaret(edit);
    const NineColours& n = EditNine();
    EXPECT_EQ(CountOf(whole, {0, 0, whole.Width(), whole.Height()},
                      {n.topLeft, n.top, n.topRight, n.left, n.centre, n.right, n.bottomLeft, n.bottom, n.bottomRight,
                       kText, kSelectionBack, kSelectedText}),
              long(whole.Width()) * whole.Height());
}

TEST_F(EditsTest, ScrollBarsFollowTypingWheelAndKeys) {
    // Wine repaints its own bar at the system's width whenever the control
    // sets its scroll data: with a narrower skinned bar the rest of Wine's
    // bar lands on the edit's border ring, which must be painted again.
    for (const int narrower : {0, 3}) {
        SCOPED_TRACE(narrower ? "bars narrower than the system's" : "bars as wide as the system's");
        ScrollBarsFollow(narrower);
        TearDown();
        dialog_ = nullptr;
    }
}

void EditsTest::ScrollBarsFollow(int narrower) {
    SetUpSkin();
    for (int id = 42; id <= 101; ++id) Skin().SolidImage(5, WORD(id), IdColour(id));
    for (int id = 814; id <= 841; ++id) Skin().SolidImage(5, WORD(id), IdColour(id));
    CTwfObj* bars = Skin().Element(5);
    for (WORD id : {810, 811}) bars->SetNumber(id, DWORD(GetSystemMetrics(SM_CXVSCROLL) - narrower));
    for (WORD id : {812, 813}) bars->SetNumber(id, DWORD(GetSystemMetrics(SM_CYHSCROLL) - narrower));
    HWND edit = AddEdit(L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, 10, 10, 220, 120);
    SkinAll();
    SetFocus(edit);
    std::set<COLORREF> allowed{
        EditNine().topLeft, EditNine().top,        EditNine().topRight, EditNine().left,        EditNine().centre,
        EditNine().right,   EditNine().bottomLeft, EditNine().bottom,   EditNine().bottomRight, kText,
        kSelectionBack,     kSelectedText};
    for (int id = 42; id <= 101; ++id) allowed.insert(IdColour(id));
    for (int id = 814; id <= 841; ++id) allowed.insert(IdColour(id));
    auto inStep = [&](const char* what) {
        Settle();
        SCROLLINFO real{sizeof(real), SIF_ALL, 0, 0, 0, 0, 0}, engine{sizeof(engine), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(edit, SB_VERT, &real);
        SkinGetScrollInfo(edit, SB_VERT, &engine);
        EXPECT_EQ(engine.nMax, real.nMax) << what;
        EXPECT_EQ(engine.nPage, real.nPage) << what;
        EXPECT_EQ(engine.nPos, real.nPos) << what;
        HideCaret(edit);
        const PixelBuffer pixels = CaptureWindow(edit);
        ShowCaret(edit);
        const RECT whole{0, 0, pixels.Width(), pixels.Height()};
        EXPECT_EQ(Area(whole) - CountOf(pixels, whole, allowed), 0) << "foreign pixels " << what;
        return real;
    };
    for (int line = 0; line < 40; ++line) {
        for (const char* c = "line"; *c; ++c) SendMessageW(edit, WM_CHAR, WPARAM(*c), 1);
        SendMessageW(edit, WM_CHAR, WPARAM('0' + line % 10), 1);
        if (line < 39) {
            SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
            SendMessageW(edit, WM_CHAR, '\r', 1);
        }
    }
    const SCROLLINFO typed = inStep("after typing");
    EXPECT_GT(typed.nMax, 30);
    EXPECT_GT(typed.nPos, 0);
    SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(50, 50));
    const SCROLLINFO wheeled = inStep("after the wheel");
    EXPECT_LT(wheeled.nPos, typed.nPos);
    SendMessageW(edit, WM_KEYDOWN, VK_PRIOR, 1);
    SendMessageW(edit, WM_KEYDOWN, VK_PRIOR, 1);
    SendMessageW(edit, WM_KEYDOWN, VK_PRIOR, 1);
    const SCROLLINFO paged = inStep("after Page Up");
    EXPECT_LT(paged.nPos, wheeled.nPos);
    SendMessageW(edit, WM_KEYDOWN, VK_NEXT, 1);
    const SCROLLINFO paged_down = inStep("after Page Down");
    EXPECT_GT(paged_down.nPos, paged.nPos);
    // The thumb dragged somewhere else than the current line: the control,
    // its scroll data and the engine all end on the dragged-to line.
    const int dragged = paged_down.nPos > 12 ? 12 : paged_down.nPos + 6;
    SendMessageW(edit, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, dragged), 0);
    EXPECT_EQ(inStep("after the thumb track").nPos, dragged);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), dragged);
    SendMessageW(edit, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, dragged), 0);
    SendMessageW(edit, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    EXPECT_EQ(inStep("after the thumb's release").nPos, dragged);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), dragged);
}

TEST_F(EditsTest, RichEditKeepsItsOwnTextInsideTheSkinnedBorder) {
    LoadLibraryW(L"riched20.dll");
    SetUpSkin();
    HWND rich = CreateWindowExW(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, L"rich text", WS_CHILD | WS_VISIBLE | ES_MULTILINE,
                                10, 10, 200, 60, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(rich);
    SendMessageW(rich, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
    SkinAll();
    auto* object = dynamic_cast<CTWEdit*>(GetSkinnedWindowObject(rich));
    ASSERT_TRUE(object);
    EXPECT_TRUE(object->IsRichEdit());
    RedrawWindow(rich, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Settle();
    EXPECT_TRUE(RingOfNine(rich, EditNine())) << "skinned border";
    const PixelBuffer pixels = CaptureClient(rich);
    const RECT client = ClientRect(rich);
    EXPECT_EQ(CountOf(pixels, client, {EditNine().centre, kText}), 0) << "the rich edit paints its own client area";
    EXPECT_GT(CountOf(pixels, client, {RGB(255, 255, 255)}), Area(client) / 2);
}

namespace {
POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The combo's drop-down part in client coordinates.
RECT DropPart(HWND combo, bool rightAligned = false) {
    const RECT client = ClientRect(combo);
    return rightAligned ? RECT{0, 0, kArrowWidth, client.bottom}
                        : RECT{client.right - kArrowWidth, 0, client.right, client.bottom};
}
} // namespace

TEST_F(EditsTest, DropDownListFaceArrowAndTextInEveryState) {
    SetUpSkin();
    HWND combo = AddCombo(CBS_DROPDOWNLIST, 10, 10);
    HWND right = CreateWindowExW(WS_EX_RIGHT, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 200, 10, 140,
                                 150, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND other = AddEdit(L"", 0, 10, 200, 100, 24);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(combo), hexmoor::rt::ctype::kComboBox);
    SetFocus(other);
    const RECT drop = DropPart(combo);
    const POINT face{3, 2};
    auto look = [&](int faceId, int arrowId, COLORREF text, const char* what) {
        Settle();
        const PixelBuffer pixels = CaptureClient(combo);
        EXPECT_TRUE(PixelIs(pixels, Centre(drop), IdColour(arrowId))) << what << ": arrow";
        EXPECT_TRUE(PixelIs(pixels, face, IdColour(faceId))) << what << ": face";
        EXPECT_TRUE(PixelIs(CaptureWindow(combo), {1, 1}, IdColour(faceId))) << what << ": border from the face";
        const RECT textArea{2, 0, drop.left, drop.bottom};
        EXPECT_GT(CountOf(pixels, textArea, {text}), 10) << what << ": selected item's text";
        EXPECT_EQ(CountOf(pixels, textArea, {kComboText, kComboFocusedText, kComboDisabledText}),
                  CountOf(pixels, textArea, {text}))
            << what << ": one text colour";
    };
    look(346, 341, kComboText, "normal");
    SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(Centre(drop).x, Centre(drop).y));
    look(346, 343, kComboText, "hot");
    SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    look(346, 341, kComboText, "hot left again");
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    look(346, 342, kComboText, "dropped");
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    look(346, 341, kComboText, "closed up");
    SetFocus(combo);
    look(348, 341, kComboFocusedText, "focused");
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    look(348, 341, kComboFocusedText, "after a key");
    SetFocus(other);
    EnableWindow(combo, FALSE);
    look(351, 344, kComboDisabledText, "disabled");
    EnableWindow(combo, TRUE);
    look(346, 341, kComboText, "enabled again");
    // No pixel other than the skin's after all that.
    Settle();
    const PixelBuffer whole = CaptureWindow(combo);
    const RECT all{0, 0, whole.Width(), whole.Height()};
    EXPECT_EQ(CountOf(whole, all, {IdColour(346), IdColour(341), kComboText}), Area(all));

    // WS_EX_RIGHT: the drop-down part at the left edge.
    const PixelBuffer mirrored = CaptureClient(right);
    EXPECT_TRUE(PixelIs(mirrored, Centre(DropPart(right, true)), IdColour(341)));
    EXPECT_TRUE(PixelIs(mirrored, Centre(DropPart(right)), IdColour(346)));
}

TEST_F(EditsTest, DropDownComboEditShowsTheEditCentreAndSimpleComboIsFramed) {
    SetUpSkin();
    HWND combo = AddCombo(CBS_DROPDOWN, 10, 10);
    HWND simple = AddCombo(CBS_SIMPLE, 200, 10, 120);
    SetWindowTextW(combo, L"");
    SkinAll();
    HWND edit = GetWindow(combo, GW_CHILD);
    ASSERT_EQ(GetSkinnedWindowType(edit), hexmoor::rt::ctype::kEdit);
    const PixelBuffer pixels = CaptureClient(combo);
    EXPECT_TRUE(PixelIs(pixels, Centre(DropPart(combo)), IdColour(341)));
    EXPECT_TRUE(PixelIs(CaptureWindow(combo), {1, 1}, IdColour(346)));
    // The edit inside draws the centre of its image only: no border ring.
    EXPECT_TRUE(OnlyColours(CaptureWindow(edit), ClientRect(edit), {EditNine().centre}));
    SetFocus(edit);
    SendMessageW(edit, WM_CHAR, 'a', 1);
    SendMessageW(edit, WM_CHAR, 'b', 1);
    Settle();
    HideCaret(edit);
    const PixelBuffer typed = CaptureClient(edit);
    ShowCaret(edit);
    EXPECT_TRUE(OnlyColours(typed, ClientRect(edit), {EditNine().centre, kText})) << "typed text in colour 13";
    EXPECT_GT(CountOf(typed, ClientRect(edit), {kText}), 10);
    EXPECT_TRUE(PixelIs(CaptureWindow(combo), {1, 1}, IdColour(348))) << "the combo looks focused with its edit";
    // The skin's drop-down part takes the click all along its width, also
    // where it is wider than the control's own button.
    const RECT drop = DropPart(combo);
    SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(drop.left, (drop.top + drop.bottom) / 2));
    SendMessageW(combo, WM_LBUTTONUP, 0, MAKELPARAM(drop.left, (drop.top + drop.bottom) / 2));
    EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) << "a click on the arrow's first column";
    EXPECT_TRUE(PixelIs(CaptureClient(combo), Centre(drop), IdColour(342)));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    ReleaseCapture();
    Settle();

    // A simple combo: no face and no arrow; its edit is framed by the edit
    // element's image 10. Wine's edit spans the combo's width from its top,
    // so the frame shows in the rows between the edit and the list.
    HWND simpleEdit = FindWindowExW(simple, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(simpleEdit);
    RECT inner = CWindowRectOf(simpleEdit);
    const RECT outer = CWindowRectOf(simple);
    OffsetRect(&inner, -outer.left, -outer.top);
    const PixelBuffer framed = CaptureWindow(simple);
    EXPECT_TRUE(PixelIs(framed, {(inner.left + inner.right) / 2, inner.bottom}, EditNine().bottom));
    EXPECT_TRUE(OnlyColours(CaptureWindow(simpleEdit), ClientRect(simpleEdit), {EditNine().centre}))
        << "the simple combo's edit: image centre";
}

TEST_F(EditsTest, TransparentEditShowsTheComboFace) {
    SetUpSkin(true);
    HWND combo = AddCombo(CBS_DROPDOWN, 10, 10);
    SkinAll();
    HWND edit = GetWindow(combo, GW_CHILD);
    ASSERT_EQ(GetSkinnedWindowType(edit), hexmoor::rt::ctype::kEdit);
    EXPECT_TRUE(OnlyColours(CaptureWindow(edit), ClientRect(edit), {IdColour(346)}));
}

namespace {
// How deep colour requests nest in a window: a skinned control that hands
// its parent's request back to itself makes the parent reflect it again
// without end (Wine cuts the recursion at about 64 levels; Windows runs out
// of stack).
WNDPROC g_nestingPrevious = nullptr;
int g_colourDepth = 0, g_deepestColour = 0;
LRESULT CALLBACK ColourNesting(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg < WM_CTLCOLORMSGBOX || msg > WM_CTLCOLORSTATIC)
        return CallWindowProcW(g_nestingPrevious, hwnd, msg, wp, lp);
    g_deepestColour = std::max(g_deepestColour, ++g_colourDepth);
    const LRESULT result = CallWindowProcW(g_nestingPrevious, hwnd, msg, wp, lp);
    --g_colourDepth;
    return result;
}

// What the file dialog's combo boxes looked like to the runtime, read from
// inside the dialog once it is up.
struct DialogCombo {
    int id;
    bool present = false;
    DWORD style = 0;
    int type = -1;
    bool active = false;
    bool face = false;   // the face shows a skin colour
    long systemFace = 0; // pixels of the text part after a plain repaint in no skin colour
    long windowFace = 0; // of them, in the face colour the dialog paints (window or highlight)
    long textArea = 0;
    wchar_t cls[32] = {};
};
DialogCombo g_dialogCombos[3] = {{1136}, {1137}, {1148}};

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == CDN_INITDONE) {
        ApplySkinToWindow(GetParent(hook), 1);
        // Read once the dialog shows.
        SetTimer(hook, 1, 300, nullptr);
        return 0;
    }
    if (msg != WM_TIMER) return 0;
    KillTimer(hook, 1);
    HWND dialog = GetParent(hook);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (DialogCombo& c : g_dialogCombos) {
        HWND combo = GetDlgItem(dialog, c.id);
        if (!combo) continue;
        c.present = true;
        GetClassNameW(combo, c.cls, 32);
        c.style = DWORD(GetWindowLongPtrW(combo, GWL_STYLE));
        c.type = GetSkinnedWindowType(combo);
        CTWWnd* object = GetSkinnedWindowObject(combo);
        c.active = object && object->IsActive();
        const PixelBuffer pixels = CaptureWindow(combo);
        const RECT all{0, 0, pixels.Width(), pixels.Height()};
        c.face = CountOf(pixels, all, {IdColour(346), IdColour(341)}) > 0;
        // A plain repaint (the combo's own WM_PAINT); the text part (left of
        // the drop-down part) read in client coordinates.
        InvalidateRect(combo, nullptr, FALSE);
        UpdateWindow(combo);
        const PixelBuffer client = CaptureClient(combo);
        const RECT text{0, 0, client.Width() - kArrowWidth, client.Height()};
        std::set<COLORREF> skin;
        for (int id = 341; id <= 352; ++id) skin.insert(IdColour(id));
        c.textArea = Area(text);
        c.systemFace = c.textArea - CountOf(client, text, skin);
        c.windowFace = CountOf(client, text, {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_HIGHLIGHT)});
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}
} // namespace

TEST_F(EditsTest, CommonDialogCombosAgainstWinesFileDialog) {
    SetUpSkin();
    // An owner-drawn combo outside a common dialog keeps the system's look.
    HWND ownerDrawn = AddCombo(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10, 10);
    SkinAll();
    // Switched off by its own Enable and on again by the dialog's apply, it
    // still leaves its colour requests to the dialog: each reaches the dialog
    // once.
    g_nestingPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ColourNesting)));
    g_colourDepth = g_deepestColour = 0;
    RedrawWindow(ownerDrawn, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Settle();
    EXPECT_EQ(g_deepestColour, 1) << "colour requests nest";
    const PixelBuffer plain = CaptureWindow(ownerDrawn);
    EXPECT_EQ(CountOf(plain, {0, 0, plain.Width(), plain.Height()}, {IdColour(346), IdColour(341)}), 0)
        << "owner-drawn combo keeps the system's look";

    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = dialog_;
    ofn.lpstrFilter = L"Text\0*.txt\0All\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    ofn.lpfnHook = &FileDialogHook;
    GetOpenFileNameW(&ofn);
    for (const DialogCombo& c : g_dialogCombos) {
        std::printf(
            "file dialog combo %d: class %ls style %08lx type %d active %d face %d system face %ld (window "
            "colour %ld of %ld)\n",
            c.id, c.cls, c.style, c.type, c.active, c.face, c.systemFace, c.windowFace, c.textArea);
    }
    const DialogCombo& types = g_dialogCombos[0];
    const DialogCombo& lookIn = g_dialogCombos[1];
    ASSERT_TRUE(types.present && lookIn.present);
    EXPECT_EQ(types.type, hexmoor::rt::ctype::kComboBox);
    EXPECT_TRUE(types.active && types.face) << "the file-type combo is skinned";
    // The owner-drawn "look in" combo (1137) keeps skinning: its arrow and
    // border from the skin, its face drawn by the dialog, also after a plain
    // repaint.
    ASSERT_TRUE(lookIn.style & CBS_OWNERDRAWFIXED);
    EXPECT_TRUE(lookIn.active && lookIn.face) << "the look-in combo is skinned";
    EXPECT_GT(lookIn.windowFace * 2, lookIn.textArea) << "the dialog's face of the look-in combo";
}
