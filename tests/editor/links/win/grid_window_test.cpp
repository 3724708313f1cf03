// The grid window under Wine: each editor opens on its row's value cell and
// commits; keys; the colour picker; the "..." file roads with real image,
// region and data files; the real clipboard with and without margins.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

#include "editor/links/frame/side_links.h"
#include "editor/links/link_strings.h"
#include "editor/links/margin_block.h"
#include "editor/links/small_links.h"
#include "editor/links/win/property_list.h"
#include "framework/application.h"
#include "model/elements/user_data.h"
#include "model/elements/wnd_frame.h"
#include "model/gdiplus_init.h"
#include "model/image_rgn.h"
#include "model/platform/region.h"
#include "model/platform/image.h"
#include "tests/editor/links/links_fixture.h"

using namespace hexmoor;
using namespace hexmoor::links;

namespace {

struct ScriptedMessages : fw::MessageBoxService {
    std::vector<std::wstring> shown;
    int Show(HWND, const std::wstring& text, const std::wstring&, UINT) override {
        shown.push_back(text);
        return IDOK;
    }
};

struct ScriptedFiles : fw::FileDialogService {
    std::deque<std::wstring> answers;
    std::vector<fw::FileDialogRequest> requests;
    std::optional<fw::FileDialogResult> Show(HWND, const fw::FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        fw::FileDialogResult result{answers.front(), 1};
        answers.pop_front();
        return result;
    }
};

struct ScriptedColors : ColorDialogService {
    COLORREF answer = RGB(1, 2, 3);
    bool ok = true;
    int calls = 0;
    COLORREF initial = 0;
    bool Choose(HWND, COLORREF start, COLORREF* chosen) override {
        ++calls;
        initial = start;
        *chosen = answer;
        return ok;
    }
};

// A page with one choice row, committed by the link as a choice index.
class ChoiceLink : public CItemLinkObj {
public:
    ChoiceLink() : CItemLinkObj(nullptr, 4, 0, L"Default") {}
    const char* ClassName() const override { return "ChoiceLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override {
        const std::vector<std::wstring> choices = SplitChoices(row_->Choices());
        for (size_t i = 0; i < choices.size(); ++i)
            if (choices[i] == row_->Value()) SetNumber(row_->Id(), static_cast<DWORD>(i));
        return 1;
    }
    BOOL FillPropertyPage(int, void* context) override {
        ClearPropertyList();
        if (!row_) row_ = MakeRow(L"Align", L"Center", kKindChoice, L"Left|Center|Right", 70, FALSE, nullptr, 70);
        AddPropertyItem(row_.get(), context, -1);
        return 1;
    }
    BOOL BuildPropertyItems(int) override { return 1; }
    ~ChoiceLink() override { ForgetRows(); }

private:
    std::unique_ptr<CPropertyItem> row_;
};

std::wstring TestImage(const char* name) {
    std::string path = std::string(HEXMOOR_LINKS_TEST_IMAGES) + "/" + name;
    std::wstring wide(path.begin(), path.end());
    // The build tree is reached through Wine's Z: drive.
    if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    return wide;
}

class GridWindow : public links_test::LinksTest {
protected:
    void SetUp() override {
        links_test::LinksTest::SetUp();
        auto m = std::make_unique<ScriptedMessages>();
        messages = m.get();
        app.SetMessages(std::move(m));
        auto f = std::make_unique<ScriptedFiles>();
        files = f.get();
        app.SetFileDialogs(std::move(f));
        SetColorDialogs(&colors);
        fw::WindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.width = 420;
        args.height = 320;
        ASSERT_TRUE(parent.Create(args));
        ASSERT_TRUE(list.CreateGrid(parent.Handle(), 1100));
        MoveWindow(list.Handle(), 0, 0, 400, 280, TRUE);
        ShowWindow(list.Handle(), SW_SHOW);
        // The list's own model is the grid the links fill.
        Links().grid = &list.Model();
    }
    void TearDown() override {
        Links().current = nullptr;
        list.Destroy();
        parent.Destroy();
        SetColorDialogs(nullptr);
        links_test::LinksTest::TearDown();
    }
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    void SelectLine(int index) {
        SendMessageW(list.Handle(), LB_SETCURSEL, index, 0);
        list.OnSelchange();
        Pump();
    }
    bool Key(WPARAM key, HWND target = nullptr) {
        MSG msg{target ? target : list.Handle(), WM_KEYDOWN, key, 0, 0, {}};
        return list.PreTranslateMessage(msg);
    }
    RECT ValueCellOnScreen(int index) {
        RECT r{};
        SendMessageW(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        r.left = list.Divider() ? list.Divider() : (r.right - r.left) / 2;
        MapWindowPoints(list.Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    CGdiPlusInit imaging;
    fw::Application app;
    ScriptedMessages* messages = nullptr;
    ScriptedFiles* files = nullptr;
    ScriptedColors colors;
    fw::Window parent;
    CPropertyList list;
};

} // namespace

TEST_F(GridWindow, EditorsOpenOnTheirCellsAndCommit) {
    CTwfWndFrame frame;
    frame.SetNumber(478, 12);
    CTopSideFrame side(nullptr, 2, 0, L"Default");
    side.SetTwfObj(&frame);
    side.BuildPropertyItems(1);
    Show(side, 0);
    Pump();
    ASSERT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 2);

    // A number row: the edit opens inside the value cell and commits as typed.
    SelectLine(1);
    ASSERT_EQ(list.OpenEditorWindow(), list.EditWindow());
    ASSERT_TRUE(IsWindowVisible(list.EditWindow()));
    RECT edit, cell = ValueCellOnScreen(1);
    GetWindowRect(list.EditWindow(), &edit);
    EXPECT_GE(edit.left, cell.left);
    EXPECT_GE(edit.top, cell.top);
    SetWindowTextW(list.EditWindow(), L"42");
    EXPECT_EQ(frame.GetNumber(478), 42u);
    EXPECT_TRUE(modified);
    SetFocus(list.Handle());
    Pump();
    EXPECT_FALSE(IsWindowVisible(list.EditWindow()));
    EXPECT_EQ(list.OpenEditorWindow(), nullptr);
    EXPECT_EQ(side.SizeRow()->Value(), L"42");

    // A group row opens nothing; Right opens it, Left closes it.
    SelectLine(0);
    EXPECT_EQ(list.OpenEditorWindow(), nullptr);
    EXPECT_TRUE(Key(VK_RIGHT));
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_TRUE(Key(VK_LEFT));
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 2);

