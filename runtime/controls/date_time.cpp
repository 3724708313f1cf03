#include "runtime/controls/date_time.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/paint_dc.h"
#include "base/win/rect.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/date_time_hooks.h"
#include "runtime/controls/date_time_texts.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/wnd/window_services.h"
#include "runtime/messages.h"
#include "runtime/subclass.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {
constexpr WORD kBackground = 405, kText = 406, kBackgroundDisabled = 407, kTextNoDate = 408;
constexpr WORD kCheckedOn = 409, kUncheckedOn = 410, kCheckedOff = 411, kUncheckedOff = 412;
constexpr WORD kButtonNormal = 413, kButtonPressed = 414, kButtonDisabled = 415;
constexpr WORD kFocusFill = 416, kFocusText = 417;
constexpr BorderedListIds kDateTimeIds{kBackground, kBackgroundDisabled, 678, 680, 679, 681};
constexpr UINT kRelayout = 0xFFF;
constexpr UINT kFieldTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX;

} // namespace

CTWDateTime::CTWDateTime() : CTWBorderedList(kDateTimeIds) {}

// The check box button never keeps a hook to a deleted picker object.
CTWDateTime::~CTWDateTime() { HookCheckBoxChild(false); }

bool CTWDateTime::HasStyle(DWORD bit) const { return (GetWindowLongPtrW(hWnd_, GWL_STYLE) & bit) == bit; }

BOOL CTWDateTime::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_) return 1;
    if (on) {
        rebuild_ = true;
        synced_ = false;
        keyboardFocus_ = hasDate_ = clickedField_ = false;
        fields_.clear();
        firstFieldX_ = 1000;
        buttonState_ = 0;
        focused_ = -1;
        controlStop_ = kStopUnknown;
        droppedDown_ = false;
        GetLocalTime(&time_);
        HookCheckBoxChild(true);
        if (!(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) ChangeExStyle(WS_EX_CLIENTEDGE, 0);
    } else {
        HookCheckBoxChild(false);
        RestoreStyles();
        fields_.clear();
        rebuild_ = false;
        PostMessageW(hWnd_, kRelayout, 0, 0);
    }
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (on) Layout();
    return 1;
}

void CTWDateTime::Layout() {
    RECT client{};
    GetClientRect(hWnd_, &client);
    const datetime::PickerLayout layout =
        datetime::LayoutPicker(FromRECT(client), HasStyle(DTS_SHOWNONE), GetSystemMetrics(SM_CXVSCROLL));
    checkBox_ = ToRECT(layout.checkBox);
    button_ = ToRECT(layout.button);
    textArea_ = ToRECT(layout.textArea);
    // The up-down of a spinning picker is the skinned spin over the button.
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetSkinnedWindowType(child) != ctype::kSpin) continue;
        SetWindowPos(child, nullptr, button_.left, button_.top, button_.right - button_.left,
                     button_.bottom - button_.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RedrawNow(FALSE);
}

std::wstring CTWDateTime::CurrentFormat() const {
    if (format_.IsSet()) return format_.Text();
    return datetime::StyleFormat(LOCALE_USER_DEFAULT, DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE)));
}

void CTWDateTime::BuildFields() {
    win::WindowDC windowDc(hWnd_);
    const HDC dc = windowDc.Get();
    if (!dc) return;
    const HFONT font = GetFont();
    win::SelectGuard selected(dc, font);
    SYSTEMTIME now{};
    hasDate_ = SendMessageW(hWnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)) == GDT_VALID;
    if (hasDate_) time_ = now;
    const datetime::WidthTable widths = datetime::MeasureWidths(dc, LOCALE_USER_DEFAULT);
    runs_ = datetime::ParseFormat(CurrentFormat());
    const std::vector<datetime::FormatRun>& runs = runs_;
    std::vector<int> textWidths;
    for (const datetime::FormatRun& run : runs)
        textWidths.push_back(run.kind == datetime::FormatRun::kField ? 0 : datetime::TextWidth(dc, run.text));
    const std::vector<datetime::FieldSpec> specs =
        datetime::SpecsOf(runs, widths, textWidths, focused_, GetFocus() == hWnd_);
    fields_.clear();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        Field field;
        field.align = specs[i].align;
        field.width = specs[i].width;
        field.editable = specs[i].editable;
        field.text = datetime::FieldText(LOCALE_USER_DEFAULT, time_, runs[i], specs[i]);
        fields_.push_back(std::move(field));
    }
    if (focused_ >= int(fields_.size())) focused_ = -1;
}

