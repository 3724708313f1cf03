#pragma once
// A framed colour swatch: one colour, a gradient between two colours, or the
// band of colours within a tolerance around one (the region editor's
// settings form shows four of them).

#include "editor/imaging/color_rules.h"
#include "framework/window.h"

namespace hexmoor::preview {

class ColorSwatch : public fw::Window {
public:
    // A visible child in rect (parent client coordinates).
    bool Create(HWND parent, const RECT& rect, int id, const wchar_t* text);

    void SetColor(ColorRef color) { state_.main = color; }
    ColorRef GetColor() const { return state_.main; }
    // The second colour of the gradient (clears the tolerance display).
    void SetSecondColor(ColorRef color);
    // Three tolerances around the main colour (sets the tolerance display).
    void SetTolerance(int red, int green, int blue);
    // The triple, read as a colour (red low).
    ColorRef GetSecondColor() const;
    void SetSolid(bool solid) { state_.solid = solid; }
    const SwatchState& State() const { return state_; }
    void Repaint();

protected:
    bool OnEraseBackground(HDC dc) override;
    bool OnPaint() override;

private:
    SwatchState state_;
};

} // namespace hexmoor::preview
