#pragma once
// A pixel ruler along one side of an image view: ticks and labels that
// follow the view's magnification, and a one-pixel marker at the mouse.

#include "base/win/gdi.h"
#include "framework/window.h"

namespace hexmoor::preview {

class Ruler : public fw::Window {
public:
    enum class Orientation { Horizontal, Vertical };

    bool Create(HWND parent, int id, Orientation orientation, int zoom);

    void SetZoom(int zoom) { zoom_ = zoom; }
    int Zoom() const { return zoom_; }
    void SetStart(int start) { start_ = start; }
    void SetScale(double scale) { scale_ = scale; }
    int Start() const { return start_; }
    void Repaint();

    // Moves the marker to a screen point; (-1, -1) takes it away.
    void TrackMarker(int screenX, int screenY);
    // A marker switched off is taken away at once.
    void EnableMarker(bool enabled);
    // The marker's client position along the ruler, -1 when none is shown.
    int MarkerPosition() const { return orientation_ == Orientation::Horizontal ? markerX_ : markerY_; }

    COLORREF BackgroundColor() const { return background_; }
    COLORREF LineColor() const { return line_; }

protected:
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    void InvertMarker(int x, int y);
    void EraseMarker();

    Orientation orientation_ = Orientation::Horizontal;
    COLORREF background_ = 0xC0C0C0;
    COLORREF line_ = 0;
    COLORREF tick_ = 0;
    win::Font font_;
    int zoom_ = 2;
    int start_ = 0;
    double scale_ = 1.0;
    bool fineSteps_ = false;
    bool markerEnabled_ = true;
    bool repainted_ = false;
    int markerX_ = -1;
    int markerY_ = -1;
};

} // namespace hexmoor::preview
