// xmlx export SKIN.twf OUT.xml | xmlx import IN.xml OUT.twf [--into BASE.twf]:
// the controls XML exchange without windows (see kUsage for the contract).
#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/utf8.h"
#include "editor/exchange/xml/win/controls_import_export.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/tree_link_source.h"
#include "model/gdiplus_init.h"
#include "model/twf_skin.h"

using namespace hexmoor::exchange::xml;

namespace {

constexpr int kUsageError = 1;
constexpr int kInputRefused = 2;
constexpr int kNotWritten = 3;

constexpr char kUsage[] =
    "usage: xmlx export SKIN.twf OUT.xml\n"
    "       xmlx import IN.xml OUT.twf [--into BASE.twf]\n"
    "export loads SKIN, fills the editor's element trees without windows and\n"
    "writes from their links the controls XML file OUT with its image and\n"
    "region files beside it. import\n"
    "loads BASE (or a new skin, as New makes it), imports IN and saves OUT.\n"
    "Both print \"controls N\", \"custom N\", \"records N\", \"images N\",\n"
    "\"regions N\", then \"result 0\". Exit code: 0 done; 1 wrong command line;\n"
    "2 input refused (\"xmlx: FILE: reason\" on standard error, OUT not\n"
    "written); 3 output not written.\n";

void Fail(const std::wstring& file, const std::wstring& reason) {
    const std::string line =
        "xmlx: " + hexmoor::ToUtf8(std::wstring_view(file)) + ": " + hexmoor::ToUtf8(std::wstring_view(reason)) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

void PrintCounts(const ExchangeCounts& counts) {
    std::printf("controls %d\ncustom %d\nrecords %d\nimages %d\nregions %d\nresult 0\n", counts.controls, counts.custom,
                counts.records, counts.images, counts.regions);
    std::fflush(stdout);
}

// Loads a skin file into a new skin; false (with the message) when it does not load.
bool LoadSkin(CTwfSkin& skin, const std::wstring& path) {
    skin.SetPath(path);
    const int result = skin.LoadSkinFromPath(FALSE);
    if (result == 0) return true;
    Fail(path, L"the skin could not be loaded (result " + std::to_wstring(result) + L")");
    return false;
}

int Export(const std::wstring& skinPath, const std::wstring& out) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    if (!LoadSkin(skin, skinPath)) return kInputRefused;
    // The editor's link map without windows: the default and custom trees
    // filled from the skin on in-memory stores, walked as the editor's
    // export walks them.
    const auto skinOf = [&skin] { return &skin; };
    hexmoor::shell::MemoryTree defaultStore, customStore;
    hexmoor::shell::ElementTree defaults(defaultStore, 0, skinOf);
    hexmoor::shell::ElementTree custom(customStore, 1, skinOf);
    defaults.FillFromSkin();
    custom.FillFromSkin();
    hexmoor::shell::TreeLinkSource links({&defaults, &custom});
    const ExchangeOutcome outcome = CControlsImportExport(skin).ExportControls(out, links);
    if (!outcome.ok) {
        Fail(outcome.problem.file, outcome.problem.reason);
        return kNotWritten;
    }
    PrintCounts(outcome.counts);
    return 0;
}

int Import(const std::wstring& in, const std::wstring& out, const std::optional<std::wstring>& base) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    if (base && !LoadSkin(skin, *base)) return kInputRefused;
    CControlsImportExport exchange(skin);
    ImportPlanResult read = exchange.ReadImport(in);
    if (!read.plan) {
        Fail(read.problem.file, read.problem.reason);
        return kInputRefused;
    }
    const ExchangeCounts counts = read.plan->Counts();
    ApplyImportPlan(std::move(*read.plan), skin);
    // As the editor's import: the skin is saved uncompressed.
    skin.SetCompressedFlag(0);
    skin.SetPath(out);
    if (!skin.WriteSkinFile()) {
        Fail(out, L"the skin could not be written");
        return kNotWritten;
    }
    PrintCounts(counts);
    return 0;
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
    if (argv) LocalFree(argv);

    std::vector<std::wstring> words;
    std::optional<std::wstring> base;
    bool usage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--into" && i + 1 < args.size() && !base) {
            base = args[++i];
        } else if (args[i].rfind(L"--", 0) == 0) {
            usage = true;
        } else {
            words.push_back(args[i]);
        }
    }
    const bool exporting = words.size() == 3 && words[0] == L"export" && !base;
    const bool importing = words.size() == 3 && words[0] == L"import";
    if (usage || (!exporting && !importing)) {
        std::fputs(kUsage, stderr);
        return kUsageError;
    }

    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n only
    const bool com = SUCCEEDED(CoInitialize(nullptr));
    int code = kNotWritten;
    {
        CGdiPlusInit imaging;
        if (!imaging.IsStarted()) {
            std::fputs("xmlx: GDI+ did not start\n", stderr);
        } else {
            code = exporting ? Export(words[1], words[2]) : Import(words[1], words[2], base);
        }
    }
    if (com) CoUninitialize();
    return code;
}