    // Tab wraps from the last line to the first, Shift+Tab back.
    SelectLine(1);
    SetFocus(list.Handle());
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_EQ(list.GetSelectedIndex(), 0);
    Pump();
}

TEST_F(GridWindow, ColourAndChoiceEditors) {
    CTwfObj text(21);
    text.SetColor(494, 0xFFFFFFFFu);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&text);
    link.BuildPropertyItems(1);
    Show(link, 0);
    SelectLine(0);
    HWND picker = list.ColorPicker().Handle();
    ASSERT_EQ(list.OpenEditorWindow(), picker);
    const LRESULT sel = SendMessageW(picker, CB_GETCURSEL, 0, 0);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(picker, CB_GETITEMDATA, sel, 0)), 0xFFFFFFFFu);
    // Choose red from the list.
    const std::vector<COLORREF> colours = list.ColorPicker().Colors();
    const auto red = std::find(colours.begin(), colours.end(), RGB(255, 0, 0)) - colours.begin();
    SendMessageW(picker, CB_SETCURSEL, red, 0);
    SendMessageW(list.Handle(), WM_COMMAND, MAKEWPARAM(IDC_GRID_COLOR, CBN_SELENDOK), reinterpret_cast<LPARAM>(picker));
    EXPECT_EQ(text.GetColor(494), RGB(255, 0, 0));
    EXPECT_EQ(link.GetPropertyItem(494)->Value(), L"RGB(255,0,0)");
    // "Custom..." asks the colour dialog.
    SendMessageW(picker, CB_SETCURSEL, SendMessageW(picker, CB_GETCOUNT, 0, 0) - 1, 0);
    SendMessageW(list.Handle(), WM_COMMAND, MAKEWPARAM(IDC_GRID_COLOR, CBN_SELENDOK), reinterpret_cast<LPARAM>(picker));
    EXPECT_EQ(text.GetColor(494), RGB(1, 2, 3));
    // "Invert Color".
    const std::vector<COLORREF> now = list.ColorPicker().Colors();
    SendMessageW(picker, CB_SETCURSEL, std::find(now.begin(), now.end(), 0xFFFFFFFFu) - now.begin(), 0);
    SendMessageW(list.Handle(), WM_COMMAND, MAKEWPARAM(IDC_GRID_COLOR, CBN_SELENDOK), reinterpret_cast<LPARAM>(picker));
    EXPECT_EQ(text.GetColor(494), 0xFFFFFFFFu);
    EXPECT_EQ(link.GetPropertyItem(494)->Value(), L"Invert Color");
    // ',' and '.' step the pane's state.
    SetFocus(list.Handle());
    Key(VK_OEM_PERIOD);
    Pump();

    CTwfObj button(4);
    ChoiceLink choice;
    choice.SetTwfObj(&button);
    Show(choice, 0);
    SelectLine(0);
    ASSERT_EQ(list.OpenEditorWindow(), list.ChoiceWindow());
    EXPECT_EQ(SendMessageW(list.ChoiceWindow(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(list.ChoiceWindow(), CB_GETCURSEL, 0, 0), 1);
    SendMessageW(list.ChoiceWindow(), CB_SETCURSEL, 2, 0);
    SendMessageW(list.Handle(), WM_COMMAND, MAKEWPARAM(IDC_GRID_CHOICE, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(list.ChoiceWindow()));
    EXPECT_EQ(button.GetNumber(70), 2u);
    Pump();
}

// A click in the dropped list on "Custom..." asks the colour dialog once,
// starting from the shown colour; OK stores the answer, Cancel nothing.
TEST_F(GridWindow, CustomEntryClickedInTheDropListAsksOnce) {
    CTwfObj text(21);
    text.SetColor(494, RGB(255, 0, 0));
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&text);
    link.BuildPropertyItems(1);
    Show(link, 0);
    const struct {
        bool ok;
        COLORREF answer;
        COLORREF initial;
        COLORREF stored;
    } cases[] = {{true, RGB(9, 8, 7), RGB(255, 0, 0), RGB(9, 8, 7)}, {false, RGB(1, 1, 1), RGB(9, 8, 7), RGB(9, 8, 7)}};
    for (const auto& c : cases) {
        SelectLine(0);
        HWND picker = list.ColorPicker().Handle();
        HWND drop = list.ColorPicker().ListWindow();
        ASSERT_NE(drop, nullptr);
        colors.calls = 0;
        colors.ok = c.ok;
        colors.answer = c.answer;
        SendMessageW(picker, CB_SHOWDROPDOWN, TRUE, 0);
        Pump();
        const int custom = list.ColorPicker().CustomIndex();
        ASSERT_GE(custom, 0);
        SendMessageW(drop, LB_SETTOPINDEX, custom, 0);
        RECT item{};
        SendMessageW(drop, LB_GETITEMRECT, custom, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(drop, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(drop, WM_LBUTTONUP, 0, at);
        Pump();
        EXPECT_EQ(colors.calls, 1) << c.ok;
        EXPECT_EQ(colors.initial, c.initial) << c.ok;
        EXPECT_EQ(text.GetColor(494), c.stored) << c.ok;
        EXPECT_FALSE(SendMessageW(picker, CB_GETDROPPEDSTATE, 0, 0));
    }
}

TEST_F(GridWindow, ImageFileRoadLoadsEveryKindAndRefusesATruncatedBitmap) {
    CTwfObj grip(27);
    CSBGripLink link(nullptr, 27, 0, L"Default");
    link.SetTwfObj(&grip);
    link.BuildPropertyItems(1);
    Show(link, 0);
    SelectLine(0);
    ASSERT_TRUE(IsWindowVisible(list.OpenEditorWindow()));
    for (const char* name : {"img8.bmp", "img24.bmp", "img32.bmp", "topdown.bmp", "alpha.png"}) {
        grip.RemoveImage(41);
        files->answers.push_back(TestImage(name));
        list.OnPropertyButton();
        ASSERT_TRUE(grip.HasImage(41)) << name;
        EXPECT_EQ(grip.GetImage(41)->GetWidth(), 6) << name;
        EXPECT_EQ(grip.GetImage(41)->GetHeight(), 5) << name;
        EXPECT_EQ(link.GetPropertyItem(41)->Value(), TestImage(name));
        hexmoor::platform::ImagePixels pixels;
        ASSERT_TRUE(grip.GetImage(41)->ReadPixels(&pixels)) << name;
        // The blue point sits top-left whatever the row order in the file.
        if (std::string(name) != "img8.bmp") {
            EXPECT_EQ(pixels.argb[0] & 0xFFFFFFu, 0x0000FFu) << name;
            EXPECT_EQ(pixels.argb[29] & 0xFFFFFFu, 0xFF0000u) << name;
        }
    }
    EXPECT_TRUE(grip.GetImage(41)->IsGdiplus());
    hexmoor::platform::ImagePixels png;
    grip.GetImage(41)->ReadPixels(&png);
    EXPECT_NEAR(static_cast<int>(png.argb[5] >> 24), 128, 2); // alpha kept
    EXPECT_EQ(files->requests.back().filter, L"Image Files (*.bmp)(*.png)|*.bmp;*.png||");

    const std::wstring before = link.GetPropertyItem(41)->Value();
    modified = false;
    files->answers.push_back(TestImage("truncated.bmp"));
    list.OnPropertyButton();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0], L"Could not load bitmap: " + TestImage("truncated.bmp"));
    EXPECT_TRUE(grip.GetImage(41)->IsGdiplus());
    EXPECT_EQ(link.GetPropertyItem(41)->Value(), before);
    EXPECT_FALSE(modified);
    // The dialog starts in the folder of the row's full path.
    files->answers.clear();
    list.OnPropertyButton();
    EXPECT_EQ(files->requests.back().initialPath.back(), L'\\');
}

TEST_F(GridWindow, UserDataFileRoad) {
    CTwfUserData data;
    CUserDataLink link(nullptr, 44, 0, L"<UD>\\blob");
    link.SetTwfObj(&data);
    link.BuildPropertyItems(1);
    Show(link, 0);
    SelectLine(0);
    files->answers.push_back(TestImage("user.dat"));
    list.OnPropertyButton();
    EXPECT_EQ(data.GetDataSize(), 1024u);
    EXPECT_EQ(data.GetData()[255], 255);
    EXPECT_EQ(list.Model().Item(0)->Value(), L"Data Size 1024 bytes");
}

TEST_F(GridWindow, RealClipboardWithAndWithoutMargins) {
    CTwfObj source(27), target(27);
    hexmoor::platform::ImagePixels pattern;
    pattern.width = 5;
    pattern.height = 4;
    for (int i = 0; i < 20; ++i) pattern.argb.push_back(0xFF000000u | static_cast<std::uint32_t>(i * 0x0A0B0C));
    source.PutImage(41, std::make_shared<CMrgBitmap>(hexmoor::platform::CreateBitmapFromPixels(pattern),
                                                     MrgBitmapParams{1, 2, 3, 4, 1, 1}));
    CSBGripLink from(nullptr, 27, 0, L"Default"), to(nullptr, 27, 0, L"Default");
    from.SetTwfObj(&source);
    to.SetTwfObj(&target);
    from.BuildPropertyItems(1);
    to.BuildPropertyItems(1);

    auto putText = [&] {
        ASSERT_TRUE(OpenClipboard(list.Handle()));
        EmptyClipboard();
        HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 8);
        std::memcpy(GlobalLock(text), L"abc", 8);
        GlobalUnlock(text);
        SetClipboardData(CF_UNICODETEXT, text);
        CloseClipboard();
    };
    const UINT format = RegisterClipboardFormatW(L"MARGIN_BITMAP");

    putText();
    Show(from, 0);
    ASSERT_EQ(list.Clipboard().CopyItem(from.GetPropertyItem(41), true), 1);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT)); // foreign text stays
    EXPECT_TRUE(IsClipboardFormatAvailable(format));
    Show(to, 0);
    ASSERT_EQ(list.Clipboard().PasteItem(to.GetPropertyItem(41), true), 1);
    ASSERT_TRUE(target.HasImage(41));
    EXPECT_EQ(target.GetImage(41)->GetParams(), (MrgBitmapParams{1, 2, 3, 4, 1, 1}));
    hexmoor::platform::ImagePixels pasted;
    ASSERT_TRUE(target.GetImage(41)->ReadPixels(&pasted));
    EXPECT_EQ(pasted.argb.size(), pattern.argb.size());
    for (size_t i = 0; i < pasted.argb.size(); ++i) EXPECT_EQ(pasted.argb[i] & 0xFFFFFF, pattern.argb[i] & 0xFFFFFF);
    EXPECT_EQ(to.GetPropertyItem(41)->Value(), L"Inserted");

    // A plain copy empties the clipboard first.
    putText();
    Show(from, 0);
    ASSERT_EQ(list.Clipboard().CopyItem(from.GetPropertyItem(41), false), 1);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));

    // A block that lies about itself is refused; nothing changes.
    BITMAPINFOHEADER h{};
    h.biSize = 12;
    h.biWidth = 4;
    h.biHeight = 4;
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biSizeImage = 64;
    std::vector<BYTE> pixels(64, 0);
    std::vector<BYTE> block = EncodeMarginBlock(MrgBitmapParams{9, 9, 9, 9, 0, 0}, h, nullptr, 0, pixels.data());
    ASSERT_TRUE(OpenClipboard(list.Handle()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
    std::memcpy(GlobalLock(memory), block.data(), block.size());
    GlobalUnlock(memory);
    SetClipboardData(format, memory);
    CloseClipboard();
    Show(to, 0);
    EXPECT_EQ(list.Clipboard().PasteItem(to.GetPropertyItem(41), true), 0);
    EXPECT_EQ(target.GetImage(41)->GetParams(), (MrgBitmapParams{1, 2, 3, 4, 1, 1}));
}

namespace {

struct ScriptedFonts : fw::FontDialogService {
    std::optional<LOGFONTW> Choose(HWND, const LOGFONTW&) override {
        LOGFONTW font{};
        font.lfHeight = -12;
        wcscpy(font.lfFaceName, L"Tahoma");
        return font;
    }
};

} // namespace

TEST_F(GridWindow, RegionFileRoadAndKeys) {
    // A region file written next to the test images, and a cut copy of it.
    CImageRgn region(hexmoor::platform::CreateRectRegion(1, 1, 5, 4), 8, 6);
    const std::vector<std::uint8_t> bytes = EncodeRegionFile(region);
    ASSERT_FALSE(bytes.empty());
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring good = std::wstring(temp) + L"links_test.rgn";
    const std::wstring cut = std::wstring(temp) + L"links_test_cut.rgn";
    for (const auto& [path, size] : {std::pair{good, bytes.size()}, std::pair{cut, size_t{6}}}) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(size), &written, nullptr);
        CloseHandle(file);
    }
    CTwfWndFrame frame;
    frame.SetNumber(483, 3);
    CTopSideFrame side(nullptr, 2, 0, L"Default");
    side.SetTwfObj(&frame);
    side.BuildPropertyItems(1);
    Show(side, 0);
    // Enter on the closed "Regions" group opens it.
    SelectLine(1);
    SetFocus(list.Handle());
    Key(VK_RETURN);
    ASSERT_EQ(list.Model().Item(2)->Label(), L"Region - 0");
    SelectLine(2);
    ASSERT_TRUE(IsWindowVisible(list.OpenEditorWindow()));
    files->answers.push_back(cut);
    list.OnPropertyButton();
    EXPECT_FALSE(frame.GetTopSide()->HasRegionOptions(0));
    EXPECT_EQ(list.Model().Item(2)->Value(), L"");
    ASSERT_FALSE(messages->shown.empty());
    EXPECT_EQ(messages->shown.back(), L"Could not load bitmap: " + cut);
    files->answers.push_back(good);
    list.OnPropertyButton();
    ASSERT_TRUE(frame.GetTopSide()->HasRegionOptions(0));
    EXPECT_EQ(frame.GetTopSide()->GetRegionOptions(0)->GetRegionData()->GetWidth(), 8);
    EXPECT_EQ(list.Model().Item(2)->Value(), good);
    // The trailing region row moved on.
    EXPECT_EQ(list.Model().Item(3)->Label(), L"Region - 1");
    EXPECT_EQ(files->requests.back().filter, L"Region Files (*.rgn)|*.rgn||");
    // Escape gives the focus back to the list.
    SelectLine(2);
    Key(VK_ESCAPE, list.OpenEditorWindow());
    EXPECT_EQ(GetFocus(), list.Handle());
    DeleteFileW(good.c_str());
    DeleteFileW(cut.c_str());
}

