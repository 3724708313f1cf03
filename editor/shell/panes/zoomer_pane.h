#pragma once
// The Zoomer pane: a screen magnifier for checking skin pixels. It copies a
// small area of the screen around the cursor, enlarges it 2, 4 or 8 times
// under a horizontal and a vertical pixel ruler, and never shows its own
// picture (that part is painted black). Follow mode polls the cursor every
// 10 ms; pick mode magnifies while the left button is held after a press in
// the pane and frames the copied area on the screen meanwhile.

#include <windows.h>

#include <functional>
#include <optional>

#include "base/geometry.h"
#include "editor/imaging/ruler.h"
#include "editor/shell/panes/panels.h"
#include "editor/shell/panes/toolbar24.h"

namespace hexmoor::shell {

class CPanelZoomer : public CPanelBase {
public:
    // close: hides the pane (the main frame's toggle).
    explicit CPanelZoomer(std::function<void()> close = {});
    ~CPanelZoomer() override;

    enum Mode { kFollow = 0, kPick = 1 };
    void SetMode(int mode);
    int GetMode() const { return mode_; }
    // 2, 4 or 8: the picture and both rulers' scale.
    void SetZoom(int factor);
    int Zoom() const { return zoom_; }
    // Copies the area around the cursor (clamped to the screen) into the
    // picture; the cross marks the centre in follow mode.
    void DrawZoom();
    // Copies the area around a given screen point (the cursor's stand-in).
    void DrawZoomAt(POINT cursor);
    // The screen area copied last.
    Rect SourceRect() const { return source_; }
    // The magnified picture's origin in the client area.
    static constexpr int kPictureLeft = 18;
    static constexpr int kPictureTop = 52;
    preview::Ruler& HorizontalRuler() { return horizontal_; }
    preview::Ruler& VerticalRuler() { return vertical_; }
    CToolBar24BitCtrl& ModeBar() { return modeBar_; }
    CToolBar24BitCtrl& ZoomBar() { return zoomBar_; }
    // The follow timer runs in follow mode while the pane shows.
    bool TimerRunning() const { return timer_; }

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR id) override;
    bool OnClose() override;
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnShownChanged(bool shown) override;

private:
    // Starts or stops the follow timer for the mode and whether the pane
    // shows.
    void FollowWhileShown(bool shown);
    void ShowSourceFrame();
    void EraseSourceFrame();
    static void InvertFrame(const Rect& frame);
    void SetMagnifierCursor();
    void RestoreCursor();
    void OnToolbarClick(HWND bar);

    std::function<void()> close_;
    int mode_ = kFollow;
    bool tracking_ = false;
    Point centre_;
    HCURSOR magnifier_ = nullptr;
    HCURSOR previous_ = nullptr;
    bool cursorSet_ = false;
    bool buttonDown_ = false;
    int zoom_ = 2;
    int pictureW_ = 0;
    int pictureH_ = 0;
    CToolBar24BitCtrl modeBar_;
    CToolBar24BitCtrl zoomBar_;
    preview::Ruler horizontal_;
    preview::Ruler vertical_;
    int screenW_;
    int screenH_;
    bool timer_ = false;
    POINT last_{-1, -1};
    Rect source_;
    std::optional<Rect> shownFrame_; // the pick frame now on the screen
};

} // namespace hexmoor::shell