RECT CTWDateTime::GetFieldBox(int index) const {
    RECT client{};
    GetClientRect(hWnd_, &client);
    int x = firstFieldX_ == 1000 ? 0 : firstFieldX_;
    for (int i = 0; i < index && i < int(fields_.size()); ++i) x += fields_[std::size_t(i)].width;
    const int width = index >= 0 && index < int(fields_.size()) ? fields_[std::size_t(index)].width : 0;
    return {x, client.top, x + width, client.bottom};
}

std::vector<int> CTWDateTime::Widths() const {
    std::vector<int> out;
    for (const Field& f : fields_) out.push_back(f.width);
    return out;
}

std::vector<bool> CTWDateTime::Editables() const {
    std::vector<bool> out;
    for (const Field& f : fields_) out.push_back(f.editable);
    return out;
}

void CTWDateTime::ScrollToFocused() {
    firstFieldX_ = datetime::ScrollToField(firstFieldX_, Widths(), focused_, FromRECT(textArea_));
}

// The face starts on the field the control edits, whatever moved it before
// the picker was skinned (keys, clicks, typing); a control editing no field
// is moved to the first one. The control is driven to the face's field
// whenever it has the focus (it takes keys only then).
void CTWDateTime::SyncControlField() {
    if (!synced_) {
        synced_ = true;
        SettleControl();
        if (controlStop_ >= 0) {
            if (const int field = FieldAtStop(controlStop_); field >= 0) focused_ = field;
        } else if (focused_ < 0) {
            const std::vector<bool> editable = Editables();
            const auto first = std::find(editable.begin(), editable.end(), true);
            if (first != editable.end()) focused_ = int(first - editable.begin());
        }
    }
    if (GetFocus() == hWnd_) DriveControlTo(focused_);
}

// The field the control edits: its Up (or Down) key steps that field's
// part of the date, which is read and then put back. -1 when the control
// edits no field or holds no date.
int CTWDateTime::ReadControlField() {
    SYSTEMTIME before{};
    if (DefWindowProc(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&before)) != GDT_VALID) return -1;
    const QuietParent quiet(hWnd_);
    auto parts = [](const SYSTEMTIME& t) {
        return datetime::DateParts{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    };
    // A field at the top of the control's range steps down only.
    for (WPARAM key : {WPARAM(VK_UP), WPARAM(VK_DOWN)}) {
        DefWindowProc(WM_KEYDOWN, key, 0);
        DefWindowProc(WM_KEYUP, key, 0);
        SYSTEMTIME after{};
        DefWindowProc(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&after));
        DefWindowProc(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&before));
        const int field = datetime::FieldOfChange(runs_, Editables(), parts(before), parts(after), focused_);
        if (field >= 0) return field;
    }
    return -1;
}

int CTWDateTime::StopOf(int field) const {
    if (field < 0 || field >= int(fields_.size()) || !fields_[std::size_t(field)].editable) return -1;
    int stop = 0;
    for (int i = 0; i < field; ++i) stop += fields_[std::size_t(i)].editable ? 1 : 0;
    return stop;
}

int CTWDateTime::FieldAtStop(int stop) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!fields_[i].editable) continue;
        if (stop-- == 0) return int(i);
    }
    return -1;
}

