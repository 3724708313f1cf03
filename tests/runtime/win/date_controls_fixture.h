#pragma once
// What the date-time picker and month calendar pixel tests share: a started
// runtime with the date classes registered and the dialog background in the
// skin, one popup dialog to put the controls on, and counting an id's colour
// in a capture (every id has its own colour).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "tests/harness/capture.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"

namespace hexmoor::test::dates {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

// Pixels of `colour` in a capture-relative box (clipped to the capture).
inline long CountIn(const PixelBuffer& pixels, const RECT& box, COLORREF colour) {
    long count = 0;
    for (int y = std::max(0L, box.top); y < std::min(LONG(pixels.Height()), box.bottom); ++y)
        for (int x = std::max(0L, box.left); x < std::min(LONG(pixels.Width()), box.right); ++x)
            if ((pixels.At(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
    return count;
}

inline long Count(const PixelBuffer& pixels, COLORREF colour) {
    return CountIn(pixels, RECT{0, 0, pixels.Width(), pixels.Height()}, colour);
}

inline long CountId(const PixelBuffer& pixels, int id) { return Count(pixels, IdColour(id)); }

inline SYSTEMTIME Date(WORD year, WORD month, WORD day, WORD hour = 0) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    return t;
}

// The runtime started with the dialog background and the elements a test
// adds (AddElements), skinning enabled, and an empty popup dialog at
// `placement` (x, y, width, height) waiting for controls.
class DateControlsTest : public RuntimeTest {
protected:
    explicit DateControlsTest(RECT placement) : placement_(placement) {}
    virtual void AddElements() = 0;
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&icc);
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        AddElements();
        SkinLoaded();
        EnableSkinning();
        dialog_ =
            CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, placement_.left, placement_.top, placement_.right,
                            placement_.bottom, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    void SkinDialog() {
        ApplySkinToWindow(dialog_, 1);
        Repaint(dialog_);
    }
    HWND dialog_ = nullptr;

private:
    RECT placement_;
};

} // namespace hexmoor::test::dates