TEST_F(GridWindow, FontFileRoad) {
    app.SetFontDialogs(std::make_unique<ScriptedFonts>());
    CTwfObj element(4);
    class FontLink : public CItemLinkObj {
    public:
        FontLink() : CItemLinkObj(nullptr, 4, 0, L"Default") {}
        ~FontLink() override { ForgetRows(); }
        const char* ClassName() const override { return "FontLink"; }
        BOOL OnOptionsChanged() override { return 1; }
        BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
        BOOL BuildPropertyItems(int) override { return 1; }
        BOOL FillPropertyPage(int, void* context) override {
            ClearPropertyList();
            if (!row_) row_ = MakeRow(L"Font", L"", kKindFont, L"", 0, FALSE, nullptr, 0);
            AddPropertyItem(row_.get(), context, -1);
            return 1;
        }
        std::unique_ptr<CPropertyItem> row_;
    } link;
    link.SetTwfObj(&element);
    Show(link, 0);
    SelectLine(0);
    list.OnPropertyButton();
    ASSERT_NE(element.GetFont(), nullptr);
    LOGFONTW chosen{};
    element.GetFont()->GetLogFont(&chosen);
    EXPECT_STREQ(chosen.lfFaceName, L"Tahoma");
    EXPECT_EQ(list.Model().Item(0)->Value(), L"Tahoma");
    EXPECT_TRUE(modified);
}

