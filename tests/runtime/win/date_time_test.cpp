// The skinned date-time picker: every colour and image id of its element in
// its own colour, each look reached through real messages, and the field the
// face highlights always the one the control edits.
#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "model/twf_obj.h"
#include "runtime/controls/date_time.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/date_time_fields.h"
#include "tests/harness/capture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "runtime/wnd/object_registry.h"
#include "tests/runtime/win/date_controls_fixture.h"

using namespace hexmoor::test;
namespace ctype = hexmoor::rt::ctype;

namespace {

using namespace hexmoor::test::dates;

SYSTEMTIME TimeOf(HWND picker) {
    SYSTEMTIME t{};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return t;
}

class DateTimeTest : public DateControlsTest {
protected:
    DateTimeTest() : DateControlsTest({40, 40, 420, 200}) {}
    void AddElements() override {
        for (int id : {405, 407, 409, 410, 411, 412, 413, 414, 415}) Skin().SolidImage(22, WORD(id), IdColour(id));
        CTwfObj* picker = Skin().Element(22);
        for (int id : {406, 408, 416, 417}) picker->SetColor(WORD(id), IdColour(id));
        for (int id : {678, 679, 680, 681}) picker->SetNumber(WORD(id), 3);
        for (int id : {258, 259, 260, 261, 263, 264, 265, 266, 277, 278, 279, 280, 282, 283, 284, 285})
            Skin().SolidImage(17, WORD(id), IdColour(id));
    }
    HWND AddPicker(DWORD style, int y = 10, const wchar_t* format = L"dd'.'MM'.'yyyy") {
        HWND picker =
            CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, y, 220, 26,
                            dialog_, reinterpret_cast<HMENU>(INT_PTR(next_++)), GetModuleHandleW(nullptr), nullptr);
        if (format) SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
        if (format) formats_.push_back({picker, format});
        SYSTEMTIME t = Date(2026, 6, 15, 10);
        SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
        return picker;
    }
    // The face learns a custom format from DTM_SETFORMAT once skinned: the
    // pickers' formats are set again.
    void SkinAll() {
        SkinDialog();
        for (const auto& [picker, format] : formats_)
            if (IsWindow(picker)) SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
        Repaint(dialog_);
    }
    static CTWDateTime* Object(HWND picker) { return dynamic_cast<CTWDateTime*>(GetSkinnedWindowObject(picker)); }
    int next_ = 1001;
    std::vector<std::pair<HWND, const wchar_t*>> formats_;
};

RECT ButtonBox(HWND picker) {
    RECT client{};
    GetClientRect(picker, &client);
    return {client.right - GetSystemMetrics(SM_CXVSCROLL), client.top, client.right, client.bottom};
}

} // namespace

TEST_F(DateTimeTest, FaceColoursNormalFocusedAndDisabled) {
    HWND picker = AddPicker(0);
    HWND other = AddPicker(0, 60);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(picker), ctype::kDateTime);
    SetFocus(other);
    Repaint(dialog_);
    RECT client{};
    GetClientRect(picker, &client);
    const RECT button = ButtonBox(picker);
    const RECT text{client.left, client.top, button.left, client.bottom};
    {
        RECT window{};
        GetWindowRect(picker, &window);
        EXPECT_EQ(window.right - window.left - client.right, 6) << "the skin's border widths";
        const PixelBuffer frame = CaptureWindow(picker);
        EXPECT_EQ(frame.At(1, 1) & 0xFFFFFF, IdColour(405) & 0xFFFFFF) << "border ring from the background";
        const PixelBuffer pixels = CaptureClient(picker);
        EXPECT_GT(CountIn(pixels, text, IdColour(405)), 0);
        EXPECT_GT(CountIn(pixels, text, IdColour(406)), 0) << "field text";
        EXPECT_EQ(Count(pixels, IdColour(416)), 0) << "no focused field while unfocused";
        EXPECT_EQ(CountIn(pixels, button, IdColour(413)), (button.right - button.left) * (button.bottom - button.top));
    }
    SetFocus(picker);
    Repaint(dialog_);
    {
        const PixelBuffer pixels = CaptureClient(picker);
        EXPECT_GT(CountIn(pixels, text, IdColour(416)), 0) << "focused field's fill";
        EXPECT_GT(CountIn(pixels, text, IdColour(417)), 0) << "focused field's text";
        EXPECT_GT(CountIn(pixels, text, IdColour(406)), 0) << "the other fields";
    }
    EnableWindow(picker, FALSE);
    Repaint(dialog_);
    {
        const PixelBuffer pixels = CaptureClient(picker);
        EXPECT_GT(CountIn(pixels, text, IdColour(407)), 0);
        EXPECT_EQ(Count(pixels, IdColour(405)), 0);
        EXPECT_GT(CountIn(pixels, text, IdColour(408)), 0) << "disabled text";
        EXPECT_EQ(Count(pixels, IdColour(406)) + Count(pixels, IdColour(417)) + Count(pixels, IdColour(416)), 0);
        EXPECT_EQ(CountIn(pixels, button, IdColour(415)), (button.right - button.left) * (button.bottom - button.top));
    }
}

