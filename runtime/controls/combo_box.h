#pragma once
// Skinned combo boxes. Drop-down and drop-down-list combos get a face image,
// an arrow image in the drop-down part and a border from the same face (and,
// for drop-down lists, the selected item's text in the element's colours);
// the child edit of a drop-down combo is placed by the object itself. Simple
// combos frame their child edit with the edit element's image. The drop list
// and the child edit are skinned by their own classes, with the combo's face
// served to them as their background.

#include "runtime/hover_tracker.h"
#include "runtime/logic/combo_layout.h"
#include "runtime/wnd/tw_wnd.h"

class CTWComboBox : public CTWWnd {
public:
    // Visual states of the drop-down part.
    static constexpr int kNormal = 0, kHot = 1, kDropped = 2;

    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT OnReflectedCommand(BOOL* handled, ReflectRecord* record) override;
    LRESULT Paint(HDC dc) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    void OnEnable() override {}
    void OnDisable() override {}
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void GetRect(RECT* out) const override;
    void Reset(const std::wstring& name) override;

    int GetState() const { return state_; }
    // 0 none; of an owner-drawn common-dialog combo: 1 for id 1137, 2 for
    // id 1148.
    int GetCommonDialogRole() const { return role_; }
    // The drop list (read once).
    HWND GetListWindow();
    // Without `childText` the text area of a combo with a child edit is left
    // empty and the child is not looked up (a server round trip under Wine).
    hexmoor::rt::combo::Parts GetParts(bool childText = true) const;
    int GetDropWidth() const;

private:
    hexmoor::rt::combo::Kind Kind() const;
    void LayoutEdit();
    // Wine's WM_SETREDRAW(FALSE) drops the pending paints of the combo's
    // children: the edit and the list are repainted after each quiet block.
    void RepaintChildren();
    LRESULT QuietDefault();
    void SetState(int state);
    LRESULT PaintSystemFace(HDC dc, const RECT& client);

    int state_ = kNormal;
    hexmoor::rt::HoverTracker hover_;
    HWND list_ = nullptr;
    int role_ = 0;
    // An owner-drawn combo outside the common dialogs: the control keeps its
    // own look (the caller may switch the object on again after Enable).
    bool systemLook_ = false;
};
