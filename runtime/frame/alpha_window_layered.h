#pragma once
// The skinned object of a layered alpha window (class "TWAlphaLayeredWindow"):
// a window whose look is a per-pixel alpha image, kept in step with a
// companion window that carries the real child controls. The layered window
// drags from anywhere; the companion follows its moves, lies directly above
// it and is cut to the controls it carries, so that the image shows around
// them.

#include <windows.h>

#include "runtime/wnd/tw_wnd.h"

class CMrgBitmap;

class CAlphaWindowLayered : public CTWWnd {
public:
    // The image whose size the companion takes (not owned; null: the
    // companion keeps its size). The code that attaches the element sets it.
    void SetImage(const CMrgBitmap* image) { image_ = image; }
    const CMrgBitmap* GetImage() const { return image_; }
    // The window carrying the child controls (null: none). Kept as a handle,
    // so a companion that went away is simply not found.
    void SetCompanion(HWND companion) { companion_ = companion; }
    HWND GetCompanion() const;

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // Sizes the companion to the image and cuts it to the children it
    // shows (see CompanionShowsChild); nothing without a companion.
    void PositionAlphaWindow();

private:
    // Moves the companion to this window's top-left and puts this window
    // directly behind it.
    void FollowWithCompanion();

    const CMrgBitmap* image_ = nullptr;
    HWND companion_ = nullptr;
};
