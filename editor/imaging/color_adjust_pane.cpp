#include "editor/imaging/color_adjust_pane.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>
#include <string>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "editor/imaging/picker_cursor.h"
#include "model/hsl/hsl_arithmetic.h"
#include "resources/color_adjust_ids.h"

namespace hexmoor::preview {

namespace {

struct Row {
    int slider, edit;
    HslChannel channel;
    int minimum, maximum, tick, page, start;
    NumberRange range;
};
constexpr Row kRows[4] = {
    {IDC_HSL_HUE, IDC_HSL_HUE_EDIT, HslChannel::Hue, -180, 180, 180, 15, 0, {-180, 180, 4, true}},
    {IDC_HSL_SAT, IDC_HSL_SAT_EDIT, HslChannel::Saturation, -100, 100, 100, 10, 0, {-100, 100, 4, true}},
    {IDC_HSL_LIGHT, IDC_HSL_LIGHT_EDIT, HslChannel::Lightness, -100, 100, 100, 10, 0, {-100, 100, 4, true}},
    {IDC_HSL_OPACITY, IDC_HSL_OPACITY_EDIT, HslChannel::Opacity, 0, 100, 50, 5, 100, {0, 100, 3, false}},
};

std::wstring WindowText(HWND hwnd) {
    wchar_t text[32] = {};
    ::GetWindowTextW(hwnd, text, 32);
    return text;
}

double ChannelOf(const HSLValues& v, HslChannel c) {
    switch (c) {
    case HslChannel::Hue: return v.hue;
    case HslChannel::Saturation: return v.saturation;
    case HslChannel::Lightness: return v.lightness;
    case HslChannel::Opacity: return v.opacity;
    }
    return 0;
}

} // namespace

// --- NumberEdit ---------------------------------------------------------------------------

void NumberEdit::SetRange(const NumberRange& range) {
    range_ = range;
    if (Handle()) ::SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(range.textLimit), 0);
}

short NumberEdit::GetValue() {
    const NumberValue value = NumberEditValue(WindowText(Handle()), range_);
    if (value.rewritten) {
        ::SetWindowTextW(Handle(), value.rewritten->c_str());
        ::SendMessageW(Handle(), EM_SETSEL, range_.textLimit, range_.textLimit);
        ::SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
    }
    return value.value;
}

LRESULT NumberEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CHAR) {
        const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
        if (!NumberEditAccepts(static_cast<wchar_t>(wp), ctrl, range_)) return 0;
    }
    return fw::Window::WindowProc(msg, wp, lp);
}

bool NumberEdit::OnReflectedCommand(UINT code, LRESULT&) {
    if (code == EN_KILLFOCUS) {
        std::wstring text = WindowText(Handle());
        if (text.empty()) text = L"0";
        ::SetWindowTextW(Handle(), text.c_str());
    }
    return false; // the dialog sees the notification too
}

// --- Spectrum -----------------------------------------------------------------------------

