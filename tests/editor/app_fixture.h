#pragma once
// Starts the editor's application in the test process with scripted
// message boxes and shell, from an empty registry profile.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/shell/hexmoor_app.h"
#include "editor/shell/dialogs/item_name_service.h"
#include "editor/shell/main_frame.h"
#include "editor/shell/panes/panels.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/tree_view_store.h"
#include "model/twf_skin.h"
#include "tests/harness/real_input.h"
#include "tests/harness/settle.h"

namespace hexmoor::test {

struct ScriptedMessages : fw::MessageBoxService {
    std::vector<std::wstring> shown;
    int answer = IDOK;
    int Show(HWND, const std::wstring& text, const std::wstring&, UINT) override {
        shown.push_back(text);
        return answer;
    }
};

// The item-name dialog answered OK with the name it proposes.
struct ProposedNames : shell::ItemNameService {
    std::optional<shell::ItemNameAnswer> Ask(HWND, int, const std::wstring& proposed, HIMAGELIST) override {
        return shell::ItemNameAnswer{proposed, 0};
    }
};

struct ScriptedShell : fw::ShellService {
    std::vector<std::wstring> opened;
    void Open(const std::wstring& target) override { opened.push_back(target); }
};

inline void ClearEditorRegistry() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwick\\Hexmoor");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".TWF");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Tarnwick.Document");
}

// A real left click at a point of the window's client area.
inline void ClickAt(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    ClickAtScreen(screen);
    Settle();
}

class EditorApp : public ::testing::Test {
protected:
    // Starts the editor and runs what its message loop would run first.
    void Start(std::vector<std::wstring> args = {}) {
        Launch(std::move(args));
        if (app) app->RunPending();
    }
    // Only the start-up, before the message loop.
    void Launch(std::vector<std::wstring> args = {}) {
        app = std::make_unique<shell::CHexmoorApp>();
        auto m = std::make_unique<ScriptedMessages>();
        messages = m.get();
        app->SetMessages(std::move(m));
        auto s = std::make_unique<ScriptedShell>();
        shell = s.get();
        app->SetShell(std::move(s));
        hexmoor::shell::SetItemNames(std::make_unique<ProposedNames>());
        ASSERT_TRUE(app->InitInstance(args));
        frame = app->Frame();
    }
    void Stop() {
        if (!app) return;
        if (frame && frame->Handle()) SendMessageW(frame->Handle(), WM_CLOSE, 0, 0);
        Settle();
        app->ExitInstance(0);
        Settle();
        app.reset();
        frame = nullptr;
    }
    void SetUp() override {
        ClearEditorRegistry();
        // Tests share a display slot one after another: a pointer left over
        // a toolbar button by an earlier test would show its prompt in the
        // status bar. Park it in the screen's far corner, away from the frame.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    void TearDown() override { Stop(); }

    // A file in the temporary folder that no other test process uses.
    static std::wstring TempSkinPath(const std::wstring& name) {
        wchar_t temp[MAX_PATH]{};
        GetTempPathW(MAX_PATH, temp);
        return std::wstring(temp) + L"hexmoor-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
    }
    // Writes a new skin (scheme "Default") with what `fill` adds at path and
    // opens it in the editor; false when either fails.
    bool OpenNewSkin(const std::wstring& path, const std::function<void(CTwfSkin&)>& fill = {}) {
        {
            CTwfSkin skin;
            skin.InitNewSkin(L"Default");
            if (fill) fill(skin);
            skin.SetPath(path);
            if (!skin.WriteSkinFile()) return false;
        }
        return app->OpenSkinFile(path);
    }
    // Selects the tree's item at path ("Folder/Item"), as a click on it does;
    // false when the tree has no such item.
    static bool SelectTreeItem(shell::CPanelTree* panel, const std::wstring& path) {
        const shell::TreeHandle item = panel && panel->Model() ? panel->Model()->Find(path) : nullptr;
        if (!item) return false;
        TreeView_SelectItem(panel->Tree(), shell::TreeViewStore::ToItem(item));
        return true;
    }

    std::unique_ptr<shell::CHexmoorApp> app;
    shell::CMainFrame* frame = nullptr;
    ScriptedMessages* messages = nullptr;
    ScriptedShell* shell = nullptr;
};

} // namespace hexmoor::test
