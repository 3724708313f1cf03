#pragma once
// The base of every skinned-window object: links one window to one skin
// element object, subclasses the window with the common window procedure,
// and gives every skinned class the same dispatch, skin-change protocol and
// reflection of parent notifications to the child that sent them.

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>

#include "base/win/gdi.h"
#include "runtime/fade.h"
#include "runtime/subclass.h"
#include "runtime/text/support_unicode.h"

class CTwfObj;
class CTwfSkin;
class CMrgBitmap;
class CSubclassWnd;

// Style bits a skinned object added to or removed from its window, so that
// exactly those are undone when skinning is switched off.
struct StyleRecord {
    DWORD styleRemoved = 0;
    DWORD exStyleRemoved = 0;
    DWORD styleAdded = 0;
    DWORD exStyleAdded = 0;
};

// What a parent hands to the child's object when it reflects a notification.
struct ReflectRecord {
    const void* data = nullptr; // {control, id, code} / NMHDR / {item window, wParam, message}
    int kind = 0;               // 0 notify, 1 command, 3 draw item
    LPARAM lParam = 0;
    WNDPROC parentOldProc = nullptr;
    HWND itemWindow = nullptr;
};

struct CommandData {
    HWND control;
    UINT id;
    UINT code;
};

class CTWWnd {
public:
    CTWWnd();
    CTWWnd(const CTWWnd&) = delete;
    CTWWnd& operator=(const CTWWnd&) = delete;
    virtual ~CTWWnd();

    // --- virtual operations ------------------------------------------------
    virtual BOOL Enable(BOOL on);
    virtual int ApplySkin(BOOL on, WORD scope);
    virtual LRESULT OnScrollBarCustomDraw(LRESULT marker, NMCUSTOMDRAW* record);
    virtual LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord* record);
    virtual LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent);
    virtual LRESULT OnReflectedCommand(BOOL* handled, ReflectRecord* record);
    virtual LRESULT Paint(HDC dc);
    virtual LRESULT OnPrintClient(HDC dc, DWORD flags);
    virtual LRESULT PaintBorder(HDC dc);
    virtual LRESULT OnNcPaint(HDC dc);
    virtual LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params);
    virtual LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM params);
    virtual LRESULT Default();
    virtual HBITMAP GetBackgroundBitmap(BOOL rebuild);
    virtual void OnEnable();
    virtual void OnDisable();
    virtual void DestroyScrollHelper();
    // The font the object draws its text in (the element's, else the
    // window's, else the stock GUI font); the object or the system keeps it.
    virtual HFONT GetFont();
    virtual LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect);
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual void RedrawNow(BOOL nonClient);
    virtual CTwfObj* SetSkin(CTwfSkin* skin, WORD type, const std::wstring& name);
    virtual void SetSkinObject(CTwfObj* element);
    virtual void InitMode(const char* className);
    virtual void GetRect(RECT* out) const;
    virtual BOOL IsRTL() const;
    virtual BOOL Attach(HWND hwnd, int type);
    virtual void Detach();
    virtual void Reattach();
    virtual int ChangeSkin(int relayout, BOOL children);
    virtual void Reset(const std::wstring& name);
    virtual void SetActive(BOOL on, WORD scope);

    // --- plain members -----------------------------------------------------
    HWND GetSafeHwnd() const { return hWnd_; }
    int GetType() const { return type_; }
    CTwfObj* GetSkinObject() const { return element_; }
    // The skin that owns this window's element; null without element.
    CTwfSkin* GetTwfSkin() const;
    // The scroll-bar engine's subclasser serving this window; null while
    // no engine serves it.
    CSubclassWnd* GetScrollHandler() const { return scrollHelper_.get(); }
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    BYTE GetMode() const { return mode_; }
    void SetMode(BYTE mode) { mode_ = mode; }
    // Selects GetFont into the DC until the guard ends (nothing without a
    // font).
    hexmoor::win::SelectGuard SelectWindowFont(HDC dc);
    CTwfObj* FindSkinElement(WORD type, const std::wstring& name) const;
    CTwfObj* FindSkinElementOfType(WORD type) const;
    CTwfObj* SetScrollBarSkin(CTwfSkin* skin, const std::wstring& name);
    CTwfObj* GetScrollBarSkin() const { return scrollElement_; }
    void SetScrollBarElement(CTwfObj* element) { scrollElement_ = element; }
    void UpdateScrollBarSizes();
    CTwfSkin* InheritParentSkin(BOOL apply);
    void SetFadeEffect(const hexmoor::rt::FadeRecord& record);
    const std::shared_ptr<hexmoor::rt::FadeState>& GetFade() const { return fade_; }
    BOOL IsFadeEnabled() const { return fadeEnabled_; }
    void DrawParentDialogBackground(HDC dc);
    void AddChildObject(CTWWnd* child);
    void RemoveChildObject(HWND child);
    CTWWnd* LookupChildObject(HWND child) const;
    const std::map<HWND, CTWWnd*>& GetChildMap() const { return children_; }
    HBITMAP BuildScrollBarBackground(NMCUSTOMDRAW* record, BOOL rebuild);
    CMrgBitmap* GetScrollBarPartImage(int bar, int part, int state, BOOL enabled) const;
    void SetRedraw(BOOL on);

    BOOL IsActive() const { return active_; }
    WORD GetScope() const { return scope_; }
    BOOL IsApplied() const { return applied_; }
    void SetApplied(BOOL applied) { applied_ = applied; }
    BOOL IsForceWide() const { return forceWide_; }
    // Texts of the window in the form that fits it (wide when forced).
    CSupportUnicode Unicode() const { return CSupportUnicode(hWnd_, forceWide_ != FALSE); }
    void SetForceWide(BOOL wide) { forceWide_ = wide; }
    BOOL IsPaintEnabled() const { return paintEnabled_; }
    void SetPaintEnabled(BOOL on) { paintEnabled_ = on; }
    const std::wstring& GetElementName() const { return elementName_; }
    void SetElementName(const std::wstring& name) { elementName_ = name; }
    CTwfSkin* GetExplicitSkin() const { return explicitSkin_; }
    void SetExplicitSkin(CTwfSkin* skin) { explicitSkin_ = skin; }
    WORD GetSkinId() const { return skinId_; }
    void SetSkinId(WORD id) { skinId_ = id; }
    BOOL HasCustomColor() const { return customColorSet_; }
    COLORREF GetCustomColor() const { return customColor_; }
    void SetCustomColor(COLORREF color) {
        customColorSet_ = TRUE;
        customColor_ = color;
    }
    StyleRecord& Styles() { return styles_; }
    // Drops the cached bitmaps (a new skin makes them stale).
    void DropCachedGdiObjects();

    // True when skinning draws this window now: active object, skin id on,
    // element present and switched on.
    bool IsSkinningOn() const;

    // The window procedure this object forwards to (kept after a detach).
    const hexmoor::rt::SubclassLink& OldProc() const { return subclass_.Link(); }

    // Calls of this object's window procedure on the thread's stack; the
    // object is deleted only once the outermost call has returned.
    int NestingDepth() const { return hexmoor::rt::CallsOnStack(this); }

