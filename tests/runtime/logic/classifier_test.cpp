// The classifier as a function of class name, style, role and host kind,
// and the table of roles the system's own proxies report.
#include <gtest/gtest.h>

#include "runtime/logic/classifier.h"
#include "runtime/logic/control_types.h"

using namespace hexmoor::rt;

namespace {

struct Case {
    const char* className;
    std::uint32_t style;
    std::optional<long> role;
    int hostKind;
    int expected;
};

int Classify(const Case& c, bool square = false, bool* asked = nullptr) {
    WindowFacts f;
    f.className = c.className;
    f.style = c.style;
    f.hostKind = c.hostKind;
    f.clientIs30000Square = square;
    return ClassifyWindow(f, [&] {
        if (asked) *asked = true;
        return c.role;
    });
}

} // namespace

TEST(Classifier, RoleTable) {
    const Case cases[] = {
        {"Button", 0, 43, 0, ctype::kButton},
        {"Button", 0, 44, 0, ctype::kCheckBox},
        {"Button", 0x1000, 44, 0, ctype::kCheckButton}, // push-like check box
        {"Button", 0, 45, 0, ctype::kRadio},
        {"Button", 0x1000, 45, 0, ctype::kCheckButton}, // push-like radio
        {"#32770", 0, 18, 0, ctype::kDialog},
        {"MsiDialogCloseClass", 0, 9, 0, ctype::kDialog},
        {"ComboBox", 0, 46, 0, ctype::kComboBox},
        {"Edit", 0, 42, 0, ctype::kEdit},
        {"RichEdit20W", 0, 42, 0, ctype::kRichEdit},
        {"RICHEDIT", 0, 42, 0, ctype::kRichEdit},
        {"WindowsForms10.RichEdit20W.app.0", 0, 42, 1, ctype::kRichEdit},
        {"RichEdit20A", 0, 42, 0, ctype::kEdit},
        {"Whatever", 0, 26, 0, ctype::kHeader},
        {"tooltips_class32", 0, 13, 0, ctype::kToolTip},
        {"SysHeader32", 0, 33, 0, ctype::kHeader},
        {"SysListView32", 0, 33, 0, ctype::kListView},
        {"ComboLBox", 0, 33, 0, ctype::kListBox},
        {"SysTreeView32", 0, 35, 0, ctype::kTree},
        {"Static", 0x0B, 41, 0, ctype::kWindow}, // SS_SIMPLE
        {"Static", 0x00, 41, 0, ctype::kStaticText},
        {"Static", 0x03, 40, 0, ctype::kStaticIcon},
        {"Bar", 0, 22, 0, ctype::kToolBar},
        {"msctls_updown32", 0, 52, 0, ctype::kSpin},
        {"ScrollBar", 0, 3, 0, ctype::kScrollBar},
        {"ScrollBar", 0x10, 4, 0, ctype::kGrip},
        {"Button", 7, 20, 0, ctype::kGroupBox},
        {"SysTabControl32", 0, 60, 0, ctype::kTab},
        {"msctls_progress32", 0, 48, 0, ctype::kProgress},
        {"msctls_trackbar32", 0, 51, 0, ctype::kSlider},
        {"msctls_statusbar32", 0, 23, 0, ctype::kStatusBar},
        {"Page", 0, 38, 0, ctype::kDialog},
        {"#32768", 0, 11, 0, ctype::kMenu},
        {"SysDateTimePick32", 0, 9, 0, ctype::kDateTime},
        {"SysCredential", 0, 9, 0, ctype::kTransparent},
        {"Other", 0, 9, 0, ctype::kWindow},
    };
    for (const Case& c : cases) EXPECT_EQ(Classify(c), c.expected) << c.className << " role " << c.role.value_or(-1);
}