// Reads where the control is and, when it edits no field, moves it onto one.
// The control takes keys only while it has the focus. Its Left key from the
// first field can leave it any number of steps before it, each undone only
// by a Right: Right is pressed until a field is reached (bounded: after its
// drop-down some controls ignore keys until a click chooses a field).
void CTWDateTime::SettleControl() {
    SYSTEMTIME now{};
    if (GetFocus() != hWnd_ || fields_.empty() ||
        DefWindowProc(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)) != GDT_VALID) {
        controlStop_ = kStopUnknown;
        return;
    }
    int field = ReadControlField();
    if (field < 0) {
        // A control that lost track of having the focus (some do after
        // their drop-down closes) ignores keys: it is told again.
        {
            const QuietParent quiet(hWnd_);
            DefWindowProc(WM_SETFOCUS, 0, 0);
        }
        field = ReadControlField();
    }
    constexpr int kMaxSteps = 32;
    for (int step = 0; field < 0 && step < kMaxSteps; ++step) {
        DefWindowProc(WM_KEYDOWN, VK_RIGHT, 0);
        field = ReadControlField();
    }
    controlStop_ = field < 0 ? kStopUnknown : StopOf(field);
}

// The control's own Left and Right keys differ between platforms at the
// ends of the field ring, and its click targets lie where its own layout
// puts them, not where the face draws them. The control is moved with the
// steps that behave alike everywhere: Right from no field reaches the first
// editable field, Right from one editable field the next (the last wraps to
// the first), Left from the first leaves it on no field. `controlStop_`
// remembers where that left it (an index among the editable fields).
void CTWDateTime::DriveControlTo(int field) {
    const std::vector<bool> editable = Editables();
    const int stops = int(std::count(editable.begin(), editable.end(), true));
    if (stops == 0) return;
    if (controlStop_ == kStopUnknown) SettleControl();
    if (controlStop_ == kStopUnknown) return;
    const int target = StopOf(field);
    auto right = [&] {
        DefWindowProc(WM_KEYDOWN, VK_RIGHT, 0);
        controlStop_ = controlStop_ < 0 ? 0 : (controlStop_ + 1) % stops;
    };
    if (controlStop_ >= stops) controlStop_ = stops - 1;
    if (target < 0) {
        if (controlStop_ < 0) return;
        while (controlStop_ != 0) right();
        DefWindowProc(WM_KEYDOWN, VK_LEFT, 0);
        controlStop_ = -1;
        return;
    }
    for (int guard = 0; controlStop_ != target && guard <= stops; ++guard) right();
}

void CTWDateTime::HookCheckBoxChild(bool on) {
    // A hook whose call is still on the stack goes once that call returns.
    if (checkBoxHook_) hexmoor::rt::DeleteWhenUnwound(std::move(checkBoxHook_));
    if (!on || !HasStyle(DTS_SHOWNONE)) return;
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16]{};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Button") != 0) continue;
        // The control's own check box button shows the skin's box in its
        // place.
        auto hook = std::make_unique<CheckBoxChildHook>([this](HWND button, HDC dc) {
            RECT box{};
            GetWindowRect(button, &box);
            MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&box), 2);
            SetWindowOrgEx(dc, box.left, box.top, nullptr);
            DrawCheckBox(dc, checkBox_);
            SetWindowOrgEx(dc, 0, 0, nullptr);
        });
        if (hook->Attach(child)) checkBoxHook_ = std::move(hook);
        InvalidateRect(child, nullptr, TRUE);
        break;
    }
}

// The face's backdrop under `box` (client coordinates) restored.
void CTWDateTime::RestoreBackdrop(HDC dc, const RECT& box) {
    const HBITMAP background = GetBackgroundBitmap(FALSE);
    if (!background) return;
    const RECT window = WindowRectInClient();
    CTWDraw draw(dc, nullptr, FALSE);
    draw.BitBltBitmap(&box, background, box.left - window.left, box.top - window.top);
}

void CTWDateTime::DrawCheckBox(HDC dc, const RECT& box) {
    if (!element_) return;
    RestoreBackdrop(dc, box);
    SYSTEMTIME now{};
    const bool hasDate = SendMessageW(hWnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)) == GDT_VALID;
    const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
    const WORD id = hasDate ? (enabled ? kCheckedOn : kCheckedOff) : (enabled ? kUncheckedOn : kUncheckedOff);
    if (CMrgBitmap* image = element_->GetImage(id)) {
        CTWDraw draw(dc, nullptr, FALSE);
        draw.DrawSkinImage(&box, image, FALSE, nullptr);
    } else {
        RECT frame = box;
        const UINT state = DFCS_BUTTONCHECK | (hasDate ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE);
        DrawFrameControl(dc, &frame, DFC_BUTTON, state);
    }
}

