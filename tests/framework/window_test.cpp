#include "framework/window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/harness/test_window.h"

using namespace hexmoor::fw;

namespace {

// A push button driven by our wrapper: records what is reflected to it.
class RecordingButton : public Window {
public:
    std::vector<UINT> commands;
    std::vector<UINT> notifies;

protected:
    bool OnReflectedCommand(UINT code, LRESULT& result) override {
        commands.push_back(code);
        return true;
    }
    bool OnReflectedNotify(NMHDR* hdr, LRESULT& result) override {
        notifies.push_back(hdr->code);
        result = 7;
        return true;
    }
};

class Parent : public Window {
public:
    std::vector<UINT> seenCommands;
    std::vector<std::string> log;

protected:
    int OnCreate(CREATESTRUCTW*) override {
        log.push_back("create");
        return 0;
    }
    bool OnCommand(UINT id, UINT code, HWND) override {
        seenCommands.push_back(id);
        return true;
    }
    void OnDestroy() override { log.push_back("destroy"); }
    void OnFinalMessage() override { log.push_back("final"); }
};

} // namespace

TEST(WindowWrapper, ChildNotificationsReachTheChildObjectBeforeTheParent) {
    Parent parent;
    WindowArgs pa;
    pa.style = WS_POPUP | WS_VISIBLE;
    pa.width = 200;
    pa.height = 100;
    ASSERT_TRUE(parent.Create(pa));
    EXPECT_EQ(Window::FromHandle(parent.Handle()), &parent);

    RecordingButton button;
    WindowArgs ba;
    ba.className = L"BUTTON";
    ba.style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
    ba.parent = parent.Handle();
    ba.width = 80;
    ba.height = 24;
    ba.menuOrId = reinterpret_cast<HMENU>(42);
    ASSERT_TRUE(button.Create(ba));

    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(button.commands, (std::vector<UINT>{BN_CLICKED}));
    EXPECT_TRUE(parent.seenCommands.empty());

    NMHDR hdr{button.Handle(), 42, NM_CLICK};
    EXPECT_EQ(SendMessageW(parent.Handle(), WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&hdr)), 7);
    EXPECT_EQ(button.notifies, (std::vector<UINT>{static_cast<UINT>(NM_CLICK)}));

    // A command from the menu (no control) reaches the parent's hook.
    SendMessageW(parent.Handle(), WM_COMMAND, MAKEWPARAM(5, 0), 0);
    EXPECT_EQ(parent.seenCommands, (std::vector<UINT>{5}));
}

TEST(WindowWrapper, FinalHookRunsAfterTheWindowIsGoneAndTheObjectCanBeReused) {
    Parent w;
    WindowArgs a;
    a.style = WS_POPUP;
    ASSERT_TRUE(w.Create(a));
    HWND h = w.Handle();
    DestroyWindow(h);
    EXPECT_EQ(w.log, (std::vector<std::string>{"create", "destroy", "final"}));
    EXPECT_FALSE(w.IsAlive());
    EXPECT_EQ(Window::FromHandle(h), nullptr);
    ASSERT_TRUE(w.Create(a));
    EXPECT_TRUE(w.IsAlive());
}

TEST(WindowWrapper, DetachedControlKeepsWorkingWithoutUs) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    RecordingButton button;
    WindowArgs ba;
    ba.className = L"BUTTON";
    ba.style = WS_CHILD | BS_PUSHBUTTON;
    ba.parent = parent;
    ASSERT_TRUE(button.Create(ba));
    HWND h = button.Handle();
    button.Detach();
    EXPECT_EQ(Window::FromHandle(h), nullptr);
    SetWindowTextW(h, L"still a button");
    wchar_t text[32]{};
    GetWindowTextW(h, text, 32);
    EXPECT_STREQ(text, L"still a button");
    DestroyWindow(parent);
}

namespace {

WNDPROC g_previous = nullptr;
std::vector<UINT> g_foreignSaw;

LRESULT CALLBACK ForeignProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) g_foreignSaw.push_back(LOWORD(wp));
    return CallWindowProcW(g_previous, h, msg, wp, lp);
}

} // namespace

TEST(WindowWrapper, ForeignSubclassOnTopStillReachesOurObjectAndDestroysCleanly) {
    // What the skinning runtime does to the main frame.
    auto w = std::make_unique<Parent>();
    WindowArgs a;
    a.style = WS_POPUP;
    ASSERT_TRUE(w->Create(a));
    HWND h = w->Handle();
    g_foreignSaw.clear();
    g_previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(9, 0), 0);
    EXPECT_EQ(g_foreignSaw, (std::vector<UINT>{9}));
    EXPECT_EQ(w->seenCommands, (std::vector<UINT>{9}));
    DestroyWindow(h);
    EXPECT_FALSE(w->IsAlive());
    EXPECT_EQ(w->log.back(), "final");
}

TEST(WindowWrapper, ControlDetachedUnderAForeignSubclassPassesMessagesOnAndTakesANewObject) {
    // Our subclass cannot come off while another sits on top of it: it stays
    // in the chain, passes everything on, and a later object takes it over.
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    RecordingButton first;
    WindowArgs ba;
    ba.className = L"BUTTON";
    ba.style = WS_CHILD | BS_PUSHBUTTON;
    ba.parent = parent;
    ASSERT_TRUE(first.Create(ba));
    HWND h = first.Handle();
    g_foreignSaw.clear();
    g_previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    first.Detach();
    EXPECT_EQ(Window::FromHandle(h), nullptr);
    SetWindowTextW(h, L"still a button");
    wchar_t text[32]{};
    GetWindowTextW(h, text, 32);
    EXPECT_STREQ(text, L"still a button");

    RecordingButton second;
    ASSERT_TRUE(second.Attach(h));
    EXPECT_EQ(Window::FromHandle(h), &second);
    EXPECT_FALSE(first.Attach(h)); // one object per window
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(4, 0), 0);
    EXPECT_EQ(g_foreignSaw, (std::vector<UINT>{4}));
    GetWindowTextW(h, text, 32);
    EXPECT_STREQ(text, L"still a button");
    DestroyWindow(parent);
    EXPECT_FALSE(second.IsAlive());
    EXPECT_EQ(Window::FromHandle(h), nullptr);
}