TEST_F(DateTimeTest, CheckBoxFollowsTheDateAndTheWindowState) {
    HWND picker = AddPicker(DTS_SHOWNONE);
    SkinAll();
    RECT client{};
    GetClientRect(picker, &client);
    const RECT box{1, 1, 1 + (client.bottom - 2), client.bottom - 1};
    struct Case {
        bool date, enabled;
        int image;
    } cases[] = {{true, true, 409}, {false, true, 410}, {true, false, 411}, {false, false, 412}};
    for (const Case& c : cases) {
        SYSTEMTIME t = Date(2026, 6, 15, 10);
        SendMessageW(picker, DTM_SETSYSTEMTIME, c.date ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(&t));
        EnableWindow(picker, c.enabled);
        Repaint(dialog_);
        const PixelBuffer pixels = CaptureClient(picker);
        const long area = (box.right - box.left) * (box.bottom - box.top);
        EXPECT_GT(CountIn(pixels, box, IdColour(c.image)), area * 3 / 4) << "image " << c.image;
        if (!c.date) {
            EXPECT_GT(Count(pixels, IdColour(408)), 0) << "fields without a date";
            EXPECT_EQ(Count(pixels, IdColour(406)), 0);
        }
    }
}

TEST_F(DateTimeTest, ButtonPressedWhileHeldAndReleasedWhenDraggedOut) {
    HWND picker = AddPicker(0);
    SkinAll();
    const RECT button = ButtonBox(picker);
    const POINT in{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(in.x, in.y));
    PumpMessages();
    CTWDateTime* object = Object(picker);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetButtonState(), 1);
    EXPECT_GT(CountIn(CaptureClient(picker), button, IdColour(414)), 0);
    if (GetCapture() == picker) {
        SendMessageW(picker, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
        PumpMessages();
        EXPECT_EQ(object->GetButtonState(), 0);
        EXPECT_GT(CountIn(CaptureClient(picker), button, IdColour(413)), 0);
    }
    SendMessageW(picker, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages();
    EXPECT_EQ(object->GetButtonState(), 0);
    SendMessageW(picker, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
}

TEST_F(DateTimeTest, UpDownIsTheSkinnedSpinOverTheButtonArea) {
    HWND picker = AddPicker(DTS_UPDOWN);
    SkinAll();
    HWND spin = nullptr;
    for (HWND child = GetWindow(picker, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetSkinnedWindowType(child) == ctype::kSpin) spin = child;
    ASSERT_TRUE(spin) << "the up-down child is skinned";
    RECT spinBox{};
    GetWindowRect(spin, &spinBox);
    MapWindowPoints(nullptr, picker, reinterpret_cast<POINT*>(&spinBox), 2);
    const RECT button = ButtonBox(picker);
    EXPECT_EQ(spinBox.left, button.left);
    EXPECT_EQ(spinBox.right, button.right);
    const PixelBuffer pixels = CaptureClient(picker);
    EXPECT_EQ(CountIn(pixels, button, IdColour(413)), 0) << "no drop-down button under the spin";
    long arrows = 0;
    for (int id : {258, 263, 277, 282}) arrows += CountIn(pixels, button, IdColour(id));
    EXPECT_GT(arrows, 0) << "the spin's arrows";
}

// Which part of the date the control edits: the part its Up key changes
// (Down at the top of its range), put back after; 0 day, 1 month, 2 year,
// -1 none.
int EditedPart(HWND picker) {
    for (WPARAM key : {WPARAM(VK_UP), WPARAM(VK_DOWN)}) {
        const SYSTEMTIME before = TimeOf(picker);
        SendMessageW(picker, WM_KEYDOWN, key, 0);
        SendMessageW(picker, WM_KEYUP, key, 0);
        const SYSTEMTIME after = TimeOf(picker);
        SYSTEMTIME back = before;
        SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&back));
        if (after.wDay != before.wDay) return 0;
        if (after.wMonth != before.wMonth) return 1;
        if (after.wYear != before.wYear) return 2;
    }
    return -1;
}

// The format's runs: day 0, literal 1, month 2, literal 3, year 4.
int PartOfField(int field) { return field < 0 ? -1 : field / 2; }

TEST_F(DateTimeTest, PaintedFieldIsTheEditedOneAfterEveryKeyAndClick) {
    const HWND pickers[] = {AddPicker(0, 10), AddPicker(DTS_SHOWNONE, 60)};
    SkinAll();
    for (HWND picker : pickers) {
        SCOPED_TRACE(picker == pickers[0] ? "plain" : "with check box");
        SetFocus(picker);
        Repaint(dialog_);
        CTWDateTime* object = Object(picker);
        ASSERT_TRUE(object);
        ASSERT_EQ(object->GetFieldCount(), 5);
        EXPECT_EQ(PartOfField(object->GetFocusedField()), EditedPart(picker)) << "at the start";
        const WPARAM keys[] = {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT};
        int step = 0;
        for (WPARAM key : keys) {
            SendMessageW(picker, WM_KEYDOWN, key, 0);
            SendMessageW(picker, WM_KEYUP, key, 0);
            Repaint(dialog_);
            EXPECT_EQ(PartOfField(object->GetFocusedField()), EditedPart(picker))
                << "after key " << step << (key == VK_RIGHT ? " right" : " left");
            ++step;
        }
        for (int field : {4, 0, 2, 0}) {
            const RECT box = object->GetFieldBox(field);
            const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
            SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(picker, WM_LBUTTONUP, 0, at);
            Repaint(dialog_);
            EXPECT_EQ(object->GetFocusedField(), field);
            EXPECT_EQ(PartOfField(object->GetFocusedField()), EditedPart(picker)) << "after a click on " << field;
            const PixelBuffer pixels = CaptureClient(picker);
            EXPECT_GT(CountIn(pixels, box, IdColour(416)), 0) << "the clicked field is highlighted";
        }
    }
}

TEST_F(DateTimeTest, CustomFormatOfAnyLengthAndNullRestoresTheLocaleFormat) {
    HWND picker = AddPicker(0, 10, nullptr);
    SkinAll();
    CTWDateTime* object = Object(picker);
    ASSERT_TRUE(object);
    const int localeFields = object->GetFieldCount();
    // A quoted literal far longer than any fixed buffer, between two fields.
    const std::wstring longFormat = L"dd'" + std::wstring(600, L'x') + L"'yyyy";
    SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(longFormat.c_str()));
    EXPECT_EQ(object->GetCustomFormat(), longFormat);
    EXPECT_EQ(object->GetFieldCount(), 3);
    const std::string narrow = "MM'" + std::string(400, 'y') + "'dd";
    SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(narrow.c_str()));
    EXPECT_EQ(object->GetCustomFormat(), std::wstring(narrow.begin(), narrow.end()));
    EXPECT_EQ(object->GetFieldCount(), 3);
    for (UINT msg : {UINT(DTM_SETFORMATW), UINT(DTM_SETFORMATA)}) {
        SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"dd"));
        SendMessageW(picker, msg, 0, 0);
        EXPECT_FALSE(object->HasCustomFormat());
        EXPECT_EQ(object->GetFieldCount(), localeFields) << "the locale's format again";
    }
    Repaint(dialog_);
    EXPECT_GT(Count(CaptureClient(picker), IdColour(406)), 0);
}