TEST(Classifier, ClientRoleClassRules) {
    const Case cases[] = {
        {"SysDateTimePick32", 0, 10, 0, ctype::kDateTime},
        {"DTPicker20WndClass", 0, 10, 0, ctype::kDateTime},
        {"SysMonthCal32", 0, 10, 0, ctype::kMonthCal},
        {"TFormMain", 0, 10, 3, ctype::kDialog},
        {"ThunderRT6FormDC", 0, 10, 2, ctype::kDialog},
        {"Slider20WndClass", 0, 10, 2, ctype::kSlider},
        {"Slider20WndClass", 0, 10, 0, ctype::kNever},
        {"TGroupBox", 0, 10, 3, ctype::kGroupBox},
        {"TGroupBox", 0, 10, 0, ctype::kNever},
        {"StatusBar20WndClass", 0, 10, 0, ctype::kStatusBar},
        {"WindowsForms10.Window.8.app", 0, 10, 1, ctype::kNever},
        {"TreeView20WndClass", 0, 10, 0, ctype::kTree},
        {"ListView20WndClass", 0, 10, 0, ctype::kListView},
        {"msvb_lib_toolbar", 0, 10, 2, ctype::kToolBar},
        {"VBBubbleRT6", 0, 10, 2, ctype::kToolTip},
        {"msvb_lib_header", 0, 10, 2, ctype::kHeader},
        {"MDIClient", 0, 10, 0, ctype::kMdiClient},
        {"WindowsForms10.MDICLIENT.app", 0, 10, 1, ctype::kMdiClient},
        {"WindowsForms10.MDICLIENT.app", 0, 10, 0, ctype::kNever},
        {"AfxMDIFrame42", 0, 10, 0, ctype::kSplitter},
        {"HexmoorSplitter", 0, 10, 0, ctype::kSplitter},
        {"ProgressBar20WndClass", 0, 10, 2, ctype::kProgress},
        {"SHBrowseForFolder ShellNameSpace Control", 0, 10, 0, ctype::kTransparent},
        {"UpDown20WndClass", 0, 10, 2, ctype::kSpin},
        {"Qt QTIdle: 5", 0, 10, 0, ctype::kNever},
        {"Qt qtidle: 5", 0, 10, 0, ctype::kWindow}, // the substring is case-sensitive
        {"AnyWindow", 0, 10, 0, ctype::kWindow},
    };
    for (const Case& c : cases) EXPECT_EQ(Classify(c), c.expected) << c.className << " host " << c.hostKind;
}

TEST(Classifier, DecisionsMadeBeforeTheRoleIsAsked) {
    struct Early {
        Case c;
        bool asks;
    } cases[] = {
        {{"IME", 0, 10, 0, ctype::kNever}, false},
        {{"msctfime ui", 0, 10, 0, ctype::kNever}, false},
        {{".NET-BroadcastEventWindow.2.0", 0, 10, 0, ctype::kNever}, false},
        {{"wndclass_desked_gsk", 0, 10, 2, ctype::kNever}, false},
        {{"ToolbarWindow32", 0, std::nullopt, 0, ctype::kToolBar}, false},
        {{"ListBox", 0, std::nullopt, 0, ctype::kListBox}, false},
        // Other letter case misses the exact rule and goes by role.
        {{"toolbarwindow32", 0, 22, 0, ctype::kToolBar}, true},
        {{"listbox", 0, std::nullopt, 0, ctype::kNever}, true},
        // No accessible object: never skinned.
        {{"Button", 0, std::nullopt, 0, ctype::kNever}, true},
        {{"TWAlphaLayeredWindow", 0, 10, 0, ctype::kLayered}, true},
    };
    for (const auto& e : cases) {
        bool asked = false;
        EXPECT_EQ(Classify(e.c, false, &asked), e.c.expected) << e.c.className;
        EXPECT_EQ(asked, e.asks) << e.c.className;
    }
}

TEST(Classifier, VisualBasicDesignerChildrenAndSquareListViews) {
    WindowFacts f;
    f.className = "Button";
    f.hostKind = 2;
    f.topLevelIsVbDesigner = true;
    EXPECT_EQ(ClassifyWindow(f, [] { return std::optional<long>(43); }), ctype::kNever);
    f.hostKind = 0;
    EXPECT_EQ(ClassifyWindow(f, [] { return std::optional<long>(43); }), ctype::kButton);

    EXPECT_EQ(Classify({"SysListView32", 0, 33, 0, 0}, true), ctype::kWindow);
    EXPECT_EQ(Classify({"WindowsForms10.SysListView32.app", 0, 33, 1, 0}, false), ctype::kListView);
}

