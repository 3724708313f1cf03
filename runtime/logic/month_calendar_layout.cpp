#include "runtime/logic/month_calendar_layout.h"

#include <algorithm>

namespace hexmoor::rt::monthcal {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int DayOfYear(const Date& date) {
    int days = date.day;
    for (int m = 1; m < date.month; ++m) days += DaysInMonth(date.year, m);
    return days;
}

int DayOfWeek(const Date& date) {
    // Days since 1 January 1 of the proleptic Gregorian calendar (a Monday).
    const long long y = date.year - 1;
    const long long days = y * 365 + y / 4 - y / 100 + y / 400 + DayOfYear(date) - 1;
    return int(((days % 7) + 7) % 7) + 1;
}

Date NextDay(const Date& date) {
    Date next = date;
    if (++next.day > DaysInMonth(next.year, next.month)) {
        next.day = 1;
        if (++next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}

int WeekNumber(const Date& date, int firstDay) {
    firstDay = std::clamp(firstDay, 1, 7);
    const int jan1 = DayOfWeek({date.year, 1, 1});
    // Days of the first partial week (0 when the year starts on firstDay).
    const int offset = ((firstDay - jan1) % 7 + 7) % 7;
    const int firstWeek = offset >= 4 ? 1 : 0;
    const int doy = DayOfYear(date);
    // The last days of the year belong to next year's week 1 when that week
    // has four days or more in the new year.
    const int nextOffset = ((firstDay - DayOfWeek({date.year + 1, 1, 1})) % 7 + 7) % 7;
    const int daysInYear = IsLeapYear(date.year) ? 366 : 365;
    if (nextOffset >= 4 && daysInYear - doy < 7 - nextOffset) return 1;
    if (doy - offset < 1) {
        if (firstWeek) return 1;
        // The days before the first full week: the last week of last year.
        return WeekNumber({date.year - 1, 12, 31}, firstDay);
    }
    return firstWeek + (doy - offset + 6) / 7;
}

int RowWeekNumber(const Date& rowStart, int firstDay) {
    if (rowStart.month == 12 && rowStart.day >= 29) return 1;
    return WeekNumber(rowStart, firstDay);
}

int MonthColumns(int clientWidth, int minWidth) {
    if (minWidth <= 0 || clientWidth <= 0) return 1;
    int columns = clientWidth / minWidth;
    if (columns <= 0) return 1;
    if (columns >= 2 && clientWidth < (minWidth + 6) * columns - 6) --columns;
    return columns;
}

int HorizontalFreeSpace(int clientWidth, int minWidth, int columns) {
    if (clientWidth < minWidth) return 0;
    return std::max(0, clientWidth - (minWidth + 6) * columns + 6);
}

std::vector<Date> MonthsShown(const Date& rangeStart, const Date& rangeEnd) {
    std::vector<Date> months;
    if (rangeEnd < rangeStart) return months;
    Date m{rangeStart.year, rangeStart.month, 1};
    const Date last{rangeEnd.year, rangeEnd.month, 1};
    for (int guard = 0; m <= last && guard < 1200; ++guard) {
        const bool leadingPartial = m == Date{rangeStart.year, rangeStart.month, 1} && rangeStart.day != 1;
        const bool trailingPartial = m == last && rangeEnd.day < 28;
        if (!leadingPartial && !trailingPartial) months.push_back(m);
        if (++m.month > 12) {
            m.month = 1;
            ++m.year;
        }
    }
    return months;
}

MonthBoxes LayoutMonths(Size client, int minWidth, int titleHeight, int lineHeight, int monthCount, int columns) {
    MonthBoxes boxes;
    if (minWidth <= 0 || titleHeight <= 0 || lineHeight <= 0 || monthCount <= 0 || columns <= 0) return boxes;
    boxes.rows = (monthCount + columns - 1) / columns;
    const int h = 7 * lineHeight + titleHeight;
    boxes.monthHeight = h;
    const int todayShare = lineHeight + 3;
    const int free = HorizontalFreeSpace(client.cx, minWidth, columns);
    int freeV = client.cy - boxes.rows * h - todayShare - 7 * (boxes.rows - 1);
    if (client.cy < h + todayShare) freeV = 0;
    int top = std::max(0, freeV / 2);
    for (int row = 0; row < boxes.rows; ++row) {
        const bool lastRow = row == boxes.rows - 1;
        const int height = h + (lastRow ? todayShare : 0);
        int left = free / 2;
        for (int column = 0; column < columns; ++column) {
            if (int(boxes.months.size()) == monthCount) break;
            boxes.months.push_back({left, top, left + minWidth - 1, top + height - 1});
            left += minWidth - 1 + 7;
        }
        top += height - 1 + 8;
    }
    return boxes;
}

std::vector<std::vector<DayCell>> WalkDays(const Date& rangeStart, const std::vector<Date>& months) {
    std::vector<std::vector<DayCell>> grids;
    Date date = rangeStart;
    int startColumn = 0;
    for (std::size_t k = 0; k < months.size(); ++k) {
        const bool last = k + 1 == months.size();
        std::vector<DayCell> cells(42);
        int nextStart = -1;
        for (int i = 0; i < 42; ++i) {
            const int row = i / 7, column = i % 7;
            if (row == 0 && column < startColumn) continue;
            if (!last && row >= 4 && date.day == 1) {
                // The next month begins here: this one ends.
                nextStart = column;
                break;
            }
            cells[std::size_t(i)] = {date, true, date.year == months[k].year && date.month == months[k].month};
            date = NextDay(date);
        }
        grids.push_back(std::move(cells));
        startColumn = nextStart < 0 ? 0 : nextStart;
    }
    return grids;
}

Selection SelectionOf(const Date& date, const Date& start, const Date& end) {
    if (end < start) return SelectionOf(date, end, start);
    if (date == start) return start == end ? Selection::kSingle : Selection::kRangeStart;
    if (date == end) return Selection::kRangeEnd;
    if (start < date && date < end) return Selection::kInside;
    return Selection::kNone;
}

} // namespace hexmoor::rt::monthcal