namespace {
int g_dateChanges = 0;
LRESULT CALLBACK CountDateChanges(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lp)->code == UINT(DTN_DATETIMECHANGE)) ++g_dateChanges;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void Press(HWND picker, WPARAM key) {
    SendMessageW(picker, WM_KEYDOWN, key, 0);
    SendMessageW(picker, WM_KEYUP, key, 0);
}
} // namespace

// The locale's short date, the format of a picker without a custom one.
std::vector<hexmoor::rt::datetime::FormatRun> LocaleRuns() {
    wchar_t format[80]{};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format, 80);
    return hexmoor::rt::datetime::ParseFormat(format);
}

// The part of the date (0 day, 1 month, 2 year) that field `field` of the
// locale's short date shows; -1 none.
int LocalePart(int field) {
    const auto runs = LocaleRuns();
    if (field < 0 || field >= int(runs.size()) || runs[std::size_t(field)].kind != runs[0].kField) return -1;
    const wchar_t letter = runs[std::size_t(field)].text[0];
    return letter == L'd' ? 0 : letter == L'M' ? 1 : letter == L'y' ? 2 : -1;
}

// The index of the `stop`-th field of the locale's short date.
int LocaleField(int stop) {
    const auto runs = LocaleRuns();
    for (std::size_t i = 0; i < runs.size(); ++i)
        if (runs[i].kind == runs[i].kField && stop-- == 0) return int(i);
    return -1;
}

