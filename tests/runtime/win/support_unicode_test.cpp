// Item texts of list and combo boxes read through the form that fits the
// window: wide windows keep characters outside the ANSI code page, ANSI
// windows come back wide all the same, and a missing item reads as empty.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "runtime/text/support_unicode.h"

namespace {

struct ListCase {
    const char* what;
    const wchar_t* wideClass;
    const char* ansiClass;
    UINT addMessage;
    CUnicodeString (CSupportUnicode::*read)(int) const;
};

HWND CreateList(const ListCase& c, bool wide) {
    const DWORD style = WS_POPUP | (c.addMessage == CB_ADDSTRING ? CBS_DROPDOWNLIST : 0);
    return wide ? CreateWindowExW(0, c.wideClass, L"", style, 0, 0, 120, 200, nullptr, nullptr, nullptr, nullptr)
                : CreateWindowExA(0, c.ansiClass, "", style, 0, 0, 120, 200, nullptr, nullptr, nullptr, nullptr);
}

const ListCase kLists[] = {
    {"list box", L"LISTBOX", "LISTBOX", LB_ADDSTRING, &CSupportUnicode::GetListBoxText},
    {"combo box", L"COMBOBOX", "COMBOBOX", CB_ADDSTRING, &CSupportUnicode::GetComboItemText},
};

TEST(SupportUnicode, ListAndComboItemTextsInBothForms) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.what);
        HWND wide = CreateList(c, true);
        ASSERT_NE(wide, nullptr);
        SendMessageW(wide, c.addMessage, 0, reinterpret_cast<LPARAM>(L"Alpha"));
        SendMessageW(wide, c.addMessage, 0, reinterpret_cast<LPARAM>(L"\u0394\u03B5\u03BB\u03C4\u03B1"));
        const CSupportUnicode wideText(wide);
        ASSERT_TRUE(wideText.UsesWide());
        EXPECT_EQ((wideText.*c.read)(0).Str(), L"Alpha");
        EXPECT_EQ((wideText.*c.read)(1).Str(), L"\u0394\u03B5\u03BB\u03C4\u03B1") << "kept beyond the ANSI page";
        EXPECT_EQ((wideText.*c.read)(2).Str(), L"") << "no such item";
        DestroyWindow(wide);

        HWND ansi = CreateList(c, false);
        ASSERT_NE(ansi, nullptr);
        SendMessageA(ansi, c.addMessage, 0, reinterpret_cast<LPARAM>("Beta"));
        SendMessageA(ansi, c.addMessage, 0, reinterpret_cast<LPARAM>(""));
        const CSupportUnicode ansiText(ansi);
        ASSERT_FALSE(ansiText.UsesWide());
        EXPECT_EQ((ansiText.*c.read)(0).Str(), L"Beta");
        EXPECT_EQ((ansiText.*c.read)(1).Str(), L"") << "an empty item";
        EXPECT_EQ((ansiText.*c.read)(-1).Str(), L"") << "no such item";
        DestroyWindow(ansi);
    }
}

} // namespace

TEST(SupportUnicode, DrawTextTakesEitherFormOfTextInTheWindowsForm) {
    HWND wide = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    HWND ansi = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    for (HWND hwnd : {wide, ansi}) {
        const CSupportUnicode support(hwnd);
        RECT fromWide{0, 0, 0, 0}, fromAnsi{0, 0, 0, 0}, reference{0, 0, 0, 0};
        DrawTextW(dc, L"Hexmoor", -1, &reference, DT_CALCRECT | DT_SINGLELINE);
        EXPECT_GT(support.DrawTextAW(dc, L"Hexmoor", -1, &fromWide, DT_CALCRECT | DT_SINGLELINE), 0);
        EXPECT_GT(support.DrawTextAW(dc, "Hexmoor", -1, &fromAnsi, DT_CALCRECT | DT_SINGLELINE), 0);
        EXPECT_EQ(fromWide.right, reference.right) << (hwnd == wide ? "wide" : "ANSI") << " window";
        EXPECT_EQ(fromAnsi.right, reference.right);
        RECT part{0, 0, 0, 0}, partReference{0, 0, 0, 0};
        DrawTextW(dc, L"Hex", -1, &partReference, DT_CALCRECT | DT_SINGLELINE);
        support.DrawTextAW(dc, "Hexmoor", 3, &part, DT_CALCRECT | DT_SINGLELINE);
        EXPECT_EQ(part.right, partReference.right) << "a count in characters of the given text";
        EXPECT_EQ(support.DrawTextAW(dc, static_cast<const char*>(nullptr), -1, &part, 0), 0);
    }
    DeleteDC(dc);
    DestroyWindow(wide);
    DestroyWindow(ansi);
}

TEST(SupportUnicode, MenuItemIndexCheckAndOneMenuOwnerForTheProcess) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"one");
    AppendMenuW(menu, MF_STRING, 2, L"two");
    EXPECT_TRUE(IsMenuItemIndexValid(menu, 0));
    EXPECT_TRUE(IsMenuItemIndexValid(menu, 1));
    EXPECT_FALSE(IsMenuItemIndexValid(menu, 2));
    EXPECT_FALSE(IsMenuItemIndexValid(menu, -1));
    EXPECT_FALSE(IsMenuItemIndexValid(nullptr, 0));
    DestroyMenu(menu);

    HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetMenuOwnerWindow(owner);
    HWND seen = nullptr;
    std::thread([&seen] { seen = GetMenuOwnerWindow(); }).join();
    EXPECT_EQ(seen, owner) << "another thread's popup painter sees the same owner";
    SetMenuOwnerWindow(nullptr);
    DestroyWindow(owner);
}
