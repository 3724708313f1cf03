#pragma once

// The four values of a hue/saturation/lightness adjustment, shared by the
// skin model's modifiers and the editor's colour-adjustment dialog.
struct HSLValues {
    double hue = 0.0;        // degrees added to every colour's hue
    double saturation = 0.0; // percent change of saturation: -100 grey, +100 doubles it
    double lightness = 0.0;  // percent of 255 added to every channel afterwards
    double opacity = 100.0;  // percent applied to every pixel's alpha

    HSLValues() = default;
    HSLValues(double h, double s, double l, double o) : hue(h), saturation(s), lightness(l), opacity(o) {}

    // Exact comparison, no tolerance: any difference is an adjustment.
    bool operator==(const HSLValues&) const = default;

    // True when hue, saturation and lightness leave colours unchanged.
    bool KeepsColours() const { return hue == 0.0 && saturation == 0.0 && lightness == 0.0; }
    // True when opacity leaves alpha unchanged.
    bool KeepsAlpha() const { return opacity == 100.0; }
    // Neutral values (0, 0, 0, 100) undo an adjustment exactly.
    bool IsNeutral() const { return KeepsColours() && KeepsAlpha(); }
};
