// Entry point of the editor.
#include <windows.h>

#include "editor/shell/hexmoor_app.h"
#include "framework/command_line.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    hexmoor::shell::CHexmoorApp app;
    if (!app.InitInstance(hexmoor::fw::ProcessArguments())) return app.ExitInstance(1);
    int code = app.Run();
    return app.ExitInstance(code);
}
