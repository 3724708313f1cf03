// editorscript SCRIPT: starts the editor with its real frame and trees and
// runs the script's lines against it; message boxes and file dialogs are
// answered from the script (see kUsage for the contract).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "editor/links/link_env.h"
#include "editor/links/page_dump.h"
#include "editor/links/property_item.h"
#include "editor/links/value_text.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/hexmoor_app.h"
#include "editor/shell/dialogs/item_name_service.h"
#include "editor/shell/trees/item_names.h"
#include "editor/shell/main_frame.h"
#include "model/twf_skin.h"
#include "editor/shell/runtime_link.h"
#include "resources/select_style_dialog_ids.h"
#include "tools/skinshot/window_png.h"

namespace {

constexpr int kScriptError = 3;

constexpr char kUsage[] =
    "usage: editorscript SCRIPT\n"
    "Runs the editor and the script's lines, one command a line (arguments\n"
    "with blanks in double quotes):\n"
    "  answer yes|no|cancel|ok      queue the answer to the next message box\n"
    "  file PATH [FILTER] | file cancel   queue the next file dialog's answer\n"
    "  name TEXT [KIND]             queue the next item-name dialog's answer\n"
    "  scheme TEXT | scheme cancel  queue the next colour-scheme choice of a\n"
    "                               visual-style import (the item as listed)\n"
    "  command ID                   run a command as the frame routes it;\n"
    "                               a disabled one prints \"disabled ID\"\n"
    "  select default|custom|userdata PATH   select a tree item (texts below\n"
    "                               the root, '/'-joined)\n"
    "  type PATH TEXT               type into a property row's editor\n"
    "  key KEYS                     press keys: [Ctrl+][Shift+][Alt+]NAME, NAME\n"
    "                               a letter, a digit, F1-F12, Space, Enter,\n"
    "                               Escape, Delete, Tab, Up, Down, Left, Right,\n"
    "                               Period, Comma\n"
    "  dump-trees                   print the trees, an item a line, indented,\n"
    "                               with its kind (and on/off for a check box)\n"
    "  dump-grid                    print each row the property grid shows\n"
    "                               whole: 'row N label L T R B value L T R B\n"
    "                               | LABEL | VALUE', cells in the Properties\n"
    "                               pane's client pixels (as `shot properties`)\n"
    "  shot PANE OUT.png            once the editor is idle, write the client\n"
    "                               area of PANE (properties, options, view) or\n"
    "                               the whole frame (frame) as a PNG\n"
    "Prints 'message \"TEXT\" -> ANSWER' for every message box, 'scheme \"TEXT\" ->\n"
    "ok|cancel' for every scheme choice, and at the end\n"
    "'caption \"...\"', 'modified 0|1' and 'recent \"...\"...'.\n"
    "Exit code 0; 3 on a script error or a box or dialog with no answer queued.\n";

std::string Utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::wstring Wide(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

void Print(const std::wstring& line) {
    std::string s = Utf8(line) + "\n";
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fflush(stdout);
}

// Quotes and escapes a text for an output line.
std::wstring Quoted(const std::wstring& text) {
    std::wstring q = L"\"";
    for (wchar_t c : text) {
        if (c == L'"') q += L'\\';
        if (c == L'\n')
            q += L"\\n";
        else if (c != L'\r')
            q += c;
    }
    return q + L"\"";
}

// Splits a line at blanks; double quotes group (no escapes: paths keep
// their backslashes).
std::optional<std::vector<std::wstring>> Split(const std::wstring& line) {
    std::vector<std::wstring> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
        if (i >= line.size()) break;
        std::wstring word;
        if (line[i] == L'"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == L'"') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    word += line[i++];
                }
            }
            if (!closed) return std::nullopt;
        } else {
            while (i < line.size() && line[i] != L' ' && line[i] != L'\t') word += line[i++];
        }
        out.push_back(word);
    }
    return out;
}

struct Script {
    std::deque<int> answers;
    std::deque<std::optional<hexmoor::fw::FileDialogResult>> files;
    // Each answer to an item-name dialog: the name and the kind's list text
    // or element type ("" when none was given).
    std::deque<std::pair<std::wstring, std::wstring>> names;
    // Each answer to the colour-scheme choice: the item's text, or none to
    // cancel.
    std::deque<std::optional<std::wstring>> schemes;
    bool failed = false;
};

// The colour-scheme choice of a visual-style import is a modal dialog of its
// own: a timer, which runs inside its modal loop, answers it from the script.
Script* g_schemeScript = nullptr;