// Whatever moved the control's field before it was skinned, the face starts
// on that field, reading it changes no date the application sees, and keys
// keep both together.
TEST_F(DateTimeTest, PaintedFieldStartsOnTheFieldMovedBeforeSkinning) {
    ASSERT_EQ(LocaleField(2) >= 0 && LocaleField(3) < 0, true) << "a short date of three fields";
    struct Case {
        const char* what;
        std::vector<WPARAM> before;
        int stop; // the face's field once skinned, counted among the fields
        bool rangeEndsToday = false;
    } cases[] = {
        {"fresh", {}, 0},
        {"moved to the third field", {VK_RIGHT, VK_RIGHT, VK_RIGHT}, 2},
        {"moved to the second field", {VK_RIGHT, VK_RIGHT}, 1},
        {"moved several steps before the first field", {VK_RIGHT, VK_LEFT, VK_LEFT, VK_LEFT}, 0},
        {"on the second field at the top of its range", {VK_RIGHT, VK_RIGHT}, 1, true},
    };
    SetWindowSubclass(dialog_, &CountDateChanges, 1, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND picker = AddPicker(0, 10, nullptr);
        if (c.rangeEndsToday) {
            SYSTEMTIME range[2] = {Date(2000, 1, 1), Date(2026, 6, 15, 23)};
            SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
        }
        SetFocus(picker);
        for (WPARAM key : c.before) Press(picker, key);
        PumpMessages();
        g_dateChanges = 0;
        ApplySkinToWindow(dialog_, 1);
        ApplySkinToWindow(picker, 0);
        Repaint(dialog_);
        EXPECT_EQ(g_dateChanges, 0) << "reading the control's field notifies nobody";
        EXPECT_EQ(TimeOf(picker).wDay, 15);
        CTWDateTime* object = Object(picker);
        ASSERT_TRUE(object);
        EXPECT_EQ(object->GetFocusedField(), LocaleField(c.stop));
        EXPECT_EQ(LocalePart(object->GetFocusedField()), EditedPart(picker));
        EXPECT_GT(CountIn(CaptureClient(picker), object->GetFieldBox(object->GetFocusedField()), IdColour(416)), 0);
        for (WPARAM key : {VK_RIGHT, VK_LEFT, VK_LEFT}) {
            Press(picker, key);
            Repaint(dialog_);
            EXPECT_EQ(LocalePart(object->GetFocusedField()), EditedPart(picker));
        }
        DestroyWindow(picker);
    }
    RemoveWindowSubclass(dialog_, &CountDateChanges, 1);
}