void Spectrum::SetHSL(const HSLValues& values) {
    values_ = values;
    if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void Spectrum::SetHueOffset(double degrees) {
    hueOffset_ = degrees;
    if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

bool Spectrum::OnPaint() {
    win::PaintScope paint(Handle());
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int w = client.right, h = client.bottom;
    win::MemoryDC memory(paint.Dc());
    win::Bitmap canvas(win::CreateScreenBitmap(std::max(w, 1), std::max(h, 1)));
    win::SelectGuard select(memory.Get(), canvas.Get());
    HDC dc = memory.Get();
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    auto column = [&](int x, double hue, double saturation, double lightness, int top, int bottom) {
        const hsl::Rgb rgb = hsl::HslToRgb(hue, saturation, lightness);
        const COLORREF color =
            RGB(static_cast<int>(rgb.red + 0.5), static_cast<int>(rgb.green + 0.5), static_cast<int>(rgb.blue + 0.5));
        win::Pen pen(::CreatePen(PS_SOLID, 1, color));
        win::SelectGuard pens(dc, pen.Get());
        ::MoveToEx(dc, x, top, nullptr);
        ::LineTo(dc, x, bottom);
    };
    for (int x = 0; x < w; ++x) {
        const double base = static_cast<double>(x) * 360 / w + 180 + hueOffset_;
        column(x, base, 0, 0, 1, h / 2 - 4);
        column(x, base + values_.hue, std::min(values_.saturation, 0.0), values_.lightness, h / 2 + 4, h - 1);
    }
    win::SelectGuard pen(dc, ::GetStockObject(BLACK_PEN));
    win::SelectGuard brush(dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, 0, 0, w, h / 2 - 3);
    ::Rectangle(dc, 0, h / 2 + 3, w, h);
    ::MoveToEx(dc, w / 2, 1, nullptr);
    ::LineTo(dc, w / 2, h - 1);
    ::BitBlt(paint.Dc(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    return true;
}

// --- ColorAdjustPane ----------------------------------------------------------------------

ColorAdjustPane::ColorAdjustPane(AdjustHost& host) : fw::Dialog(IDD_COLOR_ADJUST), adjuster_(host) {}

bool ColorAdjustPane::OnInitDialog() {
    updating_ = true;
    for (int i = 0; i < 4; ++i) {
        const Row& row = kRows[i];
        HWND slider = Item(row.slider);
        ::SendMessageW(slider, TBM_SETRANGEMIN, FALSE, row.minimum);
        ::SendMessageW(slider, TBM_SETRANGEMAX, FALSE, row.maximum);
        ::SendMessageW(slider, TBM_SETTICFREQ, row.tick, 0);
        ::SendMessageW(slider, TBM_SETPOS, TRUE, row.start);
        ::SendMessageW(slider, TBM_SETPAGESIZE, 0, row.page);
        edits_[i].Attach(Item(row.edit));
        edits_[i].SetRange(row.range);
        ::SendMessageW(Item(row.edit), WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        ::SetWindowTextW(Item(row.edit), std::to_wstring(row.start).c_str());
    }
    spectrum_.Attach(Item(IDC_HSL_SPECTRUM));
    updating_ = false;
    return true;
}

void ColorAdjustPane::ShowValues() {
    updating_ = true;
    const HSLValues& v = adjuster_.Values();
    for (int i = 0; i < 4; ++i) {
        const int value = static_cast<int>(ChannelOf(v, kRows[i].channel));
        ::SendMessageW(Item(kRows[i].slider), TBM_SETPOS, TRUE, value);
        const std::wstring text = kRows[i].channel == HslChannel::Opacity ? std::to_wstring(value) : SliderText(value);
        if (WindowText(Item(kRows[i].edit)) != text) ::SetWindowTextW(Item(kRows[i].edit), text.c_str());
    }
    if (v == HSLValues()) spectrum_.SetHueOffset(0);
    spectrum_.SetHSL(v);
    ::CheckDlgButton(Handle(), IDC_HSL_EDIT_CONTROL, adjuster_.EditControl() ? BST_CHECKED : BST_UNCHECKED);
    updating_ = false;
}

void ColorAdjustPane::OnHScroll(UINT code, HWND slider) {
    for (const Row& row : kRows) {
        if (Item(row.slider) != slider) continue;
        if (code == TB_ENDTRACK) {
            adjuster_.SliderEnded();
        } else if (code != TB_THUMBPOSITION) {
            const int position = static_cast<int>(::SendMessageW(slider, TBM_GETPOS, 0, 0));
            adjuster_.SliderMoved(row.channel, position);
            updating_ = true;
            ::SetWindowTextW(Item(row.edit), SliderText(position).c_str());
            updating_ = false;
            spectrum_.SetHSL(adjuster_.Values());
        }
        return;
    }
}

void ColorAdjustPane::OnEditValueChanged(int index) {
    NumberEdit& edit = edits_[index];
    const std::wstring text = WindowText(edit.Handle());
    if (NumberTextNeedsZero(text)) {
        ::SetWindowTextW(edit.Handle(), L"0");
        ::SendMessageW(edit.Handle(), EM_SETSEL, 0, -1);
    }
    const short value = edit.GetValue();
    ::SendMessageW(Item(kRows[index].slider), TBM_SETPOS, TRUE, value);
    adjuster_.EditChanged(kRows[index].channel, value);
    spectrum_.SetHSL(adjuster_.Values());
}

bool ColorAdjustPane::OnCommand(UINT id, UINT code, HWND control) {
    for (int i = 0; i < 4; ++i) {
        if (static_cast<int>(id) != kRows[i].edit || code != EN_CHANGE) continue;
        // Only typing counts: text the pane writes itself is ignored.
        if (!updating_ && ::GetFocus() == control) {
            updating_ = true;
            OnEditValueChanged(i);
            updating_ = false;
        }
        return true;
    }
    if (code != BN_CLICKED) return fw::Dialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_HSL_RESET:
        adjuster_.Restore();
        ShowValues();
        return true;
    case IDC_HSL_SAVE:
        adjuster_.Keep();
        ShowValues();
        return true;
    case IDC_HSL_EDIT_CONTROL:
        adjuster_.SetEditControl(::IsDlgButtonChecked(Handle(), IDC_HSL_EDIT_CONTROL) == BST_CHECKED);
        return true;
    case IDC_HSL_AUTO_SAVE: {
        const bool autoSave = ::IsDlgButtonChecked(Handle(), IDC_HSL_AUTO_SAVE) == BST_CHECKED;
        adjuster_.SetAutoSave(autoSave);
        ::EnableWindow(Item(IDC_HSL_SAVE), !autoSave);
        return true;
    }
    default: return fw::Dialog::OnCommand(id, code, control);
    }
}

void ColorAdjustPane::OnLeftButton(POINT client) {
    if (eyedropperArmed_) {
        POINT screen{};
        ::GetCursorPos(&screen);
        const COLORREF color = ::GetPixel(win::WindowDC(nullptr).Get(), screen.x, screen.y);
        ::ReleaseCapture();
        eyedropperArmed_ = false;
        if (color != CLR_INVALID) {
            const hsl::Hsl picked = hsl::RgbToHsl(GetRValue(color), GetGValue(color), GetBValue(color));
            spectrum_.SetHueOffset(picked.hue);
        }
        return;
    }
    HWND dropper = Item(IDC_HSL_EYEDROPPER);
    if (!dropper || !::IsWindowEnabled(dropper)) return;
    RECT r{};
    ::GetWindowRect(dropper, &r);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    if (!::PtInRect(&r, client)) return;
    adjuster_.FinishAdjustment();
    ShowValues();
    ::SetCapture(Handle());
    eyedropperArmed_ = true;
    ::SetCursor(ColorPickerCursor());
}

LRESULT ColorAdjustPane::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HSCROLL && lp) {
        OnHScroll(LOWORD(wp), reinterpret_cast<HWND>(lp));
        return 0;
    }
    if (msg == WM_LBUTTONDOWN) OnLeftButton(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    return fw::Dialog::WindowProc(msg, wp, lp);
}

void ColorAdjustPane::ConfirmPendingChanges() {
    adjuster_.ConfirmPendingChanges();
    ShowValues();
}

} // namespace hexmoor::preview
