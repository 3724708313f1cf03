// skindump FILE: loads a skin file into the main skin of a skin manager and
// prints the skin's canonical listing. The exit code is the loader's result
// code (0 loaded, 1 nothing to read, 2 invalid or corrupted, 3 file error,
// 4 version not supported); the listing is printed in every case.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>

#include "model/file/skin_listing.h"
#include "model/gdiplus_init.h"
#include "model/twf_manager.h"

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 2) {
        std::fputs("usage: skindump FILE\n", stderr);
        return 1;
    }
    const std::wstring path = argv[1];
    LocalFree(argv);

    CGdiPlusInit imaging;
    if (!imaging.IsStarted()) {
        std::fputs("skindump: GDI+ did not start\n", stderr);
        return 1;
    }
    CTwfManager manager;
    manager.CreateMainSkin(L"Default");
    const int result = manager.LoadMainSkinFromPath(path);
    const std::string listing = SkinListing(*manager.GetMainSkin(), result);
    _setmode(_fileno(stdout), _O_BINARY); // the listing's lines end in \n only
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    std::fflush(stdout);
    return result;
}
