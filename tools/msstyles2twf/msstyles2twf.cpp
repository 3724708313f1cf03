// msstyles2twf IN.msstyles OUT.twf [--scheme NAME] [--into BASE.twf]: imports
// one colour scheme of a visual style into a skin and saves it (see kUsage
// for the contract).
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "editor/exchange/pe_resources.h"
#include "editor/exchange/style_conversion.h"
#include "model/gdiplus_init.h"
#include "model/twf_skin.h"

using namespace hexmoor::exchange;

namespace {

constexpr int kUsageError = 1;
constexpr int kNotWritten = 5;

constexpr char kUsage[] =
    "usage: msstyles2twf IN.msstyles OUT.twf [--scheme NAME] [--into BASE.twf]\n"
    "Loads BASE (or a new skin), imports the colour scheme NAME of the visual\n"
    "style IN (as the scheme list shows it; the first one by default) into its\n"
    "default scheme and saves OUT. Prints \"schemes A,B,...\", \"scheme NAME\",\n"
    "\"elements N\", \"images N\", \"colors N\", \"numbers N\", \"regions N\",\n"
    "\"skipped N\" with a \"skip SECTION KEY reason\" line for each named bitmap\n"
    "missing or refused, then \"result 0\". Exit code: 0 written; 1 wrong\n"
    "command line or BASE unreadable; 2 damaged module; 3 no THEMES_INI; 4 scheme\n"
    "missing or unreadable; 5 OUT not written. On an error OUT is not written.\n";

std::u16string ToU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

void Message(std::u16string_view text) {
    const std::string line = ToUtf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
    if (argv) LocalFree(argv);

    std::vector<std::wstring> paths;
    std::optional<std::u16string> scheme;
    std::optional<std::wstring> base;
    bool usage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--scheme" && i + 1 < args.size() && !scheme) {
            scheme = ToU16(args[++i]);
        } else if (args[i] == L"--into" && i + 1 < args.size() && !base) {
            base = args[++i];
        } else if (args[i].rfind(L"--", 0) == 0) {
            usage = true;
        } else {
            paths.push_back(args[i]);
        }
    }
    if (usage || paths.size() != 2) {
        std::fputs(kUsage, stderr);
        return kUsageError;
    }

    CGdiPlusInit imaging;
    if (!imaging.IsStarted()) std::fputs("msstyles2twf: GDI+ did not start\n", stderr);
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    if (base) {
        skin.SetPath(*base);
        const int loaded = skin.LoadSkinFromPath(FALSE);
        if (loaded != 0) {
            std::fprintf(stderr, "msstyles2twf: BASE could not be loaded (result %d)\n", loaded);
            return kUsageError;
        }
    }

    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n only
    auto bytes = ReadStyleFile(paths[0]);
    ConversionResult result;
    if (!bytes) {
        result.code = kConversionDamaged;
        result.message = kDamagedModuleMessage;
    } else {
        result = ConvertStyle(std::move(*bytes), scheme, skin);
    }
    if (result.code != kConversionOk) {
        const std::string out = FormatConversion(result);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fflush(stdout);
        Message(result.message);
        return result.code;
    }
    skin.SetPath(paths[1]);
    if (!skin.WriteSkinFile()) {
        std::fputs("msstyles2twf: OUT could not be written\n", stderr);
        return kNotWritten;
    }
    const std::string out = FormatConversion(result);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}
