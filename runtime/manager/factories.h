#pragma once
// The per-kind factories of the controls manager: each builds the skinned
// object for one control type code, owns it while the window is skinned and
// publishes the element id the object is registered under.

#include <windows.h>

#include <memory>

#include "runtime/wnd/tw_wnd.h"

class CTWControlsManager;

class CCMCore {
public:
    CCMCore() = default;
    CCMCore(const CCMCore&) = delete;
    CCMCore& operator=(const CCMCore&) = delete;
    virtual ~CCMCore();

    // Builds and keeps the object, sets ElementIdOfNewObject; null when the
    // kind has no skinned class yet (the window then stays unskinned).
    virtual CTWWnd* CreateObject(HWND hwnd) = 0;
    // Deletes the object now, or once its window procedure has unwound when
    // one of its messages is still being handled.
    void DestroyObject();
    void DetachObject();

    CTWWnd* GetObject() const { return object_.get(); }
    // Puts in an object made elsewhere (the frame attached beside a window).
    void SetObject(std::unique_ptr<CTWWnd> object) { object_ = std::move(object); }

protected:
    std::unique_ptr<CTWWnd> object_;
};

// The factory of one control type code, driven by the kind table.
class CCMControl : public CCMCore {
public:
    explicit CCMControl(int code) : code_(code) {}
    CTWWnd* CreateObject(HWND hwnd) override;
    int GetCode() const { return code_; }

private:
    int code_;
};

// The frame factory: creates nothing, its object is put in by AttachFrame.
class CCMFrame : public CCMCore {
public:
    CTWWnd* CreateObject(HWND) override { return nullptr; }
};

// A new factory for the codes whose skinned class exists; null for every
// other code (codes of kinds whose skinned windows come later included).
std::unique_ptr<CCMControl> CreateControlFactory(int code);

// The element id the last CreateObject registered its object under.
extern WORD ElementIdOfNewObject;

// The element id a code's object is registered under (a rich edit uses the
// edit element); 0 for codes without a kind.
WORD ElementIdOfCode(int code);

// The dialog kind: a dialog object, or for the system colour picker the
// colour-dialog object (a button-base class that comes with the control
// windows); kind 0 dialog, kind 1 colour dialog.
std::unique_ptr<CTWWnd> CreateDialogObject(int kind);
