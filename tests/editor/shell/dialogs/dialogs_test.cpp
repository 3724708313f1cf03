// The small dialogs driven through their modal loops: a thread timer runs
// scripted steps against the open dialog, one step per tick.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "editor/shell/dialogs/dialogs.h"
#include "resources/about_dialog_ids.h"
#include "resources/copyright_dialog_ids.h"
#include "resources/item_name_dialog_ids.h"
#include "tests/editor/scripted_dialog.h"
#include "tests/harness/capture.h"

using namespace hexmoor;

namespace {

using test::Click;
using test::RunScripted;
using test::Text;

class Dialogs : public test::EditorApp {};

} // namespace

TEST_F(Dialogs, NameDialogRefusesBadNamesSilentlyAndTakesAGoodOne) {
    Start({L"x.twf"});
    messages->shown.clear();
    shell::CAskForNameDlg dlg;
    dlg.SetChooseKind(0);
    std::vector<bool> openAfter;
    auto tryName = [&](const wchar_t* name) {
        return [&, name] {
            SetDlgItemTextW(dlg.Handle(), IDC_ITEM_NAME, name);
            Click(dlg.Handle(), IDOK);
            openAfter.push_back(IsWindowVisible(dlg.Handle()) != FALSE);
        };
    };
    bool listShown = true;
    RECT wr{}, lr{};
    INT_PTR r =
        RunScripted(dlg, {[&] {
                              listShown = IsWindowVisible(dlg.Item(IDC_ITEM_KIND_LIST)) != FALSE;
                              GetWindowRect(dlg.Handle(), &wr);
                              GetWindowRect(dlg.Item(IDC_ITEM_KIND_LIST), &lr);
                          },
                          tryName(L""), tryName(L"Default"), tryName(L"a<b"), tryName(L"a\\b"), tryName(L"Folder 1")});
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(dlg.GetItemName(), L"Folder 1");
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true, true, true, false}));
    EXPECT_TRUE(messages->shown.empty());
    // Only the name shows: the dialog ends where the list would begin.
    EXPECT_FALSE(listShown);
    EXPECT_EQ(wr.bottom, lr.top);
}

TEST_F(Dialogs, NameDialogInKindModeNeedsAKindAndProposesItsName) {
    Start({L"x.twf"});
    shell::CAskForNameDlg dlg;
    dlg.SetChooseKind(1);
    bool openWithoutKind = false;
    std::wstring proposed;
    int rows = 0;
    INT_PTR r = RunScripted(dlg, {[&] {
                                      HWND list = dlg.Item(IDC_ITEM_KIND_LIST);
                                      rows = ListView_GetItemCount(list);
                                      SetDlgItemTextW(dlg.Handle(), IDC_ITEM_NAME, L"Mine");
                                      Click(dlg.Handle(), IDOK);
                                      openWithoutKind = IsWindowVisible(dlg.Handle()) != FALSE;
                                  },
                                  [&] {
                                      HWND list = dlg.Item(IDC_ITEM_KIND_LIST);
                                      ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED,
                                                            LVIS_SELECTED | LVIS_FOCUSED);
                                      ListView_SetSelectionMark(list, 2);
                                      proposed = Text(dlg.Handle(), IDC_ITEM_NAME);
                                      Click(dlg.Handle(), IDOK);
                                  }});
    EXPECT_EQ(rows, 22);
    EXPECT_TRUE(openWithoutKind);
    EXPECT_EQ(proposed, L"RegionDefined");
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(dlg.GetElementType(), 60);
    EXPECT_EQ(dlg.GetItemName(), L"RegionDefined");
}

// The kind list shows the tree's own image list: closing the dialog leaves
// that list to the tree, which goes on drawing its icons with it.
TEST_F(Dialogs, NameDialogLeavesTheTreesImageListAlive) {
    Start({L"x.twf"});
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 4, 4);
    ASSERT_NE(images, nullptr);
    for (int i = 0; i < 3; ++i) {
        HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
        ImageList_AddIcon(images, icon);
    }
    {
        shell::CAskForNameDlg dlg(images);
        dlg.SetChooseKind(1);
        HIMAGELIST shown = nullptr;
        RunScripted(dlg, {[&] {
                        shown = ListView_GetImageList(dlg.Item(IDC_ITEM_KIND_LIST), LVSIL_SMALL);
                        Click(dlg.Handle(), IDCANCEL);
                    }});
        EXPECT_EQ(shown, images);
    }
    EXPECT_EQ(ImageList_GetImageCount(images), 3);
    IMAGEINFO info{};
    EXPECT_TRUE(ImageList_GetImageInfo(images, 2, &info));
    ImageList_Destroy(images);
}