void CALLBACK AnswerSchemeChoice(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"Select style");
    DWORD process = 0;
    if (!g_schemeScript || !dialog || !IsWindowVisible(dialog)) return;
    GetWindowThreadProcessId(dialog, &process);
    if (process != GetCurrentProcessId()) return;
    Script& script = *g_schemeScript;
    auto command = [&](int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };
    if (script.schemes.empty()) {
        Print(L"scheme -> none");
        script.failed = true;
        command(IDCANCEL);
        return;
    }
    const std::optional<std::wstring> answer = script.schemes.front();
    script.schemes.pop_front();
    HWND list = GetDlgItem(dialog, IDC_STYLE_SCHEMES);
    const LRESULT item = answer ? SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(answer->c_str()))
                                : LB_ERR;
    if (!answer || item == LB_ERR) {
        Print(L"scheme " + (answer ? Quoted(*answer) : std::wstring(L"cancel")) + L" -> cancel");
        command(IDCANCEL);
        return;
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    Print(L"scheme " + Quoted(*answer) + L" -> ok");
    command(IDOK);
}

const wchar_t* AnswerName(int a) {
    switch (a) {
    case IDYES: return L"yes";
    case IDNO: return L"no";
    case IDCANCEL: return L"cancel";
    default: return L"ok";
    }
}

struct ScriptedMessages : hexmoor::fw::MessageBoxService {
    Script& script;
    explicit ScriptedMessages(Script& s) : script(s) {}
    int Show(HWND, const std::wstring& text, const std::wstring&, UINT) override {
        if (script.answers.empty()) {
            Print(L"message " + Quoted(text) + L" -> none");
            script.failed = true;
            return IDCANCEL;
        }
        int a = script.answers.front();
        script.answers.pop_front();
        Print(L"message " + Quoted(text) + L" -> " + AnswerName(a));
        return a;
    }
};

struct ScriptedFiles : hexmoor::fw::FileDialogService {
    Script& script;
    explicit ScriptedFiles(Script& s) : script(s) {}
    std::optional<hexmoor::fw::FileDialogResult> Show(HWND, const hexmoor::fw::FileDialogRequest& request) override {
        if (script.files.empty()) {
            Print(L"dialog " + Quoted(request.title) + L" -> none");
            script.failed = true;
            return std::nullopt;
        }
        auto f = script.files.front();
        script.files.pop_front();
        auto r = f;
        // A path without an extension gets the dialog's default one, as the
        // system dialog adds it.
        if (r && !request.defaultExtension.empty()) {
            auto slash = r->path.find_last_of(L"\\/");
            auto dot = r->path.find_last_of(L'.');
            if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
                r->path += L"." + request.defaultExtension;
        }
        Print(L"dialog " + Quoted(request.title) + L" -> " + (r ? Quoted(r->path) : std::wstring(L"cancel")));
        return r;
    }
};

struct ScriptedNames : hexmoor::shell::ItemNameService {
    Script& script;
    explicit ScriptedNames(Script& s) : script(s) {}
    std::optional<hexmoor::shell::ItemNameAnswer> Ask(HWND, int mode, const std::wstring&, HIMAGELIST) override {
        if (script.names.empty()) {
            Print(L"name -> none");
            script.failed = true;
            return std::nullopt;
        }
        auto [name, kind] = script.names.front();
        script.names.pop_front();
        hexmoor::shell::ItemNameAnswer answer{name, 0};
        // The kind by its list text or its element type, as the dialog's
        // list offers it.
        for (const auto& k : hexmoor::shell::CustomControlKinds())
            if (kind == k.text || (!kind.empty() && _wtoi(kind.c_str()) == k.elementType))
                answer.elementType = k.elementType;
        // The dialog refuses what it refuses: the script's answer then
        // counts as a cancel.
        const bool accepted = hexmoor::shell::IsValidItemName(name) && (mode != 1 || answer.elementType != 0);
        Print(L"name " + Quoted(name) + (mode == 1 ? L" " + Quoted(kind) : std::wstring()) + L" -> " +
              (accepted ? L"ok" : L"refused"));
        if (!accepted) return std::nullopt;
        return answer;
    }
};

struct NoShell : hexmoor::fw::ShellService {
    void Open(const std::wstring& target) override { Print(L"shell " + Quoted(target)); }
};