// Moved while skinning was off, or dropped by the control when the focus
// left: the face and the control meet again.
TEST_F(DateTimeTest, PaintedFieldFollowsSkinningOffAndOnAndAFocusRoundTrip) {
    HWND picker = AddPicker(0, 10, nullptr);
    HWND other = AddPicker(0, 60);
    SkinAll();
    SetFocus(picker);
    Repaint(dialog_);
    CTWDateTime* object = Object(picker);
    ASSERT_TRUE(object);
    Press(picker, VK_RIGHT);
    Repaint(dialog_);
    ASSERT_EQ(object->GetFocusedField(), LocaleField(1));
    SetFocus(other);
    Repaint(dialog_);
    SetFocus(picker);
    Repaint(dialog_);
    EXPECT_EQ(object->GetFocusedField(), LocaleField(1)) << "the face keeps its field";
    EXPECT_EQ(EditedPart(picker), LocalePart(LocaleField(1))) << "and the control edits it again";
    EXPECT_GT(CountIn(CaptureClient(picker), object->GetFieldBox(LocaleField(1)), IdColour(416)), 0);

    DisableSkinning();
    PumpMessages();
    Press(picker, VK_RIGHT);
    ASSERT_EQ(EditedPart(picker), LocalePart(LocaleField(2))) << "the control moved on by itself";
    EnableSkinning();
    Repaint(dialog_);
    object = Object(picker);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetFocusedField(), LocaleField(2));
    EXPECT_EQ(EditedPart(picker), LocalePart(LocaleField(2)));
    EXPECT_GT(CountIn(CaptureClient(picker), object->GetFieldBox(LocaleField(2)), IdColour(416)), 0);
}

// While the drop-down calendar shows, keys go to it and no field is
// highlighted; once it closes the face shows the field the control edits
// (none, when the control took the drop-down's click as its place), and a
// click on a field brings both onto it.
TEST_F(DateTimeTest, DropDownClearsTheFieldUntilItClosesAndAClickChoosesAgain) {
    HWND picker = AddPicker(0, 10, nullptr);
    SkinAll();
    SetFocus(picker);
    Repaint(dialog_);
    CTWDateTime* object = Object(picker);
    ASSERT_TRUE(object);
    Press(picker, VK_RIGHT);
    Repaint(dialog_);
    ASSERT_EQ(object->GetFocusedField(), LocaleField(1));
    const RECT button = ButtonBox(picker);
    const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(picker, WM_LBUTTONUP, 0, at);
    PumpMessages();
    const HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    ASSERT_TRUE(calendar && IsWindowVisible(calendar));
    EXPECT_EQ(object->GetFocusedField(), -1);
    SetFocus(picker);
    PumpMessages();
    ASSERT_FALSE(IsWindowVisible(calendar)) << "the calendar closes when the picker takes the focus back";
    Repaint(dialog_);
    EXPECT_EQ(LocalePart(object->GetFocusedField()), EditedPart(picker)) << "after the drop-down";
    const int field = LocaleField(2);
    const RECT box = object->GetFieldBox(field);
    const LPARAM on = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, on);
    SendMessageW(picker, WM_LBUTTONUP, 0, on);
    Repaint(dialog_);
    EXPECT_EQ(object->GetFocusedField(), field);
    EXPECT_EQ(LocalePart(object->GetFocusedField()), EditedPart(picker)) << "after a click on a field";
}
