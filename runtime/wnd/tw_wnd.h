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

#include "runtime/gdi/gdi_handles.h"
#include "runtime/subclass.h"
#include "runtime/wnd/fade.h"

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
    const void* data = nullptr;  // {control, id, code} / NMHDR / {item window, wParam, message}
    int kind = 0;                // 0 notify, 1 command, 3 draw item
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
    virtual HFONT GetFont(BOOL* owned);
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
    HWND GetSafeHwnd() const { return m_hWnd; }
    int GetType() const { return m_type; }
    CTwfObj* GetSkinObject() const { return m_element; }
    // The skin that owns this window's element; null without element.
    CTwfSkin* GetTwfSkin() const;
    // The scroll-bar engine's subclasser serving this window; null while
    // no engine serves it.
    CSubclassWnd* GetScrollHandler() const { return m_scrollHelper.get(); }
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    BYTE GetMode() const { return m_mode; }
    void SetMode(BYTE mode) { m_mode = mode; }
    HFONT SelectFont(HDC dc, BOOL* owned);
    CTwfObj* FindSkinElement(WORD type, const std::wstring& name) const;
    CTwfObj* FindSkinElementOfType(WORD type) const;
    CTwfObj* SetScrollBarSkin(CTwfSkin* skin, const std::wstring& name);
    CTwfObj* GetScrollBarSkin() const { return m_scrollElement; }
    void SetScrollBarElement(CTwfObj* element) { m_scrollElement = element; }
    void UpdateScrollBarSizes();
    CTwfSkin* InheritParentSkin(BOOL apply);
    void SetFadeEffect(const hexmoor::rt::FadeRecord& record);
    const std::shared_ptr<hexmoor::rt::FadeState>& GetFade() const { return m_fade; }
    BOOL IsFadeEnabled() const { return m_fadeEnabled; }
    void DrawParentDialogBackground(HDC dc);
    void AddChildObject(CTWWnd* child);
    void RemoveChildObject(HWND child);
    CTWWnd* LookupChildObject(HWND child) const;
    const std::map<HWND, CTWWnd*>& GetChildMap() const { return m_children; }
    HBITMAP BuildScrollBarBackground(NMCUSTOMDRAW* record, BOOL rebuild);
    CMrgBitmap* GetScrollBarPartImage(int bar, int part, int state, BOOL enabled) const;
    void SetRedraw(BOOL on);

    BOOL IsActive() const { return m_active; }
    WORD GetScope() const { return m_scope; }
    BOOL IsApplied() const { return m_applied; }
    void SetApplied(BOOL applied) { m_applied = applied; }
    BOOL IsForceWide() const { return m_forceWide; }
    void SetForceWide(BOOL wide) { m_forceWide = wide; }
    BOOL IsPaintEnabled() const { return m_paintEnabled; }
    void SetPaintEnabled(BOOL on) { m_paintEnabled = on; }
    const std::wstring& GetElementName() const { return m_elementName; }
    void SetElementName(const std::wstring& name) { m_elementName = name; }
    CTwfSkin* GetExplicitSkin() const { return m_explicitSkin; }
    void SetExplicitSkin(CTwfSkin* skin) { m_explicitSkin = skin; }
    WORD GetSkinId() const { return m_skinId; }
    void SetSkinId(WORD id) { m_skinId = id; }
    BOOL HasCustomColor() const { return m_customColorSet; }
    COLORREF GetCustomColor() const { return m_customColor; }
    void SetCustomColor(COLORREF color) {
        m_customColorSet = TRUE;
        m_customColor = color;
    }
    StyleRecord& Styles() { return m_styles; }
    // Drops the cached bitmaps (a new skin makes them stale).
    void DropCachedGdiObjects();

    // True when skinning draws this window now: active object, skin id on,
    // element present and switched on.
    bool IsSkinningOn() const;

    // The window procedure this object forwards to (kept after a detach, so
    // that a later subclasser's saved link to us keeps working).
    const hexmoor::rt::SubclassLink& OldProc() const { return m_oldProc; }

    // Nesting of the common window procedure over this object; the object is
    // deleted only once the outermost call has returned.
    int NestingDepth() const { return m_depth; }

protected:
    friend LRESULT CALLBACK TWWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class TWWndProcFrame;

    LRESULT Reflect(int kind, const void* data, HWND child, UINT msg, WPARAM wp, LPARAM lp);
    // Adds and removes style bits, remembering what changed so it can be undone.
    void ChangeStyle(DWORD add, DWORD remove);
    void ChangeExStyle(DWORD add, DWORD remove);
    void RestoreStyles();

    std::wstring m_elementName;
    StyleRecord m_styles;
    HWND m_hWnd = nullptr;
    hexmoor::rt::SubclassLink m_oldProc;
    int m_type = -1;
    BOOL m_fadeEnabled = FALSE;
    BOOL m_fadeArmed = FALSE;
    std::shared_ptr<hexmoor::rt::FadeState> m_fade;
    BOOL m_active = FALSE;
    WORD m_scope = 0;
    BOOL m_applied = FALSE;
    BOOL m_forceWide = FALSE;
    BOOL m_paintEnabled = TRUE;
    CTwfObj* m_scrollElement = nullptr;
    hexmoor::rt::BitmapHandle m_background;
    hexmoor::rt::BitmapHandle m_scrollBackground;
    RECT m_rect{0, 0, 0, 0};
    CTwfObj* m_element = nullptr;
    CTwfSkin* m_explicitSkin = nullptr;
    BYTE m_mode = 0;
    std::unique_ptr<CSubclassWnd> m_scrollHelper;
    WORD m_skinId = 1;
    std::map<HWND, CTWWnd*> m_children;
    BOOL m_customColorSet = FALSE;
    COLORREF m_customColor = 0;
    bool m_themeDisabled = false;
    int m_depth = 0;
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

// Hands ownership of an object whose window procedure is still running on
// the stack to the thread's deferred list; it is deleted when the outermost
// call returns.
void DeleteWhenUnwound(std::unique_ptr<CTWWnd> object);