std::optional<UINT> KeyCode(const std::wstring& name) {
    if (name.size() == 1) {
        wchar_t c = name[0];
        if (c >= L'a' && c <= L'z') return static_cast<UINT>(c - L'a' + 'A');
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return static_cast<UINT>(c);
    }
    if (name.size() >= 2 && name[0] == L'F') {
        int n = _wtoi(name.c_str() + 1);
        if (n >= 1 && n <= 12) return static_cast<UINT>(VK_F1 + n - 1);
    }
    const struct {
        const wchar_t* name;
        UINT vk;
    } named[] = {{L"Space", VK_SPACE},       {L"Enter", VK_RETURN},   {L"Escape", VK_ESCAPE},
                 {L"Delete", VK_DELETE},     {L"Tab", VK_TAB},        {L"Up", VK_UP},
                 {L"Down", VK_DOWN},         {L"Left", VK_LEFT},      {L"Right", VK_RIGHT},
                 {L"Period", VK_OEM_PERIOD}, {L"Comma", VK_OEM_COMMA}};
    for (const auto& n : named)
        if (name == n.name) return n.vk;
    return std::nullopt;
}

class Runner {
public:
    Runner(hexmoor::shell::CHexmoorApp& app, Script& script) : app_(app), script_(script) {}

    // False on a script error (reported on standard error).
    bool Run(const std::vector<std::wstring>& w) {
        const std::wstring& verb = w[0];
        if (verb == L"answer" && w.size() == 2) {
            const std::wstring& a = w[1];
            int id = a == L"yes" ? IDYES : a == L"no" ? IDNO : a == L"cancel" ? IDCANCEL : a == L"ok" ? IDOK : 0;
            if (!id) return Error(L"answer: yes, no, cancel or ok");
            script_.answers.push_back(id);
            return true;
        }
        if (verb == L"file" && (w.size() == 2 || w.size() == 3)) {
            if (w[1] == L"cancel" && w.size() == 2) {
                script_.files.push_back(std::nullopt);
                return true;
            }
            int filter = w.size() == 3 ? _wtoi(w[2].c_str()) : 1;
            script_.files.push_back(hexmoor::fw::FileDialogResult{w[1], filter < 1 ? 1 : filter});
            return true;
        }
        if (verb == L"scheme" && w.size() == 2) {
            script_.schemes.push_back(w[1] == L"cancel" ? std::nullopt : std::optional<std::wstring>(w[1]));
            return true;
        }
        if (verb == L"name" && (w.size() == 2 || w.size() == 3)) {
            script_.names.push_back({w[1], w.size() == 3 ? w[2] : std::wstring()});
            return true;
        }
        if (verb == L"command" && w.size() == 2) {
            UINT id = static_cast<UINT>(_wtoi(w[1].c_str()));
            if (!id) return Error(L"command: a number");
            HWND start = GetFocus();
            if (!app_.Frame()->QueryCommand(id, start).enabled) {
                Print(L"disabled " + w[1]);
                return true;
            }
            app_.Frame()->RunCommand(id, start);
            Pump();
            return true;
        }
        if (verb == L"select" && w.size() == 3) {
            hexmoor::shell::CPanelTree* panel = w[1] == L"default"    ? app_.Frame()->DefaultControls()
                                                : w[1] == L"custom"   ? app_.Frame()->CustomControls()
                                                : w[1] == L"userdata" ? app_.Frame()->UserData()
                                                                      : nullptr;
            if (!panel || !panel->Model()) return Error(L"select: default, custom or userdata");
            hexmoor::shell::TreeHandle item = panel->Model()->Find(w[2]);
            if (!item) return Error(L"select: no item " + w[2]);
            SetFocus(panel->Tree());
            TreeView_SelectItem(panel->Tree(), hexmoor::shell::TreeViewStore::ToItem(item));
            Pump();
            return true;
        }
        if (verb == L"type" && w.size() == 3) return Type(w[1], w[2]);
        if (verb == L"shot" && w.size() == 3) return Shot(w[1], w[2]);
        if (verb == L"key" && w.size() == 2) return Key(w[1]);
        if (verb == L"dump-grid" && w.size() == 1) return DumpGrid();
        if (verb == L"dump-trees" && w.size() == 1) {
            const struct {
                const wchar_t* name;
                hexmoor::shell::CPanelTree* panel;
            } trees[] = {{L"default", app_.Frame()->DefaultControls()},
                         {L"custom", app_.Frame()->CustomControls()},
                         {L"userdata", app_.Frame()->UserData()}};
            for (const auto& t : trees) {
                Print(std::wstring(L"tree ") + t.name);
                if (t.panel && t.panel->Model())
                    for (const std::wstring& line : t.panel->Model()->Dump()) Print(L"  " + line);
            }
            return true;
        }
        return Error(L"unknown or malformed line: " + verb);
    }

    void Pump() { app_.RunPending(); }

private:
    bool Error(const std::wstring& text) {
        std::fputs((Utf8(text) + "\n").c_str(), stderr);
        return false;
    }

