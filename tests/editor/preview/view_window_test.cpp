// The composition view as real windows under the runtime in explicit mode:
// thirteen samples made hidden and skinned, one shown at a time and centred,
// the captions that follow the editor's window, samples that cannot be
// closed (Enter and Escape included) and pass keys on, contents filled
// once, and the sample MDI frame.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "base/win/hosts.h"
#include "editor/preview/samples/mdi_sample.h"
#include "editor/preview/samples/sample_dialog.h"
#include "editor/preview/samples/sync_active_rules.h"
#include "editor/preview/view/compos_view.h"
#include "editor/preview/view/skinned_windows.h"
#include "framework/application.h"
#include "framework/window.h"
#include "model/gdiplus_init.h"
#include "model/mrg_bitmap.h"
#include "tests/harness/capture.h"
#include "resources/preview_samples_ids.h"
#include "resources/sample_frame_ids.h"
#include "runtime/wnd/tw_wnd.h"
#include "tests/harness/runtime_fixture.h"

using namespace hexmoor;
using namespace hexmoor::preview;
using namespace hexmoor::test;

namespace {

// The editor's main window as the samples see it: it records the keys that
// reach its pre-translation (where the editor's accelerators run).
class HostWindow : public fw::Window {
public:
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_KEYDOWN) keys.push_back(static_cast<int>(msg.wParam));
        return false;
    }
    std::vector<int> keys;
};

class ViewTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        SkinLoaded();
        EnableSkinning();
        fw::WindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
        args.width = 1000;
        args.height = 760;
        args.text = L"Preview host";
        ASSERT_TRUE(host_.Create(args));
        app_.SetMainWindow(&host_);
        ASSERT_TRUE(view_.CreateView(host_.Handle()));
        MoveWindow(view_.Handle(), 0, 0, 900, 700, TRUE);
        SetForegroundWindow(host_.Handle());
        app_.RunPending();
    }
    void TearDown() override {
        view_.Destroy();
        host_.Destroy();
        app_.RunPending();
        RuntimeTest::TearDown();
    }
    int VisibleSamples() const {
        int n = 0;
        for (int s = 0; s < kSampleCount; ++s) n += IsWindowVisible(view_.SampleWindow(SampleId(s))) ? 1 : 0;
        return n;
    }
    HWND Item(SampleId sample, int id) const { return GetDlgItem(view_.SampleWindow(sample), id); }

    CGdiPlusInit gdiplus_;
    fw::Application app_;
    HostWindow host_;
    CSkinComposView view_;
};

} // namespace

TEST_F(ViewTest, ThirteenSamplesAreMadeHiddenSkinnedAndReparentedIntoTheView) {
    std::set<HWND> windows;
    for (int s = 0; s < kSampleCount; ++s) {
        HWND h = view_.SampleWindow(SampleId(s));
        ASSERT_NE(h, nullptr) << s;
        windows.insert(h);
        EXPECT_FALSE(IsWindowVisible(h)) << s;
        EXPECT_NE(SkinnedObject(h), nullptr) << s;
        EXPECT_EQ(GetAncestor(h, GA_PARENT), view_.Handle()) << s;
        if (SampleId(s) != SampleId::kMdiFrame) {
            EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & WS_POPUP) << s;
        }
    }
    EXPECT_EQ(windows.size(), static_cast<size_t>(kSampleCount));
    EXPECT_EQ(ComposView(), &view_);
    EXPECT_EQ(view_.GetActivePreview(), nullptr);
}

TEST_F(ViewTest, ExactlyTheSampleOfTheTypeShowsAndNoneForATypeWithout) {
    std::vector<int> types;
    for (int t = 0; t <= 44; ++t) types.push_back(t);
    types.push_back(100);
    for (int type : types) {
        HWND shown = view_.ShowPreviewForElement(type);
        EXPECT_EQ(shown, view_.SampleWindow(SampleForType(type))) << type;
        EXPECT_EQ(VisibleSamples(), shown ? 1 : 0) << type;
        EXPECT_EQ(view_.GetActivePreview(), shown) << type;
        EXPECT_EQ(view_.PreviewForElement(type), shown) << type;
    }
    EXPECT_EQ(view_.ShowPreviewForElement(40), view_.ShowPreviewForElement(41));
    EXPECT_EQ(view_.ShowPreviewForElement(42), view_.ShowPreviewForElement(43));
    EXPECT_NE(view_.ShowPreviewForElement(40), view_.ShowPreviewForElement(43));
}