TEST_F(GridWindow, DrawModeDropDowns) {
    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 200, parent.Handle(),
                                 nullptr, nullptr, nullptr);
    auto entries = [&] {
        std::vector<std::wstring> texts;
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[32] = {};
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    };
    FillDrawModeCombo(combo, true);
    EXPECT_EQ(entries(), (std::vector<std::wstring>{L"Blit", L"Stretch", L"Tile"}));
    FillDrawModeCombo(combo, false);
    EXPECT_EQ(entries(), (std::vector<std::wstring>{L"Stretch", L"Tile"}));
    FillRegionDrawModeCombo(combo, true);
    EXPECT_EQ(entries(), (std::vector<std::wstring>{L"Blit", L"Stretch", L"Tile"}));
    FillRegionDrawModeCombo(combo, false);
    EXPECT_EQ(entries(), (std::vector<std::wstring>{L"Blit", L"Stretch"}));
    DestroyWindow(combo);
}

TEST(LinkStrings, TheStringTableHoldsTheBuiltInTexts) {
    size_t count = 0;
    const UINT* ids = BuiltInLinkStringIds(&count);
    for (size_t i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        LoadStringW(fw::ResourceModule(), ids[i], text, 128);
        EXPECT_EQ(std::wstring(text), BuiltInLinkString(ids[i])) << ids[i];
    }
}