    // Selects the row at path in the property grid, types text into the
    // editor that opens (an edit, a choice's drop-down, the colour
    // drop-down; a "..." button's file dialog gets the text as its file)
    // and leaves it, as a user does.
    bool Type(const std::wstring& path, const std::wstring& text) {
        hexmoor::shell::CPanelProperties* panel = app_.Frame()->Properties();
        hexmoor::links::CPropertyList* grid = panel ? panel->Grid() : nullptr;
        if (!grid || !grid->Handle() || !hexmoor::links::Links().current)
            return Error(L"type: no element's page is shown");
        const int line = hexmoor::links::FindPathLine(grid->Model(), path);
        if (line < 0) return Error(L"type: no row " + path);
        SetFocus(grid->Handle());
        SendMessageW(grid->Handle(), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        grid->OnSelchange();
        switch (grid->Model().OpenEditor()) {
        case hexmoor::links::EditorKind::kEdit: SetWindowTextW(grid->EditWindow(), text.c_str()); break;
        case hexmoor::links::EditorKind::kChoice: {
            HWND combo = grid->ChoiceWindow();
            const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(text.c_str()));
            if (index == CB_ERR) return Error(L"type: " + text + L" is not a choice of " + path);
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageW(grid->Handle(), WM_COMMAND, MAKEWPARAM(IDC_GRID_CHOICE, CBN_SELENDOK),
                         reinterpret_cast<LPARAM>(combo));
            break;
        }
        case hexmoor::links::EditorKind::kColor:
            grid->Model().SetSelectedColor(
                hexmoor::links::ParseColorText(text, text.find(L"RGB") == std::wstring::npos));
            break;
        case hexmoor::links::EditorKind::kButton:
            // An image, region or file row: its "..." button's file dialog
            // takes the text as the file chosen.
            script_.files.push_front(hexmoor::fw::FileDialogResult{text, 1});
            grid->OnPropertyButton();
            if (!script_.files.empty() && script_.files.front() && script_.files.front()->path == text) {
                script_.files.pop_front();
                return Error(L"type: row " + path + L" asked for no file");
            }
            break;
        default: return Error(L"type: row " + path + L" has no text editor");
        }
        // Leaving the editor commits it.
        SetFocus(app_.Frame()->Handle());
        SetFocus(grid->Handle());
        Pump();
        return true;
    }

    // Writes what a pane shows once every queued message has run and every
    // window has painted.
    bool Shot(const std::wstring& pane, const std::wstring& out) {
        hexmoor::shell::CMainFrame* frame = app_.Frame();
        HWND target = nullptr;
        const bool whole = pane == L"frame";
        if (pane == L"properties" && frame->Properties())
            target = frame->Properties()->Handle();
        else if (pane == L"options" && frame->Options())
            target = frame->Options()->Handle();
        else if (pane == L"view")
            target = frame->View();
        else if (whole)
            target = frame->Handle();
        else
            return Error(L"shot: properties, options, view or frame");
        if (!target || !IsWindowVisible(target)) return Error(L"shot: " + pane + L" is not shown");
        Pump();
        RedrawWindow(frame->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
        Pump();
        RECT r{};
        if (whole)
            GetWindowRect(target, &r);
        else
            GetClientRect(target, &r);
        Sheet sheet(r.right - r.left, r.bottom - r.top);
        if (!sheet.Valid()) return Error(L"shot: " + pane + L" has no area");
        if (whole) {
            sheet.CopyWindow(target, 0, 0);
        } else {
            hexmoor::win::WindowDC client(target);
            BitBlt(sheet.DC(), 0, 0, r.right - r.left, r.bottom - r.top, client.Get(), 0, 0, SRCCOPY);
        }
        if (!sheet.WritePng(out)) return Error(L"shot: cannot write " + out);
        return true;
    }

    // Prints the rows the grid shows whole, with their label and value
    // cells where the Properties pane's picture has them.
    bool DumpGrid() {
        hexmoor::shell::CPanelProperties* panel = app_.Frame()->Properties();
        hexmoor::links::CPropertyList* grid = panel ? panel->Grid() : nullptr;
        if (!grid || !grid->Handle() || !IsWindowVisible(grid->Handle())) return Error(L"dump-grid: no grid shown");
        Pump();
        RECT client{};
        GetClientRect(grid->Handle(), &client);
        const auto text = [](const RECT& r) {
            return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right) + L" " +
                   std::to_wstring(r.bottom);
        };
        for (int i = 0; i < grid->Model().Count(); ++i) {
            const hexmoor::links::CPropertyItem* row = grid->Model().Item(i);
            RECT item{};
            if (!row || SendMessageW(grid->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(i),
                                     reinterpret_cast<LPARAM>(&item)) == LB_ERR)
                continue;
            if (item.top < client.top || item.bottom > client.bottom) continue;
            const int divider = hexmoor::links::DividerOrDefault(grid->Divider(), item);
            RECT cells[2] = {hexmoor::links::LabelCell(item, divider), hexmoor::links::ValueCell(item, divider)};
            MapWindowPoints(grid->Handle(), panel->Handle(), reinterpret_cast<POINT*>(cells), 4);
            Print(L"row " + std::to_wstring(i) + L" label " + text(cells[0]) + L" value " + text(cells[1]) + L" | " +
                  row->Label() + L" | " + row->Value());
        }
        return true;
    }

