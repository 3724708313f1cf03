// The skinned month calendar: every colour and image id of its element in
// its own colour, reached through real messages: one and two columns, week
// numbers, single and range selection, the today mark, the buttons pressed,
// dragged out and disabled, and the drop-down calendar of a date-time picker.
#include <windows.h>
#include <commctrl.h>

#include "model/twf_obj.h"
#include "runtime/controls/month_cal.h"
#include "runtime/logic/control_types.h"
#include "tests/harness/capture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "runtime/wnd/object_registry.h"
#include "tests/runtime/win/date_controls_fixture.h"

using namespace hexmoor::test;
namespace ctype = hexmoor::rt::ctype;

namespace {

using namespace hexmoor::test::dates;

class MonthCalTest : public DateControlsTest {
protected:
    MonthCalTest() : DateControlsTest({20, 20, 760, 520}) {}
    void AddElements() override {
        for (int id = 630; id <= 639; ++id) Skin().SolidImage(38, WORD(id), IdColour(id));
        CTwfObj* calendar = Skin().Element(38);
        for (int id = 640; id <= 645; ++id) calendar->SetColor(WORD(id), IdColour(id));
        Skin().SolidImage(22, 405, IdColour(405)); // the picker of the drop-down
    }
    // A calendar showing June 2026 (today 10 June, 15 June selected), `width`
    // 0 for its minimal size.
    HWND AddCalendar(DWORD style, int x, int y, int width = 0, int height = 0, int extra = 0) {
        HWND calendar = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_CHILD | WS_VISIBLE | style, x, y, 10, 10, dialog_,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
        SYSTEMTIME today = Date(2026, 6, 10);
        SendMessageW(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
        if (style & MCS_MULTISELECT) {
            SYSTEMTIME range[2] = {Date(2026, 6, 15), Date(2026, 6, 18)};
            SendMessageW(calendar, MCM_SETSELRANGE, 0, reinterpret_cast<LPARAM>(range));
        } else {
            SYSTEMTIME selected = Date(2026, 6, 15);
            SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&selected));
        }
        RECT minimal{};
        SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimal));
        SetWindowPos(calendar, nullptr, 0, 0, (width ? width : minimal.right) + extra,
                     (height ? height : minimal.bottom) + extra, SWP_NOMOVE | SWP_NOZORDER);
        return calendar;
    }
    void SkinAll() { SkinDialog(); }
    static CTWMonthCal* Object(HWND hwnd) { return dynamic_cast<CTWMonthCal*>(GetSkinnedWindowObject(hwnd)); }
};

} // namespace

TEST_F(MonthCalTest, EveryPartInItsOwnColour) {
    HWND calendar = AddCalendar(0, 10, 10, 0, 0, 24);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(calendar), ctype::kMonthCal);
    CTWMonthCal* object = Object(calendar);
    ASSERT_TRUE(object);
    ASSERT_EQ(object->GetMonthBoxes().size(), 1u);
    const PixelBuffer pixels = CaptureClient(calendar);
    struct Part {
        int id;
        const char* what;
    } parts[] = {{630, "background"}, {631, "previous button"}, {634, "next button"},   {637, "title"},
                 {638, "today mark"}, {639, "day area"},        {640, "selection"},     {641, "selected day"},
                 {642, "days"},       {643, "title text"},      {644, "trailing days"}, {645, "day names"}};
    for (const Part& part : parts) EXPECT_GT(CountId(pixels, part.id), 0) << part.what;
    for (int id : {632, 633, 635, 636}) EXPECT_EQ(CountId(pixels, id), 0) << id;
}

TEST_F(MonthCalTest, OneOrTwoColumnsByWidth) {
    RECT minimal{};
    {
        HWND probe = AddCalendar(0, 0, 0);
        SendMessageW(probe, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimal));
        DestroyWindow(probe);
    }
    const int w = minimal.right;
    HWND narrow = AddCalendar(0, 10, 10, 2 * w + 2, minimal.bottom);
    HWND wide = AddCalendar(0, 10, 250, 2 * w + 30, minimal.bottom);
    SkinAll();
    ASSERT_TRUE(Object(narrow) && Object(wide));
    const auto& one = Object(narrow)->GetMonthBoxes();
    const auto& two = Object(wide)->GetMonthBoxes();
    ASSERT_EQ(one.size(), 1u);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].top, two[1].top);
    EXPECT_GT(two[1].left, two[0].right) << "side by side";
    RECT client{};
    GetClientRect(wide, &client);
    EXPECT_NEAR(two[0].left - client.left, client.right - two[1].right, 2) << "centred";
    const PixelBuffer pixels = CaptureClient(wide);
    EXPECT_GT(CountIn(pixels, two[1], IdColour(637)), 0) << "second title";
}

TEST_F(MonthCalTest, WeekNumbersRangeAndNoToday) {
    HWND weeks = AddCalendar(MCS_WEEKNUMBERS, 10, 10);
    HWND range = AddCalendar(MCS_MULTISELECT | MCS_NOTODAYCIRCLE, 10, 260);
    SkinAll();
    ASSERT_TRUE(Object(weeks) && Object(range));
    {
        const RECT box = Object(weeks)->GetMonthBoxes().at(0);
        RECT minimal{};
        SendMessageW(weeks, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimal));
        const int cell = minimal.right / 8;
        const PixelBuffer pixels = CaptureClient(weeks);
        const RECT column{box.left, box.top + 40, box.left + cell - 2, box.bottom - 20};
        EXPECT_GT(CountIn(pixels, column, IdColour(645)), 0) << "week numbers";
    }
    const PixelBuffer pixels = CaptureClient(range);
    EXPECT_EQ(CountId(pixels, 638), 0) << "no today mark";
    // Four selected days: two ends with ellipses and the fill between.
    EXPECT_GT(CountId(pixels, 640), 4 * 40);
    EXPECT_GT(CountId(pixels, 641), 0);
}

