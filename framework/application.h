#pragma once
// The application object: the one message loop with keyboard
// pre-translation (modeless dialogs, each window's own hook up the parent
// chain, the main window's accelerators), idle-time command updates, the
// settings profile, the recent-file list and the services that ask the
// user things.

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "framework/command.h"
#include "framework/context_menus.h"
#include "framework/profile.h"
#include "framework/recent_files.h"
#include "framework/services.h"

namespace hexmoor::fw {

class Window;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The process's application object (the most recent one constructed).
    static Application* Current();

    // Runs the loop until WM_QUIT; returns its exit code.
    int Run();
    // Runs every message already queued through the same path as Run, then
    // the idle work once. For tests and nested waits.
    void RunPending();

    // Keyboard routing for one message; true when it was consumed.
    bool PreTranslate(MSG& msg);
    // The application's own look at every message first.
    virtual bool PreTranslateMessage(MSG& msg) { return false; }
    // Called when the queue has emptied after input: command updates.
    virtual void OnIdle();

    void SetMainWindow(Window* window) { mainWindow_ = window; }
    Window* MainWindow() const { return mainWindow_; }

    // Modeless dialogs whose keyboard the loop runs through IsDialogMessage.
    void AddModeless(HWND dialog);
    void RemoveModeless(HWND dialog);

    void SetRegistryKey(const std::wstring& company);
    const std::wstring& AppName() const { return appName_; }
    void SetAppName(const std::wstring& name) { appName_ = name; }
    Profile& GetProfile() { return *profile_; }
    RecentFileList& RecentFiles() { return recent_; }

    CommandTable& Commands() { return commands_; }
    ContextMenuManager& ContextMenus() { return contextMenus_; }

    MessageBoxService& Messages() { return *messages_; }
    FileDialogService& FileDialogs() { return *fileDialogs_; }
    FontDialogService& FontDialogs() { return *fontDialogs_; }
    ShellService& Shell() { return *shell_; }
    void SetMessages(std::unique_ptr<MessageBoxService> s) { messages_ = std::move(s); }
    void SetFileDialogs(std::unique_ptr<FileDialogService> s) { fileDialogs_ = std::move(s); }
    void SetFontDialogs(std::unique_ptr<FontDialogService> s) { fontDialogs_ = std::move(s); }
    void SetShell(std::unique_ptr<ShellService> s) { shell_ = std::move(s); }

    // Runs the idle-time updates now; called before every modal loop
    // (message boxes, modal dialogs) starts.
    void BeforeModalLoop();

    // A message box owned by the main window, captioned with the app name.
    int MessageBox(const std::wstring& text, UINT type);

    // Tells the user that an action was abandoned because of an exception
    // (from a catch block: std::current_exception()): "ACTION could not be
    // completed: not enough memory" for an allocation failure. A failure
    // while an earlier one is being shown is not shown again.
    void ReportFailure(const std::wstring& action, std::exception_ptr failure);
    // What the user is told for an exception, without the action.
    static std::wstring DescribeFailure(std::exception_ptr failure);

private:
    bool DispatchOne(MSG& msg);
    static bool ResetsIdle(const MSG& msg);

    Window* mainWindow_ = nullptr;
    std::vector<HWND> modeless_;
    std::wstring appName_ = L"Application";
    std::unique_ptr<Profile> profile_;
    RecentFileList recent_{4};
    CommandTable commands_;
    ContextMenuManager contextMenus_;
    std::unique_ptr<MessageBoxService> messages_;
    std::unique_ptr<FileDialogService> fileDialogs_;
    std::unique_ptr<FontDialogService> fontDialogs_;
    std::unique_ptr<ShellService> shell_;
    bool idlePending_ = true;
    bool reportingFailure_ = false;
    Application* previous_ = nullptr;
};

} // namespace hexmoor::fw
