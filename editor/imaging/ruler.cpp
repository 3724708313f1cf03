#include "editor/imaging/ruler.h"

#include <cstring>
#include <string>

#include "base/win/gdi.h"
#include "editor/imaging/ruler_scale.h"

namespace hexmoor::preview {

bool Ruler::Create(HWND parent, int id, Orientation orientation, int zoom) {
    orientation_ = orientation;
    zoom_ = zoom;
    LOGFONTW font{};
    font.lfHeight = 14;
    std::wcscpy(font.lfFaceName, L"GenericSansSerif");
    font_.Reset(::CreateFontIndirectW(&font));
    fw::WindowArgs args;
    args.text = L"Ruler";
    args.style = WS_CHILD | WS_VISIBLE;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return fw::Window::Create(args);
}

void Ruler::Repaint() {
    if (Handle()) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool Ruler::OnPaint() {
    win::PaintScope paint(Handle());
    HDC dc = paint.Dc();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int width = client.right, height = client.bottom;
    const bool horizontal = orientation_ == Orientation::Horizontal;
    RECT fill{0, 0, width - 1, height - 1};
    win::Brush background(::CreateSolidBrush(background_));
    ::FillRect(dc, &fill, background.Get());

    // Ticks and labels; nothing when the magnification is not positive.
    ::SetBkMode(dc, TRANSPARENT);
    win::SelectGuard font(dc, font_.Get());
    win::Pen pen(::CreatePen(PS_SOLID, 2, tick_));
    win::SelectGuard pens(dc, pen.Get());
    const int length = horizontal ? width : height;
    const int depth = horizontal ? height : width;
    for (const RulerMark& mark : LayOutRuler(start_, zoom_, scale_, fineSteps_, length)) {
        const int i = mark.pixel;
        if (mark.label) {
            const std::wstring text = std::to_wstring(mark.value);
            if (horizontal) {
                RECT r{i + 3, 0, i + 100, height};
                ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
            } else {
                for (std::size_t c = 0; c < text.size(); ++c) {
                    RECT r{3, i + static_cast<int>(c) * 11, width, i + static_cast<int>(c + 1) * 11};
                    ::DrawTextW(dc, &text[c], 1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
                }
            }
        }
        int tick = 0;
        switch (mark.tick) {
        case RulerTick::Small: tick = 4; break;
        case RulerTick::Medium: tick = 7; break;
        case RulerTick::Large: tick = mark.fullLength ? depth - 2 : 10; break;
        case RulerTick::None: break;
        }
        if (tick <= 0) continue;
        if (horizontal) {
            ::MoveToEx(dc, i, height - 2, nullptr);
            ::LineTo(dc, i, height - tick - 1);
        } else {
            ::MoveToEx(dc, width - 2, i, nullptr);
            ::LineTo(dc, width - tick - 1, i);
        }
    }
    win::Brush frameBrush(::CreateSolidBrush(line_));
    const RECT frame = horizontal ? RECT{0, 0, width, height - 1} : RECT{0, 0, width - 1, height};
    ::FrameRect(dc, &frame, frameBrush.Get());
    repainted_ = true;
    return true;
}

void Ruler::InvertMarker(int x, int y) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    win::WindowDC dc(Handle());
    if (orientation_ == Orientation::Horizontal) {
        ::PatBlt(dc.Get(), x, 1, 1, client.bottom - 2, DSTINVERT);
    } else {
        ::PatBlt(dc.Get(), 1, y, client.right - 2, 1, DSTINVERT);
    }
}

void Ruler::EraseMarker() {
    // A repaint since the last marker has already removed it.
    if (!repainted_ && (markerX_ != -1 || markerY_ != -1) && Handle()) InvertMarker(markerX_, markerY_);
    markerX_ = markerY_ = -1;
}

void Ruler::TrackMarker(int screenX, int screenY) {
    if (!markerEnabled_ || !Handle()) return;
    if (screenX == -1 && screenY == -1) {
        EraseMarker();
        return;
    }
    POINT p{screenX, screenY};
    ::ScreenToClient(Handle(), &p);
    EraseMarker();
    if (orientation_ == Orientation::Horizontal) {
        markerX_ = p.x;
        markerY_ = 0;
    } else {
        markerX_ = 0;
        markerY_ = p.y;
    }
    InvertMarker(markerX_, markerY_);
    repainted_ = false;
}

void Ruler::EnableMarker(bool enabled) {
    if (!enabled) EraseMarker();
    markerEnabled_ = enabled;
}

} // namespace hexmoor::preview
