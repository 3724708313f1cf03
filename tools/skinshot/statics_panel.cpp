#include "tools/skinshot/statics_panel.h"

#include <commctrl.h>

#include "base/win/gdi.h"
#include "tools/skinshot/panel_kit.h"

namespace skinshot {

namespace {

constexpr int kPanelWidth = 720;
constexpr int kPanelHeight = 340;

// A small picture of three bands for the bitmap static.
HBITMAP MakePicture() {
    hexmoor::win::WindowDC screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), 24, 18);
    hexmoor::win::MemoryDC memory(screen.Get());
    hexmoor::win::SelectGuard select(memory.Get(), bitmap);
    const COLORREF bands[] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200)};
    for (int i = 0; i < 3; ++i) {
        const RECT r{0, i * 6, 24, i * 6 + 6};
        hexmoor::win::Brush brush(CreateSolidBrush(bands[i]));
        FillRect(memory.Get(), &r, brush.Get());
    }
    return bitmap;
}

// Centre of a track bar's thumb.
POINT ThumbCentre(HWND slider) {
    RECT thumb{};
    SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
}

} // namespace

Panel MakeStaticsPanel(bool skinned) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    PanelHost panel(kPanelWidth, kPanelHeight);
    if (!panel.Host()) return {};
    std::vector<ItemShot> specs;
    int id = 100;
    auto disable = [](HWND w) { EnableWindow(w, FALSE); };

    // Group boxes and static texts.
    for (const char* state : {"normal", "disabled"}) {
        const POINT p = panel.Place(150, 60);
        ItemShot s{8, state};
        s.window = panel.Child(L"BUTTON", L"Group", BS_GROUPBOX, p.x, p.y, 150, 60, ++id);
        if (std::string(state) == "disabled") s.persistent = disable;
        specs.push_back(std::move(s));
    }
    for (const char* state : {"normal", "disabled"}) {
        const POINT p = panel.Place(110, 20);
        ItemShot s{21, state};
        s.window = panel.Child(L"STATIC", L"Static text", SS_LEFT, p.x, p.y, 110, 20, ++id);
        if (std::string(state) == "disabled") s.persistent = disable;
        specs.push_back(std::move(s));
    }
    panel.NewRow();

    // Pictures and lines.
    hexmoor::win::Bitmap picture(MakePicture());
    {
        const POINT p = panel.Place(48, 32);
        ItemShot s{26, "bitmap"};
        s.window = panel.Child(L"STATIC", L"", SS_BITMAP | SS_CENTERIMAGE, p.x, p.y, 48, 32, ++id);
        SendMessageW(s.window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.Get()));
        specs.push_back(std::move(s));
    }
    struct Line {
        const char* state;
        DWORD style;
        int w, h;
    } lines[] = {{"etched-horz", SS_ETCHEDHORZ, 100, 2},
                 {"etched-vert", SS_ETCHEDVERT, 2, 40},
                 {"etched-frame", SS_ETCHEDFRAME, 60, 40}};
    for (const Line& l : lines) {
        const POINT p = panel.Place(l.w, l.h);
        ItemShot s{26, l.state};
        s.window = panel.Child(L"STATIC", L"", l.style, p.x, p.y, l.w, l.h, ++id);
        specs.push_back(std::move(s));
    }
    panel.NewRow();

    // Sliders.
    const char* sliderStates[] = {"normal",   "hot",     "thumb-hot", "pressed",
                                  "disabled", "focused", "selection", "vertical"};
    for (const char* state : sliderStates) {
        const std::string st = state;
        const bool vertical = st == "vertical";
        const int w = vertical ? 30 : 140, h = vertical ? 110 : 30;
        const POINT p = panel.Place(w, h);
        ItemShot s{9, state};
        DWORD style = TBS_NOTICKS | WS_TABSTOP | (vertical ? TBS_VERT : TBS_HORZ);
        if (st == "selection") style |= TBS_ENABLESELRANGE;
        s.window = panel.Child(TRACKBAR_CLASSW, L"", style, p.x, p.y, w, h, ++id);
        SendMessageW(s.window, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
        SendMessageW(s.window, TBM_SETPOS, TRUE, 60);
        if (st == "selection") SendMessageW(s.window, TBM_SETSEL, TRUE, MAKELPARAM(10, 40));
        if (st == "hot") {
            s.show = [](HWND wnd) { SendMessageW(wnd, WM_MOUSEMOVE, 0, At(6, 4)); };
            s.undo = Leave;
        } else if (st == "thumb-hot") {
            s.show = [](HWND wnd) {
                const POINT c = ThumbCentre(wnd);
                SendMessageW(wnd, WM_MOUSEMOVE, 0, At(c.x, c.y));
            };
            s.undo = Leave;
        } else if (st == "pressed") {
            s.show = [](HWND wnd) {
                const POINT c = ThumbCentre(wnd);
                Press(wnd, c.x, c.y);
            };
            s.undo = [](HWND wnd) {
                const POINT c = ThumbCentre(wnd);
                SendMessageW(wnd, WM_LBUTTONUP, 0, At(c.x, c.y));
                ReleaseCapture();
                Leave(wnd);
            };
        } else if (st == "disabled") {
            s.persistent = disable;
        } else if (st == "focused") {
            s.show = [](HWND wnd) { SetFocus(wnd); };
        }
        specs.push_back(std::move(s));
    }
    panel.NewRow();

    // Up-down controls.
    for (const char* state : {"normal", "pressed", "hot", "disabled", "horizontal"}) {
        const std::string st = state;
        const bool horizontal = st == "horizontal";
        const int w = horizontal ? 34 : 17, h = horizontal ? 17 : 34;
        const POINT p = panel.Place(w, h);
        ItemShot s{17, state};
        s.window = panel.Child(UPDOWN_CLASSW, L"", horizontal ? UDS_HORZ : 0, p.x, p.y, w, h, ++id);
        SendMessageW(s.window, UDM_SETRANGE32, 0, 100);
        if (st == "pressed") {
            s.show = [](HWND wnd) { Press(wnd, 6, 24); };
            s.undo = [](HWND wnd) {
                SendMessageW(wnd, WM_LBUTTONUP, 0, At(6, 24));
                ReleaseCapture();
                Leave(wnd);
            };
        } else if (st == "hot") {
            s.show = [](HWND wnd) { SendMessageW(wnd, WM_MOUSEMOVE, 0, At(6, 6)); };
            s.undo = Leave;
        } else if (st == "disabled") {
            s.persistent = disable;
        }
        specs.push_back(std::move(s));
    }

    // Progress bars.
    struct Bar {
        const char* state;
        DWORD style;
        int w, h;
    } bars[] = {{"half", 0, 140, 18}, {"vertical", PBS_VERTICAL, 18, 80}, {"marquee", PBS_MARQUEE, 140, 18}};
    for (const Bar& b : bars) {
        const POINT p = panel.Place(b.w, b.h);
        ItemShot s{18, b.state};
        s.window = panel.Child(PROGRESS_CLASSW, L"", b.style, p.x, p.y, b.w, b.h, ++id);
        SendMessageW(s.window, PBM_SETRANGE32, 0, 100);
        if (b.style & PBS_MARQUEE) {
            // The system's timer is slowed right down; the steps are driven
            // here and the block is taken where they left it.
            s.persistent = [](HWND wnd) { SendMessageW(wnd, PBM_SETMARQUEE, TRUE, 600000); };
            s.show = [](HWND wnd) {
                for (int step = 0; step < 40; ++step) SendMessageW(wnd, WM_TIMER, 1, 0);
            };
            s.redrawAfterShow = false;
        } else {
            SendMessageW(s.window, PBM_SETPOS, 50, 0);
        }
        specs.push_back(std::move(s));
    }

    return TakePanel(panel, specs, skinned);
}

} // namespace skinshot
