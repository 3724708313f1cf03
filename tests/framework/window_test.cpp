#include "framework/window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <exception>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/application.h"
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

// Throws from its window procedure for WM_APP.
class Throwing : public Window {
public:
    std::exception_ptr toThrow;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_APP) std::rethrow_exception(toThrow);
        return Window::WindowProc(msg, wp, lp);
    }
};

struct RecordedBoxes : MessageBoxService {
    std::vector<std::wstring> shown;
    int Show(HWND, const std::wstring& text, const std::wstring&, UINT) override {
        shown.push_back(text);
        return IDOK;
    }
};

} // namespace

// An exception in a message's work never reaches the system's code or ends
// the program: the work is abandoned, the user told, the window lives on.
TEST(WindowWrapper, AnExceptionInAMessageIsReportedAndGoesNoFurther) {
    Application app;
    auto boxes = std::make_unique<RecordedBoxes>();
    RecordedBoxes* shown = boxes.get();
    app.SetMessages(std::move(boxes));
    Throwing w;
    WindowArgs a;
    a.style = WS_POPUP;
    ASSERT_TRUE(w.Create(a));
    struct Case {
        std::exception_ptr failure;
        bool posted; // through the application's loop, else sent
        std::wstring text;
    };
    const Case cases[] = {
        {std::make_exception_ptr(std::bad_alloc()), false,
         L"The last action could not be completed: not enough memory"},
        {std::make_exception_ptr(std::runtime_error("disk on fire")), true,
         L"The last action could not be completed: an unexpected error (disk on fire)"},
        {std::make_exception_ptr(42), true, L"The last action could not be completed: an unexpected error"},
    };
    for (const Case& c : cases) {
        shown->shown.clear();
        w.toThrow = c.failure;
        if (c.posted) {
            PostMessageW(w.Handle(), WM_APP, 0, 0);
            app.RunPending();
        } else {
            SendMessageW(w.Handle(), WM_APP, 0, 0);
        }
        EXPECT_EQ(shown->shown, std::vector<std::wstring>{c.text});
        EXPECT_TRUE(w.IsAlive());
    }
}

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

namespace {

// An owner-drawn variable-height list that answers its own measuring.
class MeasuringList : public Window {
public:
    explicit MeasuringList(UINT height) : height_(height) {}
    int measured = 0;

protected:
    bool OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) override {
        ++measured;
        mis->itemHeight = height_;
        return true;
    }

private:
    UINT height_;
};

bool CreateMeasuringList(MeasuringList& list, HWND parent, int id) {
    WindowArgs a;
    a.className = L"LISTBOX";
    a.style = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT;
    a.parent = parent;
    a.width = 100;
    a.height = 80;
    a.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return list.Create(a);
}

int AddLineAndReadItsHeight(const MeasuringList& list) {
    const auto index = SendMessageW(list.Handle(), LB_ADDSTRING, 0, 1);
    return static_cast<int>(SendMessageW(list.Handle(), LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0));
}

} // namespace

// Measuring names the control by id only; the parent finds the bound child
// by the id it has now, also after ids changed hands.
TEST(WindowWrapper, MeasuringReachesTheChildThatHasTheIdNow) {
    Parent parent;
    WindowArgs pa;
    pa.style = WS_POPUP;
    pa.width = 200;
    pa.height = 100;
    ASSERT_TRUE(parent.Create(pa));

    MeasuringList tall(21), short_(9);
    ASSERT_TRUE(CreateMeasuringList(tall, parent.Handle(), 7));
    ASSERT_TRUE(CreateMeasuringList(short_, parent.Handle(), 8));
    EXPECT_EQ(AddLineAndReadItsHeight(tall), 21);
    EXPECT_EQ(AddLineAndReadItsHeight(short_), 9);

    // The short list gives up its id and the tall one takes it: each still
    // answers for itself.
    SetWindowLongPtrW(short_.Handle(), GWLP_ID, 80);
    SetWindowLongPtrW(tall.Handle(), GWLP_ID, 8);
    EXPECT_EQ(AddLineAndReadItsHeight(tall), 21);
    EXPECT_EQ(AddLineAndReadItsHeight(short_), 9);
    EXPECT_EQ(tall.measured, 2);
    EXPECT_EQ(short_.measured, 2);

    // A list nobody drives keeps the system's measuring.
    HWND plain = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_OWNERDRAWVARIABLE, 0, 0, 50, 50, parent.Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(5)), nullptr, nullptr);
    ASSERT_TRUE(plain);
    const auto index = SendMessageW(plain, LB_ADDSTRING, 0, 1);
    EXPECT_NE(SendMessageW(plain, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0), 21);
    EXPECT_EQ(tall.measured + short_.measured, 4);
}

