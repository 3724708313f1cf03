// The month calendar's rules: week numbers against ISO weeks (the table
// comes from Python's isocalendar), month columns and free space, months
// shown, the month rectangles, the walk of day cells and selection states.
#include <gtest/gtest.h>

#include "runtime/logic/month_calendar_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt::monthcal;

TEST(MonthCalendarLayout, MondayWeeksAreIsoWeeks) {
    struct Case {
        Date date;
        int iso;
    } cases[] = {
        {{2015, 1, 1}, 1},    {{2015, 1, 4}, 1},   {{2015, 1, 5}, 2},    {{2015, 6, 15}, 25}, {{2015, 12, 31}, 53},
        {{2020, 1, 1}, 1},    {{2020, 1, 5}, 1},   {{2020, 12, 28}, 53}, {{2021, 1, 1}, 53},  {{2021, 1, 3}, 53},
        {{2021, 1, 4}, 1},    {{2021, 6, 15}, 24}, {{2021, 12, 31}, 52}, {{2024, 1, 1}, 1},   {{2024, 6, 15}, 24},
        {{2024, 12, 28}, 52}, {{2024, 12, 31}, 1}, {{2026, 1, 1}, 1},    {{2026, 1, 5}, 2},   {{2026, 12, 31}, 53},
        {{2027, 1, 1}, 53},   {{2027, 1, 4}, 1},   {{2027, 12, 31}, 52},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeekNumber(c.date, 1), c.iso) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

TEST(MonthCalendarLayout, RowWeekNumbersFromTwentyNinthDecemberAreOne) {
    // Rows starting on Monday 29, 30 or 31 December hold 1 January's week.
    EXPECT_EQ(RowWeekNumber({2025, 12, 29}, 1), 1);
    EXPECT_EQ(RowWeekNumber({2014, 12, 29}, 1), 1);
    EXPECT_EQ(RowWeekNumber({2025, 12, 22}, 1), 52);
    EXPECT_EQ(RowWeekNumber({2026, 1, 5}, 1), 2);
    // Sunday starts: 1 January 2023 is a Sunday, a full first week.
    EXPECT_EQ(WeekNumber({2023, 1, 1}, 7), 1);
    EXPECT_EQ(WeekNumber({2023, 1, 8}, 7), 2);
}

TEST(MonthCalendarLayout, DatesAndWeekdays) {
    EXPECT_EQ(DayOfWeek({2026, 12, 10}), 4) << "a Thursday";
    EXPECT_EQ(DayOfWeek({2000, 1, 1}), 6) << "a Saturday";
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(NextDay({2024, 12, 31}), (Date{2025, 1, 1}));
    EXPECT_EQ(NextDay({2023, 2, 28}), (Date{2023, 3, 1}));
}

TEST(MonthCalendarLayout, ColumnsAndCentredFreeSpace) {
    struct Case {
        int client, minWidth, columns, free;
    } cases[] = {
        {200, 180, 1, 20},                    // one month
        {365, 180, 1, 185},                   // two minimal widths but not the 6-pixel gap
        {366, 180, 2, 0},                     // exactly two with the gap
        {400, 180, 2, 34},  {100, 180, 1, 0}, // narrower than one month: no free space
        {500, 0, 1, 0},                       // no minimal width known: never a division by 0
    };
    for (const Case& c : cases) {
        const int columns = MonthColumns(c.client, c.minWidth);
        EXPECT_EQ(columns, c.columns) << c.client << " / " << c.minWidth;
        if (c.minWidth > 0) {
            EXPECT_EQ(HorizontalFreeSpace(c.client, c.minWidth, columns), c.free) << c.client;
        }
    }
    const MonthBoxes two = LayoutMonths({400, 200}, 180, 20, 15, 2, 2);
    ASSERT_EQ(two.months.size(), 2u);
    EXPECT_EQ(two.months[0].left, 17) << "half the free space on the left";
    EXPECT_EQ(two.months[0].right, 17 + 179);
    EXPECT_EQ(two.months[1].left, two.months[0].right + 7);
}

TEST(MonthCalendarLayout, MonthRectanglesRowsAndTheTodayLine) {
    // Line 15, title 20: a month is 7 x 15 + 20 = 125 high, the last row
    // 15 + 3 more for the today line.
    const MonthBoxes one = LayoutMonths({200, 200}, 180, 20, 15, 1, 1);
    ASSERT_EQ(one.months.size(), 1u);
    const int free = 200 - 125 - 18;
    EXPECT_EQ(one.months[0], (Rect{10, free / 2, 189, free / 2 + 143 - 1}));
    const MonthBoxes grid = LayoutMonths({400, 400}, 180, 20, 15, 4, 2);
    ASSERT_EQ(grid.months.size(), 4u);
    EXPECT_EQ(grid.rows, 2);
    EXPECT_EQ(grid.months[2].top, grid.months[0].bottom + 8);
    EXPECT_EQ(grid.months[0].Height(), 125 - 1);
    EXPECT_EQ(grid.months[2].Height(), 143 - 1);
    // Missing measures (the probes found no title or day row): no months.
    EXPECT_TRUE(LayoutMonths({400, 400}, 180, 20, 0, 2, 2).months.empty());
    EXPECT_TRUE(LayoutMonths({400, 400}, 180, 0, 15, 2, 2).months.empty());
    EXPECT_TRUE(LayoutMonths({400, 400}, 0, 20, 15, 2, 2).months.empty());
}

TEST(MonthCalendarLayout, PartialMonthsOfTheRangeAreLeftOut) {
    struct Case {
        Date start, end;
        std::vector<Date> shown;
    } cases[] = {
        {{2026, 11, 30}, {2027, 1, 10}, {{2026, 12, 1}}},
        {{2026, 12, 1}, {2026, 12, 31}, {{2026, 12, 1}}},
        {{2026, 11, 29}, {2027, 2, 6}, {{2026, 12, 1}, {2027, 1, 1}}},
        {{2027, 1, 25}, {2027, 3, 28}, {{2027, 2, 1}, {2027, 3, 1}}},
        {{2027, 3, 1}, {2027, 2, 1}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(MonthsShown(c.start, c.end), c.shown);
}

TEST(MonthCalendarLayout, DayWalkShowsNeighbouringDaysOnlyBeforeTheFirstAndAfterTheLastMonth) {
    // December 2026 and January 2027, Monday rows: the range starts on
    // Monday 30 November.
    const std::vector<Date> months = {{2026, 12, 1}, {2027, 1, 1}};
    const auto grids = WalkDays({2026, 11, 30}, months);
    ASSERT_EQ(grids.size(), 2u);
    const auto& dec = grids[0];
    EXPECT_EQ(dec[0].date, (Date{2026, 11, 30}));
    EXPECT_FALSE(dec[0].own) << "a leading day of November";
    EXPECT_TRUE(dec[1].own);
    EXPECT_EQ(dec[1].date, (Date{2026, 12, 1}));
    // 31 December is a Thursday in row 5 (index 4*7+3); January starts at
    // Friday of that row, so the rest of December's grid stays empty.
    EXPECT_EQ(dec[31].date, (Date{2026, 12, 31}));
    EXPECT_FALSE(dec[32].shown);
    EXPECT_FALSE(dec[41].shown);
    const auto& jan = grids[1];
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(jan[std::size_t(i)].shown) << i;
    EXPECT_EQ(jan[4].date, (Date{2027, 1, 1}));
    EXPECT_TRUE(jan[4].own);
    EXPECT_EQ(jan[34].date, (Date{2027, 1, 31}));
    EXPECT_FALSE(jan[35].own) << "trailing days of February after the last month";
    EXPECT_EQ(jan[41].date, (Date{2027, 2, 7}));
}

TEST(MonthCalendarLayout, SelectionStates) {
    const Date a{2026, 12, 3}, b{2026, 12, 7};
    struct Case {
        Date date, start, end;
        Selection state;
    } cases[] = {
        {a, a, a, Selection::kSingle},           {{2026, 12, 4}, a, a, Selection::kNone},
        {a, a, b, Selection::kRangeStart},       {{2026, 12, 5}, a, b, Selection::kInside},
        {b, a, b, Selection::kRangeEnd},         {{2026, 12, 8}, a, b, Selection::kNone},
        {{2026, 12, 2}, a, b, Selection::kNone}, {a, b, a, Selection::kRangeStart},
    };
    for (const Case& c : cases) EXPECT_EQ(SelectionOf(c.date, c.start, c.end), c.state) << c.date.day;
}
