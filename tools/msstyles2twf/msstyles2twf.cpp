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

#include "editor/exchange/conversion_job.h"
#include "model/gdiplus_init.h"

using namespace hexmoor::exchange;

namespace {

constexpr char kUsage[] =
    "usage: msstyles2twf IN.msstyles OUT.twf [--scheme NAME] [--into BASE.twf]\n"
    "Loads BASE (or a new skin), imports the colour scheme NAME of the visual\n"
    "style IN (as the scheme list shows it; the first one by default) into its\n"
    "default scheme and saves OUT. Prints \"schemes A,B,...\", \"scheme NAME\",\n"
    "\"elements N\", \"images N\", \"colors N\", \"numbers N\", \"regions N\",\n"
    "\"skipped N\" with a \"skip SECTION KEY reason\" line for each named bitmap\n"
    "missing, refused or over the import's pixel budget and each caption shape\n"
    "over the region cap, then \"result 0\". Exit code: 0 written; 1 wrong\n"
    "command line or BASE unreadable; 2 damaged module; 3 no THEMES_INI; 4 scheme\n"
    "missing or unreadable; 5 OUT not written; 6 GDI+ did not start. On an error\n"
    "OUT is not written.\n";

std::u16string ToU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

void Write(const std::string& text, FILE* stream) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
    if (argv) LocalFree(argv);

    std::vector<std::wstring> paths;
    ConversionJob job;
    bool usage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--scheme" && i + 1 < args.size() && !job.scheme) {
            job.scheme = ToU16(args[++i]);
        } else if (args[i] == L"--into" && i + 1 < args.size() && !job.base) {
            job.base = args[++i];
        } else if (args[i].rfind(L"--", 0) == 0) {
            usage = true;
        } else {
            paths.push_back(args[i]);
        }
    }
    if (usage || paths.size() != 2) {
        std::fputs(kUsage, stderr);
        return kToolUsage;
    }
    job.input = paths[0];
    job.output = paths[1];

    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n only
    CGdiPlusInit imaging;
    const ConversionOutput output = RunConversionJob(job, imaging.IsStarted());
    Write(output.out, stdout);
    Write(output.err, stderr);
    return output.exitCode;
}
