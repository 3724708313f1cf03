#pragma once
// The subclassers of controls that keep their own scroll data: edits, list
// boxes (and combo drop lists), list views and tree views. Around every
// message that can change the control's scroll data they copy the real data
// into the scroll-bar engine (mostly by a posted resync, so it runs once
// after the control has finished), and they turn the engine's scroll
// messages back into real scrolling of the control.

#include "runtime/scroll/subclass_wnd.h"

class CControlScroll : public CSubclassWnd {
public:
    enum class Kind { Edit, ListBox, ListView, Tree };
    explicit CControlScroll(Kind kind) : kind_(kind) {}
    ~CControlScroll() override;
    BOOL SubclassWindow(HWND hwnd) override;
    int UnsubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT DefaultThenPost(LRESULT answer, bool returnDefault);
    void OnScroll(UINT msg, WPARAM wp);
    bool ListViewThumb(int bar, int newPosition);

    Kind kind_;
    BOOL comboList_ = FALSE;
    HWND simpleCombo_ = nullptr;
};

class CEditScroll : public CControlScroll {
public:
    CEditScroll() : CControlScroll(Kind::Edit) {}
};
class CListBoxScroll : public CControlScroll {
public:
    CListBoxScroll() : CControlScroll(Kind::ListBox) {}
};
class CListCtrlScroll : public CControlScroll {
public:
    CListCtrlScroll() : CControlScroll(Kind::ListView) {}
};
class CTreeCtrlScroll : public CControlScroll {
public:
    CTreeCtrlScroll() : CControlScroll(Kind::Tree) {}
};