TEST_F(ViewTest, EverySampleHiddenOrShownIsCentredAfterAResize) {
    view_.ShowPreviewForElement(25);
    for (Size size : {Size{900, 700}, Size{501, 333}, Size{301, 201}}) {
        MoveWindow(view_.Handle(), 0, 0, size.cx, size.cy, TRUE);
        RECT client{};
        GetClientRect(view_.Handle(), &client);
        for (int s = 0; s < kSampleCount; ++s) {
            HWND h = view_.SampleWindow(SampleId(s));
            RECT r{};
            GetWindowRect(h, &r);
            MapWindowPoints(nullptr, view_.Handle(), reinterpret_cast<POINT*>(&r), 2);
            EXPECT_EQ(r.left, (client.right - (r.right - r.left)) / 2) << s << " at width " << size.cx;
            EXPECT_EQ(r.top, (client.bottom - (r.bottom - r.top)) / 2) << s << " at height " << size.cy;
        }
    }
}

TEST_F(ViewTest, TheScrollBarRefreshReachesEveryComboBoxDropListOfItsSamples) {
    const std::vector<HWND> walk = view_.ScrollBarRefreshWalk();
    const std::set<HWND> walked(walk.begin(), walk.end());
    int combos = 0;
    for (SampleId s : kScrollBarRefreshOrder)
        for (HWND child = GetWindow(view_.SampleWindow(s), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            if (std::wstring(cls) != L"ComboBox") continue;
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(child, &info));
            EXPECT_TRUE(walked.count(info.hwndList)) << "combo " << GetDlgCtrlID(child);
            ++combos;
        }
    EXPECT_EQ(combos, 5); // the dialog's, the edit sample's three, the tooltip sample's
    view_.RefreshPreviewWindows();
}

