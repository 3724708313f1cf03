#pragma once
// The colour-adjustment pane's dialog: four sliders with number edits for
// hue, saturation, lightness and opacity, the spectrum strip that previews
// the hue change, an eyedropper that sets the strip's centre hue, "&Reset",
// "&Save", "&Edit Control" (per-control mode) and "&Auto save". The logic
// lives in ColorAdjuster; this class turns control events into its calls.

#include <array>

#include "editor/imaging/color_adjuster.h"
#include "editor/imaging/number_edit_rules.h"
#include "framework/dialog.h"

namespace hexmoor::preview {

// The numeric edit beside a slider: only digits (and "-" when signed) reach
// it; an empty text becomes "0" when it loses the focus.
class NumberEdit : public fw::Window {
public:
    void SetRange(const NumberRange& range);
    const NumberRange& Range() const { return range_; }
    // The clamped value; the text is rewritten when it was out of range.
    short GetValue();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnReflectedCommand(UINT code, LRESULT& result) override;

private:
    NumberRange range_;
};

// The strip: above, the hues around the centre hue; below, where the
// current values move each of them.
class Spectrum : public fw::Window {
public:
    void SetHSL(const HSLValues& values);
    void SetHueOffset(double degrees);
    double HueOffset() const { return hueOffset_; }

protected:
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    HSLValues values_;
    double hueOffset_ = 0;
};

class ColorAdjustPane : public fw::Dialog {
public:
    explicit ColorAdjustPane(AdjustHost& host);
    ColorAdjuster& Adjuster() { return adjuster_; }
    Spectrum& Strip() { return spectrum_; }
    // The pane is shown or hidden.
    void ConfirmPendingChanges();

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnHScroll(UINT code, HWND slider);
    void OnEditValueChanged(int index);
    void ShowValues();
    void OnLeftButton(POINT client);

    ColorAdjuster adjuster_;
    std::array<NumberEdit, 4> edits_;
    Spectrum spectrum_;
    bool eyedropperArmed_ = false;
    bool updating_ = false;
};

} // namespace hexmoor::preview