TEST_F(Dialogs, CopyrightDialogShowsTheSkinsStringsAndTakesEditsBack) {
    Start({L"x.twf"});
    shell::SkinInfo info{L"Blue", L"(c) 2026", L"Ann",        L"Moor Ltd", L"ann@example.org", L"https://example.org",
                         L"1.0",  L"today",    L"A blue skin"};
    shell::CCopyRightDlg dlg(info, true);
    std::wstring shownName, shownDescription;
    INT_PTR r = RunScripted(dlg, {[&] {
                                shownName = Text(dlg.Handle(), IDC_INFO_SKIN_NAME);
                                shownDescription = Text(dlg.Handle(), IDC_INFO_DESCRIPTION);
                                SetDlgItemTextW(dlg.Handle(), IDC_INFO_AUTHOR, L"Bo");
                                Click(dlg.Handle(), IDOK);
                            }});
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(shownName, L"Blue");
    EXPECT_EQ(shownDescription, L"A blue skin");
    shell::SkinInfo edited = info;
    EXPECT_TRUE(shell::ApplySkinInfo(edited, dlg.Fields()));
    EXPECT_EQ(edited[2], L"Bo");
    EXPECT_EQ(edited[0], L"Blue");

    // Before any skin is loaded the fields start empty.
    shell::CCopyRightDlg empty(info, false);
    std::wstring emptyName = L"?";
    RunScripted(empty, {[&] {
                    emptyName = Text(empty.Handle(), IDC_INFO_SKIN_NAME);
                    Click(empty.Handle(), IDCANCEL);
                }});
    EXPECT_EQ(emptyName, L"");
}

TEST_F(Dialogs, AboutBoxLinkOpensItsAddressThroughTheShell) {
    Start({L"x.twf"});
    shell::CAboutDlg dlg;
    std::wstring version;
    INT_PTR r = RunScripted(dlg, {[&] {
                                version = Text(dlg.Handle(), IDC_ABOUT_VERSION);
                                HWND link = dlg.Item(IDC_ABOUT_LINK);
                                SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
                                SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
                                Click(dlg.Handle(), IDOK);
                            }});
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(version, L"v 3.3.2");
    ASSERT_EQ(shell->opened.size(), 1u);
    EXPECT_EQ(shell->opened[0], dlg.Link().Link());
}

TEST_F(Dialogs, AboutBoxTextReadsOnItsFaceAndTheLinkFitsItsText) {
    Start({L"x.twf"});
    shell::CAboutDlg dlg;
    int lightVersion = 0, lightNotice = 0;
    int linkWidth = 0, textWidth = 0;
    auto light = [](const test::PixelBuffer& px) {
        int n = 0;
        for (int y = 0; y < px.Height(); ++y)
            for (int x = 0; x < px.Width(); ++x) {
                COLORREF c = px.At(x, y);
                if ((GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100 > 140) ++n;
            }
        return n;
    };
    RunScripted(dlg, {[&] {
                    UpdateWindow(dlg.Handle());
                    lightVersion = light(test::CaptureClient(dlg.Item(IDC_ABOUT_VERSION)));
                    lightNotice = light(test::CaptureClient(dlg.Item(IDC_ABOUT_NOTICE)));
                    HWND link = dlg.Item(IDC_ABOUT_LINK);
                    RECT rc;
                    GetClientRect(link, &rc);
                    linkWidth = rc.right;
                    HDC dc = GetDC(link);
                    HGDIOBJ old =
                        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dlg.Handle(), WM_GETFONT, 0, 0)));
                    SIZE size{};
                    const std::wstring& text = dlg.Link().Link();
                    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
                    SelectObject(dc, old);
                    ReleaseDC(link, dc);
                    textWidth = size.cx;
                    Click(dlg.Handle(), IDOK);
                }});
    // Light text on the dark face (black text has no light pixels there).
    EXPECT_GT(lightVersion, 10);
    EXPECT_GT(lightNotice, 40);
    EXPECT_GE(linkWidth, textWidth);
    EXPECT_GT(textWidth, 0);
}

TEST_F(Dialogs, VersionResourceAndManifestCarryTheAboutBoxsVersion) {
    // The about box's version text, "v 3.3.2", from its template.
    Start({L"x.twf"});
    shell::CAboutDlg dlg;
    std::wstring shown;
    RunScripted(dlg, {[&] {
                    shown = Text(dlg.Handle(), IDC_ABOUT_VERSION);
                    Click(dlg.Handle(), IDOK);
                }});
    ASSERT_EQ(shown.rfind(L"v ", 0), 0u);
    std::wstring version = shown.substr(2);

    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(self, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16)); // RT_VERSION
    ASSERT_TRUE(res);
    DWORD size = SizeofResource(self, res);
    std::vector<BYTE> block(size);
    memcpy(block.data(), LockResource(LoadResource(self, res)), size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
    wchar_t numbers[64];
    swprintf(numbers, 64, L"%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
             HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, version);
    wchar_t* fileVersion = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\FileVersion",
                               reinterpret_cast<void**>(&fileVersion), &len));
    EXPECT_EQ(std::wstring(fileVersion).rfind(version, 0), 0u);

    HRSRC man = FindResourceW(self, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_TRUE(man);
    std::string text(static_cast<const char*>(LockResource(LoadResource(self, man))), SizeofResource(self, man));
    std::string narrow(version.begin(), version.end());
    EXPECT_NE(text.find("version=\"" + narrow + ".0\" processorArchitecture=\"*\" name=\"Hexmoor.Editor\""),
              std::string::npos);
}
