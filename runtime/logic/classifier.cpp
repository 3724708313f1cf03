#include "runtime/logic/classifier.h"

#include <array>

#include "runtime/logic/control_types.h"

namespace hexmoor::rt {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool IsAnyOf(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
        if (ClassNameIs(name, n)) return true;
    return false;
}

bool Exact(std::string_view name, std::string_view expected) { return name == expected; }
bool HasPrefix(std::string_view name, std::string_view prefix) { return name.substr(0, prefix.size()) == prefix; }

bool IsNeverSkinned(std::string_view name) {
    return IsAnyOf(name, {"IME", "MSCTFIME UI", "CicMarshalWndClass", "TWALPHAWINDOW", "CLIPBRDWNDCLASS"}) ||
           HasPrefix(name, ".NET-BroadcastEventWindow");
}

bool IsDateTimeClass(std::string_view name) {
    return IsAnyOf(name, {"SysDateTimePick32", "TDateTimePicker", "TreeViewWndClass"}) ||
           HasPrefix(name, "WindowsForms10.SysDateTimePick32");
}

bool IsListViewClass(std::string_view name) {
    return IsAnyOf(name, {"SysListView32", "TListView", "ListViewWndClass"}) ||
           HasPrefix(name, "WindowsForms10.SysListView32");
}

constexpr std::uint32_t kPushLike = 0x1000; // BS_PUSHLIKE
constexpr std::uint32_t kStaticTypeMask = 0x1F;
constexpr std::uint32_t kStaticSimple = 0x0B; // SS_SIMPLE

// Windows whose role is the plain client role: decided by class.
int ClassifyClientClass(const WindowFacts& f) {
    const std::string_view n = f.className;
    if (IsAnyOf(n, {"SysDateTimePick32", "TDateTimePicker", "TreeViewWndClass", "DTPicker20WndClass"}) ||
        HasPrefix(n, "WindowsForms10.SysDateTimePick32"))
        return ctype::kDateTime;
    if (IsAnyOf(n, {"SysMonthCal32", "MonthView20WndClass"}) || HasPrefix(n, "WindowsForms10.SysMonthCal32"))
        return ctype::kMonthCal;
    if (HasPrefix(n, "TForm") || IsAnyOf(n, {"ThunderFormDC", "ThunderRT6FormDC", "ThunderRT6Form"}))
        return ctype::kDialog;
    if (ClassNameIs(n, "Slider20WndClass")) return f.hostKind == host::kVisualBasic6 ? ctype::kSlider : ctype::kNever;
    if (ClassNameIs(n, "TGroupBox")) return f.hostKind == host::kDelphi ? ctype::kGroupBox : ctype::kNever;
    if (ClassNameIs(n, "StatusBar20WndClass")) return ctype::kStatusBar;
    if (HasPrefix(n, "WindowsForms10.Window.8")) return ctype::kNever;
    if (ClassNameIs(n, "TreeView20WndClass")) return ctype::kTree;
    if (ClassNameIs(n, "ListView20WndClass")) return ctype::kListView;
    if (ClassNameIs(n, "msvb_lib_toolbar")) return ctype::kToolBar;
    if (ClassNameIs(n, "VBBubbleRT6")) return ctype::kToolTip;
    if (ClassNameIs(n, "msvb_lib_header")) return ctype::kHeader;
    if (ClassNameIs(n, "MDIClient")) return ctype::kMdiClient;
    if (HasPrefix(n, "WindowsForms10.MDICLIENT"))
        return f.hostKind == host::kWinForms ? ctype::kMdiClient : ctype::kNever;
    if (ClassNameIs(n, "AfxMDIFrame42")) return ctype::kSplitter;
    if (ClassNameIs(n, kSplitterWindowClass)) return ctype::kSplitter;
    if (ClassNameIs(n, "ProgressBar20WndClass")) return ctype::kProgress;
    if (ClassNameIs(n, "SHBrowseForFolder ShellNameSpace Control")) return ctype::kTransparent;
    if (ClassNameIs(n, "UpDown20WndClass")) return ctype::kSpin;
    if (HasPrefix(n, "WindowsForms10.RichEdit20W")) return ctype::kRichEdit;
    if (n.find("QTIdle: ") != std::string_view::npos) return ctype::kNever;
    return ctype::kWindow;
}

int ClassifyByRole(const WindowFacts& f, long r) {
    const std::string_view n = f.className;
    switch (r) {
    case role::kPushButton: return ctype::kButton;
    case role::kCheckButton: return (f.style & kPushLike) ? ctype::kCheckButton : ctype::kCheckBox;
    case role::kRadioButton: return (f.style & kPushLike) ? ctype::kCheckButton : ctype::kRadio;
    case role::kDialog: return ctype::kDialog;
    default: break;
    }
    if (IsAnyOf(n, {"MsiDialogCloseClass", "MsiDialogNoCloseClass"})) return ctype::kDialog;
    switch (r) {
    case role::kComboBox: return ctype::kComboBox;
    case role::kText:
        return (IsAnyOf(n, {"RICHEDIT", "RichEdit20W"}) || HasPrefix(n, "WindowsForms10.RichEdit20W"))
                   ? ctype::kRichEdit
                   : ctype::kEdit;
    case role::kRowHeader: return ctype::kHeader;
    case role::kToolTip: return ctype::kToolTip;
    case role::kList:
        if (ClassNameIs(n, "SysHeader32")) return ctype::kHeader;
        if (IsListViewClass(n)) return f.clientIs30000Square ? ctype::kWindow : ctype::kListView;
        return ctype::kListBox;
    case role::kOutline: return ctype::kTree;
    case role::kStaticText: return (f.style & kStaticTypeMask) == kStaticSimple ? ctype::kWindow : ctype::kStaticText;
    case role::kGraphic: return ctype::kStaticIcon;
    case role::kToolBar: return ctype::kToolBar;
    case role::kSpinButton: return ctype::kSpin;
    case role::kScrollBar: return ctype::kScrollBar;
    case role::kGrip: return ctype::kGrip;
    case role::kGrouping: return ctype::kGroupBox;
    case role::kPageTabList: return ctype::kTab;
    case role::kProgressBar: return ctype::kProgress;
    case role::kSlider: return ctype::kSlider;
    case role::kStatusBar: return ctype::kStatusBar;
    case role::kPropertyPage: return ctype::kDialog;
    case role::kClient: return ClassifyClientClass(f);
    default: break;
    }
    if (IsDateTimeClass(n)) return ctype::kDateTime;
    if (ClassNameIs(n, "#32768")) return ctype::kMenu;
    if (ClassNameIs(n, "SysCredential")) return ctype::kTransparent;
    return ctype::kWindow;
}

} // namespace

