#pragma once
// The skinned list view. In report view it paints the whole client area
// itself, row by row and column by column, over the element's background:
// selection, hot item, focus, state and small images, texts and grid lines.
// The other views and owner-drawn report views paint themselves into the
// same buffer over the skin background. The header is a separate skinned
// window that the list keeps out of its own painting.

#include "runtime/controls/bordered_list.h"

class CTWListCtrl : public CTWBorderedList {
public:
    CTWListCtrl();

    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord* record) override;
    LRESULT Paint(HDC dc) override;
    void OnEnable() override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // Set by LVM_EDITLABEL; read and cleared by the skinned edit box.
    BOOL IsLabelEditRequested() const { return labelEditRequested_; }
    void SetLabelEditRequested(BOOL requested) { labelEditRequested_ = requested; }
    // While set, the list keeps its object but draws nothing of its own
    // (skinning switched off for this window alone).
    BOOL IsKeepingObject() const { return keepObject_; }
    void SetKeepObject(BOOL keep) { keepObject_ = keep; }
    BOOL IsLabelEditing() const { return labelEditing_; }

private:
    // An element stored switched off in the skin file leaves all painting to
    // the control.
    bool Reduced() const;
    void PaintReport(HDC dc);
    void PaintByControl(HDC dc);
    // Visual Basic hosts: whether the control paints the other views straight
    // into the target, and the control's own paint run after the report rows.
    bool PaintsControlDirectly() const;
    void RunControlPaintQuietly();
    void InvalidateBelowHeader();
    void SetImageListsTransparent();

    BOOL labelEditing_ = FALSE;
    BOOL hasFocus_ = FALSE;
    BOOL labelEditRequested_ = FALSE;
    BOOL keepObject_ = FALSE;
    HFONT font_ = nullptr;
    int edge_ = 2;
};