TEST(KnownSystemRole, StandardClassesGetTheirProxyRoles) {
    struct Row {
        const char* className;
        std::uint32_t style;
        std::optional<long> role;
    } rows[] = {
        {"Button", 0x0, 43},
        {"Button", 0x1, 43},
        {"Button", 0xB, 43},
        {"Button", 0x2, 44},
        {"Button", 0x3, 44},
        {"Button", 0x5, 44},
        {"Button", 0x6, 44},
        {"Button", 0x4, 45},
        {"Button", 0x9, 45},
        {"Button", 0x7, 20},
        {"BUTTON", 0x1003, 44},
        {"Static", 0x0, 41},
        {"Static", 0x1, 41},
        {"Static", 0x3, 40},
        {"Static", 0xE, 40},
        {"Static", 0x4, 40},  // SS_BLACKRECT
        {"Static", 0x9, 40},  // SS_WHITEFRAME
        {"Static", 0x10, 40}, // SS_ETCHEDHORZ
        {"Static", 0x12, 40}, // SS_ETCHEDFRAME
        {"Static", 0xC, 41},  // SS_LEFTNOWORDWRAP
        {"Static", 0xD, 41},  // SS_OWNERDRAW
        {"ComboBox", 0, 46},
        {"ListBox", 0, 33},
        {"ComboLBox", 0, 33},
        {"SysListView32", 0, 33},
        {"ScrollBar", 0, 3},
        {"ScrollBar", 0x1, 3},
        {"ScrollBar", 0x8, 4},
        {"ScrollBar", 0x10, 4},
        {"#32770", 0, 18},
        {"#32768", 0, 11},
        {"msctls_statusbar32", 0, 23},
        {"ToolbarWindow32", 0, 22},
        {"msctls_progress32", 0, 48},
        {"SysTabControl32", 0, 60},
        {"msctls_trackbar32", 0, 51},
        {"SysTreeView32", 0, 35},
        {"msctls_updown32", 0, 52},
        {"tooltips_class32", 0, 13},
        {"Edit", 0, 42},
        {"SysDateTimePick32", 0, std::nullopt},
        {"MyOwnClass", 0, std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(KnownSystemRole(r.className, r.style), r.role) << r.className << " " << r.style;
}

TEST(Classifier, EveryStandardControlOfTheTestDialogGetsItsKind) {
    // Class name and style as the test dialog creates them, role from the
    // proxy table: none may end up a plain window.
    struct Row {
        const char* className;
        std::uint32_t style;
        int expected;
    } rows[] = {
        {"Button", 0x0, ctype::kButton},
        {"Button", 0x3, ctype::kCheckBox},
        {"Button", 0x9, ctype::kRadio},
        {"Button", 0x1003, ctype::kCheckButton},
        {"Button", 0x7, ctype::kGroupBox},
        {"Static", 0x0, ctype::kStaticText},
        {"Static", 0x3, ctype::kStaticIcon},
        {"Static", 0x10, ctype::kStaticIcon}, // etched lines are drawn by the picture static
        {"Static", 0x11, ctype::kStaticIcon},
        {"Static", 0x7, ctype::kStaticIcon}, // and frames left to the system by it
        {"Edit", 0x0, ctype::kEdit},
        {"RichEdit20W", 0x0, ctype::kRichEdit},
        {"ComboBox", 0x2, ctype::kComboBox},
        {"ListBox", 0x0, ctype::kListBox},
        {"ScrollBar", 0x0, ctype::kScrollBar},
        {"ScrollBar", 0x10, ctype::kGrip},
        {"msctls_trackbar32", 0, ctype::kSlider},
        {"SysTabControl32", 0, ctype::kTab},
        {"ToolbarWindow32", 0, ctype::kToolBar},
        {"msctls_statusbar32", 0, ctype::kStatusBar},
        {"msctls_progress32", 0, ctype::kProgress},
        {"msctls_updown32", 0, ctype::kSpin},
        {"SysTreeView32", 0, ctype::kTree},
        {"SysListView32", 0, ctype::kListView},
        {"SysHeader32", 0, ctype::kHeader},
        {"SysDateTimePick32", 0, ctype::kDateTime},
        {"SysMonthCal32", 0, ctype::kMonthCal},
        {"#32770", 0, ctype::kDialog},
    };
    for (const Row& r : rows) {
        WindowFacts f;
        f.className = r.className;
        f.style = r.style;
        const int got = ClassifyWindow(f, [&] { return KnownSystemRole(r.className, r.style).value_or(10); });
        EXPECT_EQ(got, r.expected) << r.className << " " << r.style;
    }
}
