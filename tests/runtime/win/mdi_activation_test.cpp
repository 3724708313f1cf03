// An MDI child's frame looks active or inactive as the MDI client activates
// it, whatever activation messages come on the way: with every side image
// in its own colour, the inactive child shows the inactive images and the
// active child the active ones, through creation, skinning, minimising a
// third child and activating by message.
#include <windows.h>

#include <memory>

#include "model/elements/frame_properties.h"
#include "model/elements/wnd_frame.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/mdi_frame.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

constexpr int kTop = 22, kBottom = 5, kLeft = 5, kRight = 5;
// Per side (top, bottom, left, right): active and inactive colours.
constexpr COLORREF kActive[4] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200), RGB(200, 200, 30)};
constexpr COLORREF kInactive[4] = {RGB(100, 15, 15), RGB(15, 100, 15), RGB(15, 15, 100), RGB(100, 100, 15)};

void BuildSkin(SyntheticSkin& skin) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.Element(2));
    namespace fp = frame_props;
    frame->SetNumber(fp::kTopThickness, kTop);
    frame->SetNumber(fp::kBottomThickness, kBottom);
    frame->SetNumber(fp::kLeftThickness, kLeft);
    frame->SetNumber(fp::kRightThickness, kRight);
    frame->SetNumber(fp::kTextHidden, 1);
    const struct {
        CTwfSideFrame* side;
        int w, h;
    } sides[] = {{frame->GetTopSide(), 4, kTop},
                 {frame->GetBottomSide(), 4, kBottom},
                 {frame->GetLeftSide(), kLeft, 4},
                 {frame->GetRightSide(), kRight, 4}};
    for (int i = 0; i < 4; ++i)
        for (const auto& [key, colour] : {std::pair{WORD(0), kActive[i]}, std::pair{WORD(1001), kInactive[i]}}) {
            HBITMAP bitmap = MakeSolidBitmap(sides[i].w, sides[i].h, colour);
            sides[i].side->SetImageBitmap(key, bitmap);
            DeleteObject(bitmap);
            sides[i].side->SetImageOptions(key, 0, 0, 1);
        }
}

const wchar_t kChildClass[] = L"HexmoorMdiActivationChild";

class MdiActivationTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        BuildSkin(Skin());
        SkinLoaded();
        EnableSkinning();
        RegisterMdiChildClass(kChildClass);
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
        args.clientWidth = 560;
        args.clientHeight = 400;
        window_ = std::make_unique<TestWindow>(args);
        frame_ = window_->Handle();
        client_ = CreateMdiClient(frame_, nullptr);
    }
    void TearDown() override {
        window_.reset();
        RuntimeTest::TearDown();
    }
    HWND NewChild(const wchar_t* title, int x, int y) {
        return CreateMdiChild(client_, kChildClass, title, x, y, 220, 150);
    }
    // Each side's colour at its middle, as the child shows it.
    void ExpectLook(HWND child, bool active, const char* what) {
        RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Settle();
        const PixelBuffer pixels = CaptureWindow(child);
        const int w = pixels.Width(), h = pixels.Height();
        const POINT middles[4] = {
            {w / 2, kTop / 2}, {w / 2, h - kBottom / 2 - 1}, {kLeft / 2, h / 2}, {w - kRight / 2 - 1, h / 2}};
        const COLORREF* expected = active ? kActive : kInactive;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pixels.At(middles[i].x, middles[i].y), expected[i]) << what << ", side " << i;
    }

    std::unique_ptr<TestWindow> window_;
    HWND frame_ = nullptr;
    HWND client_ = nullptr;
};

} // namespace

TEST_F(MdiActivationTest, EachChildsFrameFollowsTheClientsActivation) {
    HWND minimized = NewChild(L"Minimised", 10, 10);
    HWND first = NewChild(L"First", 20, 20);
    HWND second = NewChild(L"Second", 300, 200);
    AttachBaseSkinnedObject(frame_);
    ApplySkinToWindow(frame_, 0);
    ApplySkinToWindow(client_, 1);
    SetForegroundWindow(frame_);
    Settle();
    RECT c;
    GetClientRect(frame_, &c);
    MoveWindow(client_, 0, 0, c.right, c.bottom, TRUE);
    ShowWindow(minimized, SW_MINIMIZE);
    SendMessageW(client_, WM_MDIACTIVATE, WPARAM(second), 0);
    Settle();
    ASSERT_EQ(HWND(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0)), second);
    ASSERT_NE(GetFrameSkinWnd(first), nullptr);
    EXPECT_FALSE(GetFrameSkinWnd(first)->IsActiveLook());
    EXPECT_TRUE(GetFrameSkinWnd(second)->IsActiveLook());
    ExpectLook(first, false, "inactive child");
    ExpectLook(second, true, "active child");

    // Activated the other way round by the client.
    SendMessageW(client_, WM_MDIACTIVATE, WPARAM(first), 0);
    Settle();
    ExpectLook(first, true, "activated child");
    ExpectLook(second, false, "deactivated child");
}
