// pagedump SKIN [--export] [--set ...]... [--fill ...]... [--save OUT]:
// loads a skin and lists the property pages of its element links without a
// window (see kUsage for the contract).
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "editor/links/page_dump.h"
#include "model/gdiplus_init.h"
#include "model/twf_manager.h"
#include "model/twf_skin.h"

namespace {

constexpr int kUsageError = 64;
constexpr int kNoSuchRow = 65;
constexpr int kSaveFailed = 66;

constexpr char kUsage[] =
    "usage: pagedump SKIN [--export] [--set SCHEME TYPE CLASS STATE PATH TEXT]...\n"
    "                [--fill SCHEME TYPE CLASS STATE PATH]... [--save OUT]\n"
    "Loads SKIN into a new skin. --set types TEXT into the row at PATH (labels\n"
    "joined with '/') of the link CLASS of element TYPE in SCHEME, shown in\n"
    "STATE, through the grid's commit road; --fill runs \"Fill all states\" on\n"
    "that row as Ctrl+W does; both run in the order given. Then, for every\n"
    "element (schemes by name, then type) and each link class of its type,\n"
    "prints \"link SCHEME TYPE CLASS\" and for states 0-4 \"state S shown=T\n"
    "caption=\"...\" buttons=LIST\" (T the state filled after any fallback,\n"
    "LIST the visible state buttons joined with ',') followed by the rows in\n"
    "grid order, two spaces per depth, children of collapsed groups too:\n"
    "\"row KIND ID BASE \"LABEL\" \"VALUE\" [choices=\"...\"] [expanded|collapsed]\"\n"
    "(texts escape '\"' and '\\' with a backslash). --export adds, per link,\n"
    "\"export S\" for S = 0, 2, 1, 3, 4 with the rows an export sink gets and\n"
    "its keys as \"key \"NAME\" KIND ID\". --save writes the skin to OUT.\n"
    "Exit code: the loader's result when not 0 (1-4); 64 a wrong command line;\n"
    "65 no such row (or link, or a choice the row does not offer); 66 the skin\n"
    "could not be saved; else 0.\n";

struct Command {
    bool fill = false;
    hexmoor::links::RowAddress address;
    std::wstring text;
};

bool ParseState(const wchar_t* text, int* state) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    if (!end || *end || value < -1 || value > 4) return false;
    *state = static_cast<int>(value);
    return true;
}

bool ParseType(const wchar_t* text, WORD* type) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    if (!end || *end || value < 0 || value > 0xFFFF) return false;
    *type = static_cast<WORD>(value);
    return true;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

int Usage() {
    std::fputs(kUsage, stderr);
    return kUsageError;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Usage();
    const std::wstring path = argv[1];
    bool withExport = false;
    std::wstring saveTo;
    std::vector<Command> commands;
    for (int i = 2; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--export") {
            withExport = true;
        } else if (arg == L"--save" && i + 1 < argc) {
            saveTo = argv[++i];
        } else if ((arg == L"--set" && i + 6 < argc) || (arg == L"--fill" && i + 5 < argc)) {
            Command command;
            command.fill = arg == L"--fill";
            command.address.scheme = argv[i + 1];
            command.address.className = Narrow(argv[i + 3]);
            if (!ParseType(argv[i + 2], &command.address.type) || !ParseState(argv[i + 4], &command.address.state))
                return Usage();
            command.address.path = argv[i + 5];
            if (!command.fill) command.text = argv[i + 6];
            i += command.fill ? 5 : 6;
            commands.push_back(std::move(command));
        } else {
            return Usage();
        }
    }

    CGdiPlusInit imaging;
    if (!imaging.IsStarted()) std::fputs("pagedump: GDI+ did not start\n", stderr);
    CTwfManager manager;
    manager.CreateMainSkin(L"Default");
    const int result = manager.LoadMainSkinFromPath(path);
    if (result != 0) {
        std::fprintf(stderr, "pagedump: the skin did not load (result %d)\n", result);
        return result;
    }
    CTwfSkin& skin = *manager.GetMainSkin();
    for (const Command& command : commands) {
        const auto done = command.fill ? hexmoor::links::FillRowAllStates(skin, command.address)
                                       : hexmoor::links::SetRowText(skin, command.address, command.text);
        if (done == hexmoor::links::RowRoadResult::kUnsupported) {
            std::fprintf(stderr, "pagedump: the row at %s takes no typed text\n", Narrow(command.address.path).c_str());
            return kUsageError;
        }
        if (done != hexmoor::links::RowRoadResult::kDone) {
            std::fprintf(stderr, "pagedump: no such row: %s %u %s %d %s\n", Narrow(command.address.scheme).c_str(),
                         command.address.type, command.address.className.c_str(), command.address.state,
                         Narrow(command.address.path).c_str());
            return kNoSuchRow;
        }
    }
    const std::string listing = hexmoor::links::DumpPages(skin, withExport);
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    std::fflush(stdout);
    if (!saveTo.empty()) {
        skin.SetPath(saveTo);
        if (!skin.WriteSkinFile()) {
            std::fputs("pagedump: the skin could not be saved\n", stderr);
            return kSaveFailed;
        }
    }
    return 0;
}