void CTWDateTime::DrawFace(HDC dc, const RECT& client) {
    DrawBackdrop(dc);
    const HFONT font = GetFont();
    {
        win::SelectGuard selected(dc, font);
        const bool showNone = HasStyle(DTS_SHOWNONE);
        SYSTEMTIME now{};
        hasDate_ = SendMessageW(hWnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)) == GDT_VALID;
        if (firstFieldX_ == 1000) firstFieldX_ = showNone ? checkBox_.right + 1 : client.left;
        const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
        const bool windowFocused = GetFocus() == hWnd_;
        SetBkMode(dc, TRANSPARENT);
        int x = firstFieldX_;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const Field& field = fields_[i];
            RECT box{x, client.top, x + field.width, client.bottom};
            x += field.width;
            COLORREF colour = element_->GetColor(kText);
            if (!hasDate_ || !enabled) {
                colour = element_->GetColor(kTextNoDate);
            } else if (windowFocused && int(i) == focused_) {
                colour = element_->GetColor(kFocusText);
                win::Brush fill(CreateSolidBrush(element_->GetColor(kFocusFill)));
                FillRect(dc, &box, fill.Get());
            }
            SetTextColor(dc, colour);
            DrawTextW(dc, field.text.c_str(), int(field.text.size()), &box, kFieldTextFormat | field.align);
        }
        if (showNone) {
            DrawCheckBox(dc, checkBox_);
            if (focused_ < 0 && windowFocused) DrawFocusRect(dc, &checkBox_);
        }
        if (!HasStyle(DTS_UPDOWN)) {
            RestoreBackdrop(dc, button_);
            const WORD id = !enabled ? kButtonDisabled : (buttonState_ == 1 ? kButtonPressed : kButtonNormal);
            if (CMrgBitmap* image = element_->GetImage(id)) {
                CTWDraw draw(dc, nullptr, FALSE);
                draw.DrawSkinImage(&button_, image, FALSE, nullptr);
            } else {
                RECT box = button_;
                UINT state = DFCS_SCROLLDOWN;
                if (!enabled)
                    state |= DFCS_INACTIVE;
                else if (buttonState_ == 1)
                    state |= DFCS_PUSHED | DFCS_FLAT;
                DrawFrameControl(dc, &box, DFC_SCROLL, state);
            }
        }
    }
}

LRESULT CTWDateTime::Paint(HDC given) {
    const win::GivenOrPaintDc paint(hWnd_, given);
    const HDC target = paint.Dc();
    if (!target || !element_ || fields_.empty()) return 0;
    RECT client{};
    GetClientRect(hWnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) return 0;
    win::MemoryDC memory(target);
    win::Bitmap bitmap(win::CreateScreenBitmap(client.right, client.bottom));
    if (!memory || !bitmap) return 0;
    {
        win::SelectGuard selected(memory.Get(), bitmap.Get());
        DrawFace(memory.Get(), client);
        // Children (the up-down, the check box button) paint themselves.
        for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            RECT box{};
            GetWindowRect(child, &box);
            MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&box), 2);
            ExcludeClipRect(target, box.left, box.top, box.right, box.bottom);
        }
        BitBlt(target, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
    return 0;
}

void CTWDateTime::RepaintButton() {
    InvalidateRect(hWnd_, &button_, FALSE);
    UpdateWindow(hWnd_);
}

