#pragma once
// A button painted from resource bitmaps, one per state: normal, pressed,
// hot, and a fourth state drawn with the fifth bitmap. Kept under the window
// property "ImgBtn"; the editor's start-up and about windows use it.

#include <windows.h>

#include <array>

#include "base/win/gdi.h"
#include "runtime/hover_tracker.h"
#include "runtime/subclass.h"

class ImageButton : public hexmoor::rt::PropSubclass<ImageButton> {
public:
    enum State { kNormal = 0, kPressed = 1, kHot = 2, kFifth = 3 };

    ImageButton();
    ~ImageButton();
    ImageButton(const ImageButton&) = delete;
    ImageButton& operator=(const ImageButton&) = delete;

    BOOL Attach(HWND hwnd);
    void Detach();
    // Loads the bitmaps from the button's module; an id of 0 takes the
    // first bitmap. 0 without a window or without a first id.
    BOOL SetBitmaps(WORD normal, WORD pressed, WORD hot, WORD fourth, WORD fifth, BOOL resize);

    int GetState() const { return state_; }

private:
    friend class hexmoor::rt::PropSubclass<ImageButton>;
    friend struct hexmoor::rt::PropSubclassKind<ImageButton>;
    static constexpr wchar_t kProp[] = L"ImgBtn";

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT CallOldWithoutRedraw(UINT msg, WPARAM wp, LPARAM lp);
    bool Paint(HDC dc);
    void Repaint();
    HBITMAP BitmapOfState() const;

    std::array<hexmoor::win::Bitmap, 5> bitmaps_;
    int state_ = kNormal;
    hexmoor::rt::HoverTracker hover_;
};