TEST_F(GridWindow, EnterDropsAndCommitsTheColourAndCtrlKeysReachThePane) {
    CTwfObj text(21);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&text);
    link.BuildPropertyItems(1);
    Show(link, 0);
    SelectLine(0);
    HWND picker = list.ColorPicker().Handle();
    ASSERT_EQ(list.OpenEditorWindow(), picker);
    SendMessageW(picker, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_TRUE(Key(VK_RETURN, picker)); // closed: Enter drops it
    EXPECT_TRUE(SendMessageW(picker, CB_GETDROPPEDSTATE, 0, 0));
    const std::vector<COLORREF> colours = list.ColorPicker().Colors();
    SendMessageW(picker, CB_SETCURSEL, std::find(colours.begin(), colours.end(), RGB(0, 0, 255)) - colours.begin(), 0);
    EXPECT_FALSE(Key(VK_RETURN, picker)); // dropped: Enter commits the highlighted colour
    EXPECT_EQ(text.GetColor(494), RGB(0, 0, 255));

    // ',' and '.' step the state; Ctrl+Tab gives the focus to the tree.
    Key(VK_OEM_COMMA);
    Key(VK_OEM_PERIOD);
    EXPECT_EQ(host.stateSteps, (std::vector<bool>{false, true}));
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(Key(VK_TAB));
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
    EXPECT_EQ(host.treeFocused.size(), 1u);
    Pump();
}