// The drop-down calendar is skinned on its own while it shows.
void CTWDateTime::SkinDropDown() {
    const HWND calendar = reinterpret_cast<HWND>(SendMessageW(hWnd_, DTM_GETMONTHCAL, 0, 0));
    if (calendar && !GetSkinnedWindowObject(calendar)) {
        Services().SkinAsType(calendar, ctype::kMonthCal);
        RedrawWindow(calendar, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    }
}

LRESULT CTWDateTime::OnReflectedNotify(BOOL* handled, ReflectRecord* record) {
    if (!record || record->kind != 0 || !record->data) return 0;
    const NMHDR* header = static_cast<const NMHDR*>(record->data);
    if (header->hwndFrom != hWnd_) return 0;
    if (header->code == DTN_DROPDOWN) {
        SkinDropDown();
        // The keys go to the calendar while it shows: no field is the
        // edited one until it closes.
        if (!droppedDown_) {
            droppedDown_ = true;
            fieldBeforeDropDown_ = focused_;
            focused_ = -1;
            InvalidateRect(hWnd_, nullptr, FALSE);
        }
    }
    if (header->code == DTN_CLOSEUP && droppedDown_) {
        droppedDown_ = false;
        focused_ = fieldBeforeDropDown_;
        if (GetFocus() == hWnd_) {
            SettleControl();
            // A control that cannot be brought onto a field edits none.
            if (controlStop_ == kStopUnknown) focused_ = -1;
            DriveControlTo(focused_);
        }
        BuildFields();
        InvalidateRect(hWnd_, nullptr, FALSE);
    }
    if (header->code == DTN_DATETIMECHANGE) {
        BuildFields();
        InvalidateRect(hWnd_, nullptr, FALSE);
    }
    if (handled) *handled = FALSE;
    return 0;
}

LRESULT CTWDateTime::OnKeyDown(WPARAM wp, LPARAM lp) {
    const HWND calendar = reinterpret_cast<HWND>(SendMessageW(hWnd_, DTM_GETMONTHCAL, 0, 0));
    const bool calendarOpen = calendar && IsWindowVisible(calendar);
    SYSTEMTIME now{};
    const bool hasDate = SendMessageW(hWnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)) == GDT_VALID;
    if (calendarOpen || fields_.empty() || !IsWindowEnabled(hWnd_) || !hasDate) {
        const LRESULT r = CTWWnd::WindowProc(WM_KEYDOWN, wp, lp);
        SkinDropDown();
        return r;
    }
    const bool showNone = HasStyle(DTS_SHOWNONE);
    int next = focused_;
    if (wp == VK_LEFT || wp == VK_RIGHT) {
        next = datetime::MoveFocus(Editables(), focused_, wp == VK_RIGHT, showNone);
    } else if (wp == VK_SPACE && format_.IsSet() && focused_ >= 0 && fields_.size() > 1 &&
               !(showNone && keyboardFocus_)) {
        next = datetime::MoveFocus(Editables(), focused_, true, showNone);
    }
    const bool moved = next != focused_;
    focused_ = next;
    if (moved) {
        ScrollToFocused();
        BuildFields();
    }
    if (wp == VK_LEFT || wp == VK_RIGHT || moved) {
        DriveControlTo(focused_);
        InvalidateRect(hWnd_, nullptr, FALSE);
        return 0;
    }
    const LRESULT r = CTWWnd::WindowProc(WM_KEYDOWN, wp, lp);
    SkinDropDown();
    InvalidateRect(hWnd_, nullptr, FALSE);
    return r;
}

LRESULT CTWDateTime::OnButtonDown(WPARAM wp, LPARAM lp) {
    if (!IsWindowEnabled(hWnd_)) return CTWWnd::WindowProc(WM_LBUTTONDOWN, wp, lp);
    const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
    const bool upDown = HasStyle(DTS_UPDOWN);
    if (!upDown && PtInRect(&button_, p)) {
        buttonState_ = 1;
        SetCapture(hWnd_);
        RepaintButton();
        const LRESULT r = CTWWnd::WindowProc(WM_LBUTTONDOWN, wp, lp);
        SkinDropDown();
        return r;
    }
    if (HasStyle(DTS_SHOWNONE) && PtInRect(&checkBox_, p)) {
        // The control's own click toggles the box and makes it the current
        // stop; the face follows.
        const LRESULT r = CTWWnd::WindowProc(WM_LBUTTONDOWN, wp, lp);
        focused_ = kCheckBoxFocus;
        BuildFields();
        InvalidateRect(hWnd_, nullptr, FALSE);
        return r;
    }
    SYSTEMTIME now{};
    const bool hasDate = SendMessageW(hWnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)) == GDT_VALID;
    if (hasDate && p.x >= textArea_.left && p.x < textArea_.right) {
        const int target = datetime::FieldAt(firstFieldX_, Widths(), Editables(), p.x);
        if (target >= 0) {
            if (GetFocus() != hWnd_) SetFocus(hWnd_);
            clickedField_ = true;
            // The control's own idea of where its fields lie differs from the
            // face's; it is moved to the clicked field with the keys that
            // move the face the same way.
            focused_ = target;
            DriveControlTo(focused_);
            ScrollToFocused();
            BuildFields();
            InvalidateRect(hWnd_, nullptr, FALSE);
            return 0;
        }
    }
    return CTWWnd::WindowProc(WM_LBUTTONDOWN, wp, lp);
}

