#pragma once
// A splitter window of our own for tests and tools: rows and columns of
// plain panes separated by 7-pixel gaps inside a 2-pixel border, published
// to the runtime through the splitter host interface.

#include <windows.h>

#include <vector>

#include "base/win/hosts.h"

namespace hexmoor::test {

class SplitterWindow : public hexmoor::win::SplitterHost {
public:
    // A child of `parent` at the given place with rows x columns panes of
    // equal size; `scrollStyle` is what ScrollStyle answers.
    SplitterWindow(HWND parent, const RECT& place, int rows, int columns, DWORD scrollStyle = 0,
                   DWORD exStyle = WS_EX_STATICEDGE);
    ~SplitterWindow() override;
    SplitterWindow(const SplitterWindow&) = delete;
    SplitterWindow& operator=(const SplitterWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    HWND Pane(int row, int column) const;

    int RowCount() const override { return int(rows_.size()); }
    int ColumnCount() const override { return int(columns_.size()); }
    int RowHeight(int row) const override;
    int ColumnWidth(int column) const override;
    DWORD ScrollStyle() const override { return scrollStyle_; }
    HWND FirstPane() const override { return panes_.empty() ? nullptr : panes_.front(); }

    static constexpr int kBorder = 2;
    static constexpr int kGap = 7;

private:
    HWND hwnd_ = nullptr;
    std::vector<int> rows_, columns_;
    std::vector<HWND> panes_;
    DWORD scrollStyle_ = 0;
};

} // namespace hexmoor::test