bool ClassNameIs(std::string_view name, std::string_view expected) {
    if (name.size() != expected.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (Lower(name[i]) != Lower(expected[i])) return false;
    return true;
}

int ClassifyWindow(const WindowFacts& f, const RoleQuery& roleOf) {
    const std::string_view n = f.className;
    if (IsNeverSkinned(n)) return ctype::kNever;
    if (f.hostKind == host::kVisualBasic6 && (ClassNameIs(n, "wndclass_desked_gsk") || f.topLevelIsVbDesigner))
        return ctype::kNever;
    if (Exact(n, "ToolbarWindow32")) return ctype::kToolBar;
    if (Exact(n, "ListBox")) return ctype::kListBox;
    const std::optional<long> r = roleOf ? roleOf() : std::nullopt;
    if (!r) return ctype::kNever;
    if (Exact(n, "TWAlphaLayeredWindow")) return ctype::kLayered;
    return ClassifyByRole(f, *r);
}

std::optional<long> KnownSystemRole(std::string_view n, std::uint32_t style) {
    if (ClassNameIs(n, "Button")) {
        switch (style & 0x0F) { // BS_TYPEMASK
        case 0x2:
        case 0x3:
        case 0x5:
        case 0x6: return role::kCheckButton; // check boxes, three-state
        case 0x4:
        case 0x9: return role::kRadioButton; // radio buttons
        case 0x7: return role::kGrouping;    // group box
        default: return role::kPushButton;   // push, default push, user, owner-drawn, split, command link
        }
    }
    if (ClassNameIs(n, "Static")) {
        switch (style & kStaticTypeMask) {
        case 0x03:
        case 0x0E:
        case 0x0F: return role::kGraphic; // SS_ICON, SS_BITMAP, SS_ENHMETAFILE
        case 0x04:
        case 0x05:
        case 0x06:
        case 0x07:
        case 0x08:
        case 0x09:
        case 0x10:
        case 0x11:
        case 0x12: return role::kGraphic; // black, grey and white rectangles and frames, etched lines and frame
        default: return role::kStaticText;
        }
    }
    if (ClassNameIs(n, "ScrollBar")) return (style & 0x18) ? role::kGrip : role::kScrollBar; // size box or grip
    struct Entry {
        std::string_view name;
        long role;
    };
    static constexpr std::array<Entry, 19> kTable{{
        {"Edit", role::kText},
        {"RICHEDIT", role::kText},
        {"RichEdit20A", role::kText},
        {"RichEdit20W", role::kText},
        {"RICHEDIT50W", role::kText},
        {"ComboBox", role::kComboBox},
        {"ListBox", role::kList},
        {"ComboLBox", role::kList},
        {"SysListView32", role::kList},
        {"SysHeader32", role::kList},
        {"#32770", role::kDialog},
        {"#32768", role::kMenuPopup},
        {"msctls_statusbar32", role::kStatusBar},
        {"ToolbarWindow32", role::kToolBar},
        {"msctls_progress32", role::kProgressBar},
        {"SysTabControl32", role::kPageTabList},
        {"msctls_trackbar32", role::kSlider},
        {"SysTreeView32", role::kOutline},
        {"msctls_updown32", role::kSpinButton},
    }};
    for (const Entry& e : kTable)
        if (ClassNameIs(n, e.name)) return e.role;
    if (ClassNameIs(n, "tooltips_class32")) return role::kToolTip;
    return std::nullopt;
}

} // namespace hexmoor::rt
