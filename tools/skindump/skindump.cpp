// skindump FILE: loads a skin file into the main skin of a new skin manager
// and prints the skin's canonical listing (see kUsage for the contract).
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>

#include "model/file/skin_listing.h"
#include "model/gdiplus_init.h"
#include "model/twf_manager.h"

namespace {

// The exit code of a wrong command line: apart from every loader result.
constexpr int kUsageError = 64;

constexpr char kUsage[] =
    "usage: skindump FILE\n"
    "Loads FILE into a new skin (whose scheme \"Default\" holds the elements\n"
    "every new skin has) and prints the skin's canonical listing on standard\n"
    "output, whatever the result: \"result N\", \"version N\", \"info K TEXT\"\n"
    "for K = 1..9 (just \"info K\" when the text is empty), \"compressed N\",\n"
    "then every scheme by name, the \"Default\" scheme always among them, with\n"
    "its elements and their entries. Lines end in \\n.\n"
    "Exit code: the loader's result (0 loaded, 1 nothing to read or images\n"
    "cannot be decoded, 2 invalid or corrupted, 3 file error, 4 version not\n"
    "supported); 64 for a wrong command line.\n";

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 2) {
        if (argv) LocalFree(argv);
        std::fputs(kUsage, stderr);
        return kUsageError;
    }
    const std::wstring path = argv[1];
    LocalFree(argv);

    // Without GDI+ the loader refuses with result 1, and the listing of the
    // new skin is still printed.
    CGdiPlusInit imaging;
    if (!imaging.IsStarted()) std::fputs("skindump: GDI+ did not start\n", stderr);
    CTwfManager manager;
    manager.CreateMainSkin(L"Default");
    const int result = manager.LoadMainSkinFromPath(path);
    const std::string listing = SkinListing(*manager.GetMainSkin(), result);
    _setmode(_fileno(stdout), _O_BINARY); // the listing's lines end in \n only
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    std::fflush(stdout);
    return result;
}