LRESULT CTWDateTime::OnMouseMove(WPARAM wp, LPARAM lp) {
    if (GetCapture() == hWnd_ && !HasStyle(DTS_UPDOWN)) {
        const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        const int state = PtInRect(&button_, p) ? 1 : 0;
        if (state != buttonState_) {
            buttonState_ = state;
            RepaintButton();
        }
    }
    return CTWWnd::WindowProc(WM_MOUSEMOVE, wp, lp);
}

LRESULT CTWDateTime::OnButtonUp(WPARAM wp, LPARAM lp) {
    if (GetCapture() == hWnd_ || buttonState_ != 0) {
        buttonState_ = 0;
        if (GetCapture() == hWnd_) ReleaseCapture();
        RepaintButton();
    }
    return CTWWnd::WindowProc(WM_LBUTTONUP, wp, lp);
}

LRESULT CTWDateTime::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if ((msg == DTM_SETFORMATA || msg == DTM_SETFORMATW) && IsActive()) {
        // Any length; a null format asks for the style's locale format.
        if (!lp) {
            format_.Set(nullptr);
        } else if (msg == DTM_SETFORMATW) {
            format_.Set(reinterpret_cast<const wchar_t*>(lp));
        } else {
            const char* text = reinterpret_cast<const char*>(lp);
            const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
            std::wstring wide(std::size_t(std::max(n, 1)), L'\0');
            if (n > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
            wide.resize(wcslen(wide.c_str()));
            format_.Set(wide.c_str());
        }
    }
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT: {
        const bool rebuilt = rebuild_;
        if (rebuild_) {
            BuildFields();
            SyncControlField();
            BuildFields();
        }
        Paint(reinterpret_cast<HDC>(wp));
        if (rebuilt) rebuild_ = false;
        return 0;
    }
    case WM_PRINTCLIENT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 1;
    case WM_MOVE: GetBackgroundBitmap(TRUE); break;
    case WM_SIZE:
    case kRelayout: {
        const LRESULT r = Default();
        if (IsSkinningOn()) Layout();
        return r;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        if (msg == WM_KILLFOCUS) clickedField_ = false;
        if (!clickedField_) keyboardFocus_ = true;
        const LRESULT r = CTWWnd::WindowProc(msg, wp, lp);
        // The control may have dropped its field with the focus: it is read
        // again and brought back to the face's field.
        if (msg == WM_SETFOCUS && synced_ && !droppedDown_) {
            SettleControl();
            if (controlStop_ == kStopUnknown && !HasStyle(DTS_SHOWNONE)) focused_ = -1;
            DriveControlTo(focused_);
        }
        BuildFields();
        InvalidateRect(hWnd_, nullptr, FALSE);
        return r;
    }
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        return r;
    }
    case WM_KEYDOWN: return OnKeyDown(wp, lp);
    case WM_LBUTTONDOWN: return OnButtonDown(wp, lp);
    case WM_MOUSEMOVE: return OnMouseMove(wp, lp);
    case WM_LBUTTONUP: return OnButtonUp(wp, lp);
    case DTM_SETSYSTEMTIME:
    case DTM_SETFORMATA:
    case DTM_SETFORMATW:
    case DTM_SETMCFONT:
    case WM_SETFONT: {
        const LRESULT r = Default();
        BuildFields();
        InvalidateRect(hWnd_, nullptr, FALSE);
        return r;
    }
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        break;
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); break;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
