#pragma once
// The skinned month calendar, also the drop-down of a date-time picker: the
// whole client painted from the skin (titles, day names, week numbers, days
// with their neighbours' trailing days, selection, today mark, the today
// line and the previous and next buttons). Where things lie is asked of the
// control itself through its hit testing, so the face lines up with it.

#include <vector>

#include "runtime/controls/bordered_list.h"
#include "runtime/logic/month_calendar_layout.h"

class CTWMonthCal : public CTWBorderedList {
public:
    CTWMonthCal();

    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    void GetRect(RECT* out) const override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnNcPaint(HDC dc) override;

    // 0 none, 1 previous, 2 next; and whether the pointer left the button.
    int GetPressedButton() const { return prevPressed_ ? 1 : nextPressed_ ? 2 : 0; }
    bool IsPointerOutside() const { return outside_; }
    RECT GetPrevButton() const { return prevButton_; }
    RECT GetNextButton() const { return nextButton_; }
    // The shown months' rectangles of the last paint, row by row.
    const std::vector<RECT>& GetMonthBoxes() const { return monthBoxes_; }

protected:
    void FillUnderBackground(HDC dc, const RECT& window) override;
    BOOL KeepsSystemBorder() const override { return TRUE; }

private:
    struct Probe {
        int titleTop = -1, titleBottom = -1, lineHeight = 0;
    };
    UINT HitAt(int x, int y, SYSTEMTIME* date = nullptr) const;
    Probe ProbeRows(int x, int height) const;
    void ProbeButtons(const RECT& firstMonth, const RECT& lastMonth, const Probe& rows);
    void PrimeControlLayout();
    void DrawFace(HDC dc, const RECT& client);
    void DrawButtons(HDC dc);
    void DrawImageOr(HDC dc, const RECT& box, WORD id, UINT scrollState, UINT extra);

    BOOL prevPressed_ = FALSE;
    BOOL nextPressed_ = FALSE;
    bool outside_ = false;
    RECT prevButton_{0, 0, 0, 0};
    RECT nextButton_{0, 0, 0, 0};
    SYSTEMTIME primedFor_{};
    // The hit-test probes of the last layout, kept while the shown months,
    // the size and the style stay the same.
    struct ProbeKey {
        SYSTEMTIME first{};
        LONG width = 0, height = 0;
        DWORD style = 0;
        int minWidth = 0;
    } probedFor_;
    bool probed_ = false;
    Probe rows_;
    std::vector<int> titleX_;
    std::vector<RECT> monthBoxes_;
};
