#pragma once
// The skinned list box: ordinary lists, check lists (selection shown as
// check marks, or a host check list's own states) and the drop list of a
// combo box. It paints the whole client area itself from the element's
// background, rows, selection, focus and check marks; the control keeps
// its selection logic, scrolling and keyboard.

#include "runtime/controls/bordered_list.h"
#include "runtime/logic/list_layout.h"

class CTWListBox : public CTWBorderedList {
public:
    CTWListBox();

    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord* record) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM params) override;
    void OnEnable() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL Attach(HWND hwnd, int type) override;
    void SetActive(BOOL on, WORD scope) override;

    // An owner-drawn row in plain mode, handed over by the parent.
    virtual LRESULT DrawItem(DRAWITEMSTRUCT* item);

    hexmoor::rt::lists::CheckMode GetCheckMode() const { return checkMode_; }
    BOOL IsDropList() const { return dropList_; }
    HWND GetComboWindow() const { return combo_; }

protected:
    void FillUnderBackground(HDC dc, const RECT& window) override;
    BOOL BackgroundCentreOnly() const override { return IsFramedDropList(); }
    BOOL KeepsSystemBorder() const override { return IsFramedDropList(); }

private:
    // A drop list of a combo box that is not CBS_SIMPLE: white under its
    // image and a one-pixel frame instead of the skin's border.
    BOOL IsFramedDropList() const;
    void RecogniseDropList();
    void SyncWithCombo();
    void DrawCheckBox(HDC dc, const RECT& box, int check, bool disabled, bool greyWindow);
    void PaintCaretRow();

    BOOL synced_ = FALSE;
    hexmoor::rt::lists::CheckMode checkMode_ = hexmoor::rt::lists::CheckMode::Plain;
    HWND combo_ = nullptr;
    BOOL dropList_ = FALSE;
    // Set when Enable found the window is left to the system; keeps the
    // object inactive until the next Enable decides again.
    BOOL refused_ = FALSE;
};