protected:
    LRESULT Reflect(int kind, const void* data, HWND child, UINT msg, WPARAM wp, LPARAM lp);
    // Adds and removes style bits, remembering what changed so it can be undone.
    void ChangeStyle(DWORD add, DWORD remove);
    void ChangeExStyle(DWORD add, DWORD remove);
    void RestoreStyles();

    std::wstring elementName_;
    StyleRecord styles_;
    HWND hWnd_ = nullptr;
    // Our procedure on the window: the common one, or the frame's or the menu
    // bar's for those objects.
    hexmoor::rt::Subclass subclass_;
    int type_ = -1;
    BOOL fadeEnabled_ = FALSE;
    BOOL fadeArmed_ = FALSE;
    std::shared_ptr<hexmoor::rt::FadeState> fade_;
    BOOL active_ = FALSE;
    WORD scope_ = 0;
    BOOL applied_ = FALSE;
    BOOL forceWide_ = FALSE;
    BOOL paintEnabled_ = TRUE;
    CTwfObj* scrollElement_ = nullptr;
    hexmoor::win::Bitmap background_;
    hexmoor::win::Bitmap scrollBackground_;
    RECT rect_{0, 0, 0, 0};
    CTwfObj* element_ = nullptr;
    CTwfSkin* explicitSkin_ = nullptr;
    BYTE mode_ = 0;
    std::unique_ptr<CSubclassWnd> scrollHelper_;
    WORD skinId_ = 1;
    std::map<HWND, CTWWnd*> children_;
    BOOL customColorSet_ = FALSE;
    COLORREF customColor_ = 0;
    bool themeDisabled_ = false;
};

// The message the common window procedure is handling on this thread;
// saved and restored around every call so nested messages see their own.
const MSG& CurrentMessage();

// The common window procedure of every skinned window.
LRESULT CALLBACK TWWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// EnumChildWindows callback of CTWWnd::ApplySkin: lParam points to {on, scope}.
BOOL CALLBACK ApplySkinToChildProc(HWND child, LPARAM lp);

// Border kind: 1 client or static edge, 2 plain border, 0 none.
int GetBorderKind(HWND hwnd);

// The answer skinned windows give to TWM_ISSKINNED.
LRESULT SkinnedWindowMarker();

// Deletes the object now, or, while a call of its window procedure is still
// on the stack, once the outermost one returns.
void DeleteWhenUnwound(std::unique_ptr<CTWWnd> object);
