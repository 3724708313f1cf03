// Window entries of the flat API: skinning a window as a chosen type,
// removing skin in explicit mode, and moving windows between skins by id.
#include <string>

#include "runtime/manager/factories.h"
#include "model/twf_obj.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/runtime/win/skin_fixture_path.h"
#include "tests/runtime/win/recorder.h"

using namespace hexmoor::test;

class ApiWindowsTest : public RuntimeTest {};

TEST_F(ApiWindowsTest, SkinWindowAsTypeReplacesTheObjectOfAnotherType) {
    StartRuntime(true);
    HWND hwnd = CreateRecorder();
    EXPECT_EQ(SkinWindowAsType(hwnd, 25), 0);
    EXPECT_EQ(GetSkinnedWindowType(hwnd), 25);
    CTWWnd* first = GetSkinnedWindowObject(hwnd);
    SkinWindowAsType(hwnd, 25);
    EXPECT_EQ(GetSkinnedWindowObject(hwnd), first) << "the same type keeps its object";
    SkinWindowAsType(hwnd, 100);
    EXPECT_EQ(GetSkinnedWindowType(hwnd), 100);
    EXPECT_EQ(CurrentManager()->GetTypeMap(25)->count(hwnd), 0u);
    // The first of these kinds that has no skinned class yet.
    for (int kind : {38, 35, 22, 19, 15, 14, 3}) {
        if (CreateControlFactory(kind)) continue;
        SkinWindowAsType(hwnd, kind);
        EXPECT_EQ(GetSkinnedWindowObject(hwnd), nullptr)
            << "a kind whose skinned class is not there leaves the window unskinned (" << kind << ")";
        break;
    }
    DestroyWindow(hwnd);
}

TEST_F(ApiWindowsTest, ExplicitModeRemoveSkinAlsoForgetsTheWindows) {
    StartRuntime(true);
    HWND parent = CreateRecorder();
    HWND child = CreateRecorder(parent);
    SkinWindowAsType(parent, 25);
    SkinWindowAsType(child, 100);
    RemoveSkinFromWindow(parent, 0);
    EXPECT_EQ(GetSkinnedWindowObject(parent), nullptr);
    EXPECT_NE(GetSkinnedWindowObject(child), nullptr) << "scope 0: the window only";
    SkinWindowAsType(parent, 25);
    RemoveSkinFromWindow(parent, 1);
    EXPECT_EQ(GetSkinnedWindowObject(child), nullptr);
    DestroyWindow(parent);
}

TEST_F(ApiWindowsTest, WindowsMoveToAnotherSkinAndBackWhenItIsRemoved) {
    StartRuntime(true);
    SkinLoaded();
    HWND dialog = CreateRecorder();
    SkinWindowAsType(dialog, 25);
    CTWWnd* object = GetSkinnedWindowObject(dialog);
    ASSERT_NE(object, nullptr);
    CTwfSkin* main = GetRuntimeSkinManager()->GetMainSkin();
    EXPECT_EQ(object->GetTwfSkin(), main);

    EXPECT_EQ(LoadSkinWithId(SkinFixturePath("good/v768.twf").c_str(), 1), 0) << "id 1 is the main skin's";
    EXPECT_EQ(LoadSkinWithId(SkinFixturePath("bad/header_not_twf.twf").c_str(), 5), 0);
    ASSERT_EQ(LoadSkinWithId(SkinFixturePath("good/v768.twf").c_str(), 5), 1);
    CTwfSkin* second = GetRuntimeSkinManager()->GetSkin(5);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(SetWindowSkinId(dialog, 5), 0);
    EXPECT_EQ(object->GetSkinId(), 5);
    EXPECT_EQ(object->GetSkinObject(), second->FindObject(25, L""));
    EXPECT_TRUE(hexmoor::rt::IsSkinActive(5));

    EXPECT_EQ(RemoveSkinById(1), 0);
    EXPECT_NE(GetRuntimeSkinManager()->GetMainSkin(), nullptr) << "skin 1 is never removed";
    EXPECT_EQ(RemoveSkinById(5), 0);
    EXPECT_EQ(GetRuntimeSkinManager()->GetSkin(5), nullptr);
    EXPECT_EQ(object->GetSkinId(), 1) << "back to the main skin";
    EXPECT_TRUE(object->GetSkinObject() == nullptr || object->GetTwfSkin() == main)
        << "no element of the deleted skin is kept";
    EXPECT_FALSE(hexmoor::rt::IsSkinActive(5));
    DestroyWindow(dialog);
}

TEST_F(ApiWindowsTest, SkinWindowAsTypeStartsTheSkinOnceAndTakesOnlyItsOwnSteps) {
    StartRuntime(true, 1);
    Skin().SolidImage(25, 0, RGB(9, 99, 199), 4, 4);
    SkinLoaded();
    EnableSkinning();
    HWND hwnd = CreateRecorder();
    SkinWindowAsType(hwnd, 25);
    Pump();
    EXPECT_EQ(CountOf(hwnd, hexmoor::rt::TWM_STARTSKIN), 1) << "one switch-on, one start message";

    // A shell band keeps its object inactive only when the classifier's road
    // adds it; a window skinned as a chosen type is left as the caller asked.
    WNDCLASSW wc{};
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TravelBand";
    RegisterClassW(&wc);
    HWND band = CreateWindowExW(0, L"TravelBand", L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SkinWindowAsType(band, 25);
    ASSERT_NE(GetSkinnedWindowObject(band), nullptr);
    EXPECT_TRUE(GetSkinnedWindowObject(band)->IsActive());
    DestroyWindow(band);
    DestroyWindow(hwnd);
}

TEST_F(ApiWindowsTest, AnObjectThatCannotAttachToItsWindowIsNotKept) {
    StartRuntime(true, 1);
    SkinLoaded();
    HWND gone = CreateRecorder();
    DestroyWindow(gone);
    const size_t before = CurrentManager()->Objects().size();
    SkinWindowAsType(gone, 25);
    SkinWindowAsType(gone, 100);
    AttachBaseSkinnedObject(gone);
    EXPECT_EQ(CurrentManager()->Objects().size(), before);
    EXPECT_EQ(CurrentManager()->GetTypeMap(25)->count(gone), 0u);
    EXPECT_EQ(CurrentManager()->GetTypeMap(100)->count(gone), 0u);
    EXPECT_EQ(CurrentManager()->GetTypeMap(1)->count(gone), 0u);
}
