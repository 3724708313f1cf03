#pragma once
// The month calendar's rules as plain functions: dates, week numbers, how
// many month columns fit and where the months go, which months of the
// displayed range are shown, the walk of day cells through the shown months
// and each cell's selection state.

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt::monthcal {

struct Date {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend auto operator<=>(const Date&, const Date&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Monday 1 ... Sunday 7.
int DayOfWeek(const Date& date);
int DayOfYear(const Date& date);
Date NextDay(const Date& date);

// The week number of a date when weeks start on `firstDay` (Monday 1 ...
// Sunday 7): a first partial week of four days or more is week 1, else the
// days before the first full week belong to the last week of the year
// before. For Monday starts this is the ISO week.
int WeekNumber(const Date& date, int firstDay);
// The number the week-number column shows for a row starting at `rowStart`:
// 1 from 29 December on (that row holds the next year's first days),
// otherwise the row start's week number.
int RowWeekNumber(const Date& rowStart, int firstDay);

// Month columns for a client width and the control's minimal month width:
// as many as fit with 6-pixel gaps, at least 1 (also for a minimal width of
// 0, which the control answers when it cannot tell).
int MonthColumns(int clientWidth, int minWidth);
// Horizontal space left beside the columns (0 when the client is narrower
// than one month).
int HorizontalFreeSpace(int clientWidth, int minWidth, int columns);

// The months of the displayed range that are shown: the range's leading
// partial month (not starting on day 1) and trailing partial month (ending
// before day 28) left out.
std::vector<Date> MonthsShown(const Date& rangeStart, const Date& rangeEnd);

struct MonthBoxes {
    std::vector<Rect> months; // one per shown month, row by row
    int rows = 0;
    int monthHeight = 0; // without the today line's share
};
// Month rectangles for the client size, minimal month width, title height
// and line height. Empty when a measure is missing (0 or less): the
// calendar then shows its background and buttons only.
MonthBoxes LayoutMonths(Size client, int minWidth, int titleHeight, int lineHeight, int monthCount, int columns);

// One day cell of a month's six week rows.
struct DayCell {
    Date date;
    bool shown = false; // false: an empty cell before the month's first row start
    bool own = false;   // the month's own day (else a neighbouring month's)
};
// The cells of every shown month, 42 per month. The walk starts at the
// displayed range's first date and runs on through all months; a month
// that is not the last ends at the first day 1 of its fifth or sixth row,
// and the next month starts its first row at that column.
std::vector<std::vector<DayCell>> WalkDays(const Date& rangeStart, const std::vector<Date>& months);

enum class Selection { kNone, kSingle, kRangeStart, kInside, kRangeEnd };
Selection SelectionOf(const Date& date, const Date& start, const Date& end);

} // namespace hexmoor::rt::monthcal