    bool Key(const std::wstring& keys) {
        std::wstring rest = keys;
        std::vector<UINT> mods;
        for (const auto& [prefix, vk] : {std::pair{L"Ctrl+", VK_CONTROL}, {L"Shift+", VK_SHIFT}, {L"Alt+", VK_MENU}}) {
            std::wstring p = prefix;
            if (rest.compare(0, p.size(), p) == 0) {
                mods.push_back(static_cast<UINT>(vk));
                rest = rest.substr(p.size());
            }
        }
        auto vk = KeyCode(rest);
        if (!vk) return Error(L"key: unknown key " + keys);
        std::vector<INPUT> inputs;
        auto add = [&](UINT code, bool up) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = static_cast<WORD>(code);
            in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(in);
        };
        for (UINT m : mods) add(m, false);
        add(*vk, false);
        add(*vk, true);
        for (auto it = mods.rbegin(); it != mods.rend(); ++it) add(*it, true);
        SetForegroundWindow(app_.Frame()->Handle());
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        for (int i = 0; i < 5; ++i) {
            Sleep(20);
            Pump();
        }
        return true;
    }

    hexmoor::shell::CHexmoorApp& app_;
    Script& script_;
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return kScriptError;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "editorscript: cannot read %s\n", Utf8(argv[1]).c_str());
        return kScriptError;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::vector<std::wstring>> lines;
    {
        std::istringstream ss(text);
        std::string raw;
        int number = 0;
        while (std::getline(ss, raw)) {
            ++number;
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();
            auto words = Split(Wide(raw));
            if (!words) {
                std::fprintf(stderr, "editorscript: line %d: unclosed quote\n", number);
                return kScriptError;
            }
            if (words->empty() || (*words)[0][0] == L'#') continue;
            lines.push_back(*words);
        }
    }

    Script script;
    int code = 0;
    {
        hexmoor::shell::CHexmoorApp app;
        app.SetMessages(std::make_unique<ScriptedMessages>(script));
        app.SetFileDialogs(std::make_unique<ScriptedFiles>(script));
        app.SetShell(std::make_unique<NoShell>());
        hexmoor::shell::SetItemNames(std::make_unique<ScriptedNames>(script));
        if (!app.InitInstance({})) {
            std::fputs("editorscript: the editor did not start\n", stderr);
            return kScriptError;
        }
        // The start dialog stays out of the way of the script.
        if (app.StartDialog() && app.StartDialog()->Handle()) ShowWindow(app.StartDialog()->Handle(), SW_HIDE);
        Runner runner(app, script);
        g_schemeScript = &script;
        const UINT_PTR schemeTimer = SetTimer(nullptr, 0, 20, &AnswerSchemeChoice);
        runner.Pump();
        for (const auto& words : lines) {
            if (!runner.Run(words)) {
                code = kScriptError;
                break;
            }
            if (script.failed) {
                code = kScriptError;
                break;
            }
        }
        KillTimer(nullptr, schemeTimer);
        g_schemeScript = nullptr;
        wchar_t caption[512]{};
        GetWindowTextW(app.Frame()->Handle(), caption, 512);
        Print(L"caption " + Quoted(caption));
        Print(std::wstring(L"modified ") + (hexmoor::shell::Editor().documentModified ? L"1" : L"0"));
        std::wstring recent = L"recent";
        for (const std::wstring& r : app.RecentFiles().Entries()) recent += L" " + Quoted(r);
        Print(recent);
        // Leave without the closing questions: the script has had its say.
        hexmoor::shell::Editor().documentModified = false;
        if (app.Frame() && app.Frame()->Handle()) DestroyWindow(app.Frame()->Handle());
        runner.Pump();
        app.ExitInstance(0);
    }
    hexmoor::shell::SetItemNames(nullptr);
    return code;
}
