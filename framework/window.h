#pragma once
// The one thin base of every window the editor drives: windows of our own
// classes (bound at WM_NCCREATE), subclassed system controls and dialogs.
// Messages are decoded once here into typed hooks; notifications a child
// sends to its parent are reflected to the child's object first.

#include <windows.h>

#include <string>

namespace hexmoor::fw {

class CommandTable;

struct WindowArgs {
    DWORD exStyle = 0;
    std::wstring className; // empty: the class registered for Window objects
    std::wstring text;
    DWORD style = WS_CHILD | WS_VISIBLE;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;
    HICON icon = nullptr;         // for our own class: the class icon
    HICON smallIcon = nullptr;    // and its small form (made from `icon` when none)
    HBRUSH background = nullptr;  // for our own class: the class brush
    UINT classStyle = CS_DBLCLKS; // for our own class
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    bool IsAlive() const { return hwnd_ != nullptr; }

    // The object bound to a window, or null for windows we do not drive.
    static Window* FromHandle(HWND hwnd);

    // Creates a window of our own class (or of args.className when given,
    // which is then subclassed) bound to this object.
    bool Create(const WindowArgs& args);
    // Binds this object to an existing window by subclassing it.
    bool Attach(HWND hwnd);
    // Unbinds without destroying the window.
    void Detach();
    // Destroys the window; the object stays usable for a new Create.
    void Destroy();

    // Full message access; the default decodes into the hooks below.
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // Keyboard pre-translation, called by the application's loop for this
    // window and each of its ancestors, nearest first. True: consumed.
    virtual bool PreTranslateMessage(MSG& msg) { return false; }
    // Command handlers and update handlers of this window, or null.
    virtual CommandTable* Commands() { return nullptr; }

protected:
    // Typed hooks. Those returning bool report whether they handled the
    // message; unhandled messages get the default processing.
    virtual int OnCreate(CREATESTRUCTW* cs) { return 0; }
    virtual void OnDestroy() {}
    virtual void OnSize(UINT type, int cx, int cy) {}
    virtual bool OnPaint() { return false; }
    virtual bool OnEraseBackground(HDC dc) { return false; }
    virtual bool OnCommand(UINT id, UINT code, HWND control) { return false; }
    virtual bool OnNotify(NMHDR* hdr, LRESULT& result) { return false; }
    virtual void OnTimer(UINT_PTR id) {}
    virtual bool OnClose() { return false; }
    // Notifications this window sent to its parent, reflected back to it.
    virtual bool OnReflectedCommand(UINT code, LRESULT& result) { return false; }
    virtual bool OnReflectedNotify(NMHDR* hdr, LRESULT& result) { return false; }
    virtual bool OnReflectedDrawItem(DRAWITEMSTRUCT* dis) { return false; }
    virtual bool OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) { return false; }
    // After WM_NCDESTROY, once the window is gone.
    virtual void OnFinalMessage() {}

    // The child window with this control id, or null.
    HWND ChildWithId(int id) const;
    // The processing the window would get without this object.
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // The default processing of a window of our own class: DefWindowProc,
    // or what an MDI frame or child uses in its place.
    virtual LRESULT DefaultOwnClassProc(UINT msg, WPARAM wp, LPARAM lp);

    // Dialogs: the dialog manager supplies the default processing.
    enum class Kind { OwnClass, Subclassed, Dialog };
    Kind kind_ = Kind::OwnClass;
    bool defaultRequested_ = false; // dialogs: the message was not handled

    // Binds this object to hwnd (used by dialogs before WM_NCCREATE).
    void Bind(HWND hwnd, Kind kind);

private:
    friend std::wstring OwnWindowClass(HICON, HICON, HBRUSH, UINT);
    static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    friend class Dialog;
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void Unbind();

    HWND hwnd_ = nullptr;
    WNDPROC previousProc_ = nullptr; // subclassed windows: the procedure replaced
    int nesting_ = 0;
    bool finalPending_ = false;
};

// Registers (once per process) the window class used for Window objects
// with the given icon, brush and class style, and returns its name.
std::wstring OwnWindowClass(HICON icon, HICON smallIcon, HBRUSH background, UINT classStyle);

// The module that holds the editor's resources.
HINSTANCE ResourceModule();

// Whether the window itself is shown (its own WS_VISIBLE), whatever its
// parents are: a child of a frame not yet shown counts as shown.
inline bool ShownInParent(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// Shows a top-level window as ShowWindow(SW_SHOW, or SW_SHOWNA without
// `activate`) does, with one difference when it was hidden: the window and
// every window in it erase their background in their first paint, with the
// paint's DC, instead of each being erased at once with a DC of its own
// (the paint follows anyway). A window with many children shows faster.
// For a window already sized while hidden: a first WM_SIZE and WM_MOVE that
// ShowWindow would still owe a window never sized are not sent.
void ShowErasingInPaint(HWND hwnd, bool activate);

} // namespace hexmoor::fw
