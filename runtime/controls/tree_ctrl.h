#pragma once
// The skinned tree view: the whole client area painted over the element's
// background, item by visible item: state image, image, selection, text,
// the expand button and the connecting lines, from the element's images
// where it has them and as black dotted lines and boxed plus/minus
// buttons where it has not. Selection, expansion, scrolling and editing
// stay with the control.

#include "runtime/controls/bordered_list.h"

class CTWTreeCtrl : public CTWBorderedList {
public:
    CTWTreeCtrl();

    BOOL Enable(BOOL on) override;
    void SetActive(BOOL on, WORD scope) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord* record) override;
    LRESULT Paint(HDC dc) override;
    void OnEnable() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Detach() override;

    HTREEITEM GetEditedItem() const { return editedItem_; }
    // The tree of the system folder browser (decided when skinning starts).
    bool IsFolderBrowser() const { return folderBrowser_; }
    // Told by the label edit box when it is destroyed: its row is drawn
    // again even when the control sent no end-of-edit notification.
    void ForgetLabelEdit(HWND edit);

private:
    void MakeBoldFont();
    // Removes and sets again the line and button styles, so that the control
    // drops what it cached of its own drawing.
    void RenewLineStyles();
    void PaintItems(HDC dc);
    void StartLabelEdit(HWND edit, HTREEITEM item);
    // The control's own handling with redraw switched off around it.
    LRESULT QuietDefault();

    bool folderBrowser_ = false;
    hexmoor::win::Font boldFont_;
    HWND editWindow_ = nullptr;
    HTREEITEM editedItem_ = nullptr;
};