TEST_F(ViewTest, CaptionsFollowTheFloatStatusAndClicksDoNotActivateASample) {
    HWND sample = view_.ShowPreviewForElement(25);
    EXPECT_TRUE(GetWindowLongPtrW(sample, GWL_STYLE) & kSyncActiveStyle);
    EXPECT_EQ(SendFloatStatus(sample, kFloatActivate | kFloatSyncActive), 1);
    EXPECT_EQ(SendFloatStatus(sample, kFloatDeactivate), 0);
    EXPECT_TRUE(GetWindowLongPtrW(sample, GWL_STYLE) & kSyncActiveStyle);
    EXPECT_EQ(SendMessageW(sample, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(host_.Handle()),
                           MAKELPARAM(HTCAPTION, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    // Its own deactivation leaves the caption as the float status set it.
    SendFloatStatus(sample, kFloatActivate);
    auto* dialog = view_.SampleDialog(SampleId::kDialogPreview);
    const bool before = dialog->ActiveField();
    SendMessageW(sample, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(dialog->ActiveField(), before);
    // A float status that shows or hides wins over the caption.
    SendFloatStatus(sample, kFloatHide);
    EXPECT_FALSE(IsWindowVisible(sample));
    SendFloatStatus(sample, kFloatShow | kFloatHide);
    EXPECT_TRUE(IsWindowVisible(sample));
}

TEST_F(ViewTest, NoSampleClosesOnTheCloseCommandEnterOrEscape) {
    for (int s = 0; s < kSampleCount; ++s) {
        const SampleId sample = SampleId(s);
        HWND h = view_.SampleWindow(sample);
        ShowWindow(h, SW_SHOWNA);
        SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
        SendMessageW(h, WM_CLOSE, 0, 0);
        if (sample != SampleId::kMdiFrame) {
            SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        app_.RunPending();
        EXPECT_TRUE(IsWindow(h)) << s;
        EXPECT_TRUE(IsWindowVisible(h)) << s;
        ShowWindow(h, SW_HIDE);
    }
}

TEST_F(ViewTest, EnterAndEscapeInAnEditOfASampleLeaveItShownAndReachTheEditor) {
    HWND sample = view_.ShowPreviewForElement(3);
    HWND edit = Item(SampleId::kEditCombobox, IDC_SMP_1025);
    SetFocus(edit);
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE), WPARAM('N')}) {
        PostMessageW(edit, WM_KEYDOWN, key, 1);
        app_.RunPending();
        app_.RunPending();
        EXPECT_TRUE(IsWindowVisible(sample)) << key;
    }
    // Every key press reached the editor's window, where its accelerators run.
    EXPECT_EQ(host_.keys, (std::vector<int>{VK_RETURN, VK_ESCAPE, 'N'}));
}

TEST_F(ViewTest, SamplesFillOnceAtTheirFirstShowingAndTheListSampleHoldsItsItems) {
    view_.ShowPreviewForElement(14);
    view_.ShowPreviewForElement(25);
    view_.ShowPreviewForElement(14);
    const struct {
        int id, count;
    } lists[] = {{IDC_SMP_1004, 12}, {IDC_SMP_1020, 6}, {IDC_SMP_1019, 12}, {IDC_SMP_1010, 12}, {IDC_SMP_1026, 24}};
    for (const auto& l : lists)
        EXPECT_EQ(SendMessageW(Item(SampleId::kListBoxScrollbar, l.id), LB_GETCOUNT, 0, 0), l.count) << l.id;
    EXPECT_EQ(SendMessageW(Item(SampleId::kDialogPreview, IDC_SMP_1004), LB_GETCOUNT, 0, 0), 12);
    // The check list's states, published to the runtime.
    HWND checkList = Item(SampleId::kListBoxScrollbar, IDC_SMP_1010);
    const auto* host = static_cast<const win::CheckListHost*>(GetPropW(checkList, win::kCheckListHostProperty));
    ASSERT_NE(host, nullptr);
    const int expected[] = {0, 1, 2, 1, 2, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(host->CheckState(i), expected[i]) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(host->IsItemEnabled(i), i >= 3) << i;
    // The scroll bars at 33, 16 pixels thick.
    HWND bar = Item(SampleId::kListBoxScrollbar, IDC_SMP_1006);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 33);
    RECT r{};
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.right - r.left, 16);
    // A sample not yet shown holds nothing.
    EXPECT_EQ(SendMessageW(Item(SampleId::kToolTips, IDC_SMP_1004), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ViewTest, TabsTooltipsAndTheSplitterAreFilled) {
    view_.ShowPreviewForElement(10);
    const struct {
        int id, count;
        bool enabled;
    } tabs[] = {{IDC_SMP_1012, 5, true},
                {IDC_SMP_1055, 5, false},
                {IDC_SMP_1056, 3, true},
                {IDC_SMP_1057, 5, false},
                {IDC_SMP_1013, 4, true}};
    for (const auto& t : tabs) {
        HWND tab = Item(SampleId::kTabs, t.id);
        EXPECT_EQ(TabCtrl_GetItemCount(tab), t.count) << t.id;
        EXPECT_EQ(IsWindowEnabled(tab) != 0, t.enabled) << t.id;
    }
    RECT item{};
    TabCtrl_GetItemRect(Item(SampleId::kTabs, IDC_SMP_1056), 0, &item);
    // Vertical tabs 18 pixels thick (the size's height, across the tabs).
    EXPECT_EQ(item.right - item.left, 18);

    HWND tips = view_.ShowPreviewForElement(28);
    HWND ok = Item(SampleId::kToolTips, IDC_SMP_1080), check = Item(SampleId::kToolTips, IDC_SMP_1011);
    for (auto [tool, text] : {std::pair{ok, L"Control ID = 1080"}, std::pair{check, L"Check1"}}) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = nullptr;
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(tool);
        info.hdr.code = TTN_NEEDTEXTW;
        info.uFlags = TTF_IDISHWND;
        SendMessageW(tips, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(info.lpszText, text);
    }
    EXPECT_EQ(SendMessageW(Item(SampleId::kToolTips, IDC_SMP_1004), LB_GETCOUNT, 0, 0), 12);

    HWND splitter = GetWindow(view_.ShowPreviewForElement(34), GW_CHILD);
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(GetSkinnedWindowObject(splitter) ? GetSkinnedWindowObject(splitter)->GetType() : -1, 34);
    const auto* host = static_cast<const win::SplitterHost*>(GetPropW(splitter, win::kSplitterHostProperty));
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->RowCount(), 2);
    EXPECT_EQ(host->ColumnCount(), 2);
    EXPECT_EQ(TreeView_GetCount(host->FirstPane()), 11u);
}

TEST_F(ViewTest, TheSampleFrameHasTwoChildrenNewAddsASkinnedThirdAndCloseNeedsAChild) {
    CMDIFrameChild& frame = view_.Frame();
    HWND frameWindow = view_.ShowPreviewForElement(2);
    ASSERT_EQ(frameWindow, frame.Handle());
    std::vector<HWND> children;
    for (HWND c = GetWindow(frame.Client(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    ASSERT_EQ(children.size(), 2u);
    for (HWND c : children) {
        RECT r{};
        GetWindowRect(c, &r);
        EXPECT_EQ(r.right - r.left, 300);
        EXPECT_EQ(r.bottom - r.top, 200);
    }
    EXPECT_EQ(GetSkinnedWindowObject(frame.ToolBar())->GetType(), 11);
    EXPECT_EQ(GetSkinnedWindowObject(frame.StatusBar())->GetType(), 12);
    EXPECT_TRUE(frame.RunCommand(ID_SAMPLE_NEW));
    HWND third = frame.ActiveChild();
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(std::find(children.begin(), children.end(), third), children.end());
    EXPECT_NE(GetSkinnedWindowObject(third), nullptr);
    while (frame.ActiveChild()) ASSERT_TRUE(frame.RunCommand(ID_SAMPLE_CLOSE));
    EXPECT_FALSE(fw::QueryCommand(frame.Route(), ID_SAMPLE_CLOSE).state.enabled);
    EXPECT_TRUE(fw::QueryCommand(frame.Route(), ID_SAMPLE_NEW).state.enabled);
    SendMessageW(frameWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(frameWindow));
}

TEST_F(ViewTest, TheStripWindowsAreSwitchedOffOnEveryShowing) {
    for (int type : {40, 43}) {
        HWND sample = view_.ShowPreviewForElement(type);
        for (HWND strip = GetWindow(sample, GW_CHILD); strip; strip = GetWindow(strip, GW_HWNDNEXT)) {
            CTWWnd* object = SkinnedObject(strip);
            ASSERT_NE(object, nullptr);
            EXPECT_FALSE(object->IsActive()) << GetDlgCtrlID(strip);
            // Switched on again by a refresh of the whole skin, off again on the next showing.
            object->ApplySkin(TRUE, 0);
            view_.ShowPreviewForElement(25);
            view_.ShowPreviewForElement(type);
            EXPECT_FALSE(object->IsActive()) << GetDlgCtrlID(strip);
        }
    }
}

TEST_F(ViewTest, TheBackgroundPictureIsOpenedOnlyWhenItIsShownAndTheSettingsKeepTheirValues) {
    int opened = 0;
    view_.SetPictureLoader([&opened](const std::wstring&) -> std::unique_ptr<CMrgBitmap> {
        ++opened;
        return nullptr; // a picture that does not load shows the colour alone
    });
    BackgroundSettings settings;
    settings.imageFile = L"C:\\pictures\\back.png";
    settings.colour = 0xFFFFFFFF;
    settings.showImage = 0;
    view_.UpdateBackground(settings);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(view_.Background().colour, 0xFFFFFFFFu); // Invert Color is kept, painted white
    settings.showImage = 1;
    view_.UpdateBackground(settings);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(view_.HasPicture());
    settings.imageFile.clear();
    view_.UpdateBackground(settings);
    EXPECT_EQ(opened, 1);
    view_.ShowPreviewForElement(0);
    RedrawWindow(view_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const PixelBuffer pixels = CaptureClient(view_.Handle());
    EXPECT_EQ(pixels.At(5, 5) & 0xFFFFFF, RGB(255, 255, 255));
}