TEST_F(MonthCalTest, ButtonsPressedDraggedOutAndDisabled) {
    HWND calendar = AddCalendar(0, 10, 10);
    SkinAll();
    CTWMonthCal* object = Object(calendar);
    ASSERT_TRUE(object);
    const RECT prev = object->GetPrevButton();
    ASSERT_GT(prev.right, prev.left);
    const LPARAM in = MAKELPARAM((prev.left + prev.right) / 2, (prev.top + prev.bottom) / 2);
    SendMessageW(calendar, WM_LBUTTONDOWN, MK_LBUTTON, in);
    Repaint(calendar);
    EXPECT_EQ(object->GetPressedButton(), 1);
    EXPECT_GT(CountIn(CaptureClient(calendar), prev, IdColour(632)), 0) << "pressed";
    SendMessageW(calendar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(prev.right + 60, prev.bottom + 60));
    Repaint(calendar);
    EXPECT_TRUE(object->IsPointerOutside());
    EXPECT_GT(CountIn(CaptureClient(calendar), prev, IdColour(631)), 0) << "released look outside";
    SendMessageW(calendar, WM_LBUTTONUP, 0, MAKELPARAM(prev.right + 60, prev.bottom + 60));
    Repaint(calendar);
    EXPECT_EQ(object->GetPressedButton(), 0);
    EnableWindow(calendar, FALSE);
    Repaint(calendar);
    const PixelBuffer pixels = CaptureClient(calendar);
    EXPECT_GT(CountId(pixels, 633), 0);
    EXPECT_GT(CountId(pixels, 636), 0);
    EXPECT_EQ(CountId(pixels, 631) + CountId(pixels, 634), 0);
}

TEST_F(MonthCalTest, PickerDropDownIsSkinned) {
    HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, dialog_, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SkinAll();
    // The drop-down button's click opens it (Wine's picker ignores F4).
    RECT client{};
    GetClientRect(picker, &client);
    const LPARAM button = MAKELPARAM(client.right - 4, client.bottom / 2);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, button);
    SendMessageW(picker, WM_LBUTTONUP, 0, button);
    PumpMessages();
    const HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    ASSERT_TRUE(calendar);
    ASSERT_TRUE(IsWindowVisible(calendar));
    ASSERT_EQ(GetSkinnedWindowType(picker), ctype::kDateTime);
    EXPECT_EQ(GetSkinnedWindowType(calendar), ctype::kMonthCal);
    Repaint(calendar);
    const PixelBuffer pixels = CaptureClient(calendar);
    EXPECT_GT(CountId(pixels, 639), 0);
    EXPECT_GT(CountId(pixels, 637), 0);
    EXPECT_GT(CountId(pixels, 642), 0);
    // Its plain one-pixel border comes from the background image too.
    const PixelBuffer window = CaptureWindow(calendar);
    long ring = 0, background = 0;
    for (int x = 0; x < window.Width(); ++x)
        for (int y : {0, window.Height() - 1}) {
            ++ring;
            if ((window.At(x, y) & 0xFFFFFF) == (IdColour(630) & 0xFFFFFF)) ++background;
        }
    EXPECT_EQ(background, ring) << "top and bottom border rows";
    SendMessageW(calendar, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
}

TEST_F(MonthCalTest, TooSmallForAMonthShowsBackgroundAndButtonsOnly) {
    // The control's probes find no title or day row in a window this small.
    HWND calendar = AddCalendar(0, 10, 10, 24, 12);
    SkinAll();
    CTWMonthCal* object = Object(calendar);
    ASSERT_TRUE(object);
    EXPECT_TRUE(object->GetMonthBoxes().empty());
    const PixelBuffer pixels = CaptureClient(calendar);
    EXPECT_GT(CountId(pixels, 630), 0);
    for (int id : {637, 639, 642, 644, 645}) EXPECT_EQ(CountId(pixels, id), 0) << id;
}

TEST_F(MonthCalTest, NoTodayLeavesOutTheTodayLineAndMark) {
    HWND plain = AddCalendar(0, 10, 10, 0, 0, 24);
    HWND noToday = AddCalendar(MCS_NOTODAY | MCS_NOTODAYCIRCLE, 10, 260, 0, 0, 24);
    SkinAll();
    ASSERT_TRUE(Object(plain) && Object(noToday));
    const auto below = [](HWND calendar) {
        const RECT box = Object(calendar)->GetMonthBoxes().at(0);
        const PixelBuffer pixels = CaptureClient(calendar);
        // The today line: the strip below the six week rows.
        return CountIn(pixels, RECT{box.left, box.bottom - 14, box.right, box.bottom + 4}, IdColour(642));
    };
    EXPECT_GT(below(plain), 0) << "today line text";
    EXPECT_EQ(CountId(CaptureClient(noToday), 638), 0);
    EXPECT_LT(below(noToday), below(plain));
}
