#pragma once
// Skinned edit boxes. The system edit keeps all editing, selection,
// scrolling and caret logic; the skinned object draws what is seen: the
// border and background from the edit element's image, the text line by line
// in the element's colours with the selection in its selection colours, and
// password characters. Around each message after which the control would
// paint, the control's painting is turned off, the control does its work, and
// the object repaints the whole control itself and puts the caret where its
// own painting put the characters.
//
// Rich edits paint their own text: CTWRichEdit (and an edit object attached
// to a "RichEdit..." window) keep only the skinned border and background.

#include "runtime/logic/edit_text.h"
#include "runtime/wnd/tw_wnd.h"

namespace hexmoor::rt::edit {
// The edit element's text colours.
inline constexpr WORD kTextColour = 13, kSelectionBack = 14, kDisabledText = 15, kSelectedText = 16;
} // namespace hexmoor::rt::edit

class CTWEdit : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT OnReflectedCommand(BOOL* handled, ReflectRecord* record) override;
    LRESULT Paint(HDC dc) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    void OnEnable() override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void GetRect(RECT* out) const override;
    void Reset(const std::wstring& name) override;

    virtual LRESULT OnKeyDown(WPARAM key, LPARAM lp);
    virtual LRESULT OnChar(WPARAM wp, LPARAM lp);

    // The combo box or up-down control that contains the edit, or the list
    // or tree view that opened it as a label editor; null otherwise.
    HWND GetHostWindow() const { return host_; }
    void SetHostWindow(HWND host) { host_ = host; }
    bool IsRichEdit() const { return richEdit_ != FALSE; }
    // The up-down control whose buddy the edit is and the side of the edit
    // it sits on (4 right, 8 left; 0 none): the edit's image then spans
    // both windows, so the edit's border stays open toward the arrows and
    // the arrows show its far side. The background is rebuilt and the
    // border repainted.
    void SetSpinSide(HWND spin, int side);
    int GetSpinSide() const { return spinSide_; }
    // The advance of a run of text in the DC's font: the run written twice
    // less the run once, so the last character's overhang does not count.
    static int MeasureEditRun(HDC dc, const wchar_t* run, int length);

    // The selection as the control answers EM_GETSEL.
    hexmoor::rt::edit::Selection GetEditSelection() const;
    // Puts the caret at the selection's start (or end).
    void PlaceEditCaret(BOOL atStart);
    // Puts the caret at the character under a client point, when that lies
    // in the client area.
    void SyncEditCaret(POINT point);
    // Where the caret stands after the last character.
    POINT GetEditEndPosition() const;

protected:
    // The control's own handling with its painting off.
    LRESULT Quiet();
    bool Gated() const;
    bool IsMultiLine() const;
    void PaintEditText(HDC dc);
    // `firstAt` is where the control places the line's first character.
    void DrawEditLineBidi(HDC dc, const std::wstring& text, int lineIndex, int firstChar, POINT firstAt, RECT line,
                          hexmoor::rt::edit::SelectionCut cut, bool rtlReading);
    // The position of a character (x and y as signed 16-bit halves); false
    // when the control answers -1, -1.
    bool PosFromChar(int index, POINT* out) const;
    // The box the edit's image spans, in screen coordinates: the window,
    // widened over an up-down control on the side it was told.
    RECT ImageBox() const;

    BOOL paintSuppressed_ = FALSE;
    HWND host_ = nullptr;
    BOOL mouseSelecting_ = FALSE;
    int savedStart_ = 0;
    int savedEnd_ = 0;
    BOOL richEdit_ = FALSE;
    POINT lastMouse_{-1, -1};
    HWND spin_ = nullptr;
    int spinSide_ = 0;
    // Switched off by Enable (label editor, owner-drawn combo): the control
    // keeps its own look even when the caller switches the object on again.
    bool systemLook_ = false;
};

class CTWRichEdit : public CTWEdit {
public:
    LRESULT OnReflectedCommand(BOOL* handled, ReflectRecord* record) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void RedrawNow(BOOL nonClient) override;
};