// Wine marks a process per-monitor DPI aware from its start, whether its
// manifest declares nothing or declares it unaware, and refuses a later
// change; Windows leaves a program that declares nothing DPI unaware. Every
// window of the editor is therefore per-monitor aware under Wine.
TEST(WineDpi, AProcessThatDeclaresNothingIsPerMonitorAware) {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    using Context = HANDLE;
    auto current = reinterpret_cast<Context(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetThreadDpiAwarenessContext")));
    auto awareness = reinterpret_cast<int(WINAPI*)(Context)>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetAwarenessFromDpiAwarenessContext")));
    auto set = reinterpret_cast<BOOL(WINAPI*)(Context)>(
        reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDpiAwarenessContext")));
    ASSERT_TRUE(current && awareness && set);
    constexpr int kPerMonitorAware = 2;
    EXPECT_EQ(awareness(current()), kPerMonitorAware);
    // DPI_AWARENESS_CONTEXT_UNAWARE is (HANDLE)-1.
    EXPECT_FALSE(set(reinterpret_cast<Context>(static_cast<INT_PTR>(-1))));
    EXPECT_EQ(awareness(current()), kPerMonitorAware);
}

namespace {

// What the windows of a shown test frame went through: the frame's
// WM_SHOWWINDOW, and each child's erases (inside its paint, with the
// paint's DC, or before it) and paints.
struct ShowLog {
    HWND frame = nullptr;
    std::vector<WPARAM> showMessages;
    std::map<HWND, std::vector<std::string>> children;
    HWND painting = nullptr;
};
ShowLog* gShowLog = nullptr;

LRESULT CALLBACK ShowLogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const bool isChild = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
    switch (msg) {
    case WM_SHOWWINDOW:
        if (hwnd == gShowLog->frame) gShowLog->showMessages.push_back(wp);
        break;
    case WM_ERASEBKGND:
        if (isChild) gShowLog->children[hwnd].push_back(gShowLog->painting == hwnd ? "erase in paint" : "erase");
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        gShowLog->painting = hwnd;
        BeginPaint(hwnd, &ps);
        gShowLog->painting = nullptr;
        EndPaint(hwnd, &ps);
        if (isChild) gShowLog->children[hwnd].push_back("paint");
        return 0;
    }
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

TEST(ShowErasingInPaint, ChildrenEraseInTheirFirstPaintAndTheWindowIsToldAsByShowWindow) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ShowLogProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = L"HexmoorShowLogTest";
    RegisterClassW(&wc);

    struct Case {
        const char* name;
        void (*show)(HWND);
        std::vector<std::string> childEvents;
        bool active;
    };
    const Case cases[] = {
        {"the system's ShowWindow erases first", [](HWND w) { ShowWindow(w, SW_SHOWNA); }, {"erase", "paint"}, false},
        {"without activation", [](HWND w) { ShowErasingInPaint(w, false); }, {"erase in paint", "paint"}, false},
        {"with activation", [](HWND w) { ShowErasingInPaint(w, true); }, {"erase in paint", "paint"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowLog log;
        gShowLog = &log;
        HWND other = CreateWindowExW(0, wc.lpszClassName, L"other", WS_POPUP | WS_VISIBLE, 300, 300, 50, 50, nullptr,
                                     nullptr, wc.hInstance, nullptr);
        SetActiveWindow(other);
        HWND frame = CreateWindowExW(0, wc.lpszClassName, L"frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 260,
                                     200, nullptr, nullptr, wc.hInstance, nullptr);
        log.frame = frame;
        HWND children[2];
        for (int i = 0; i < 2; ++i)
            children[i] = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 10 + 110 * i, 10, 100, 100,
                                          frame, nullptr, wc.hInstance, nullptr);
        c.show(frame);
        UpdateWindow(frame);

        EXPECT_TRUE(IsWindowVisible(frame));
        EXPECT_EQ(log.showMessages, std::vector<WPARAM>{TRUE});
        for (HWND child : children) EXPECT_EQ(log.children[child], c.childEvents);
        EXPECT_EQ(GetActiveWindow() == frame, c.active);
        DestroyWindow(frame);
        DestroyWindow(other);
        gShowLog = nullptr;
    }
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}
