#include "editor/imaging/child_window.h"

#include <algorithm>

#include "base/win/dib.h"

namespace hexmoor::preview {

bool CreateChildWindow(fw::Window& window, HWND parent, const RECT& rect, int id, DWORD style, const wchar_t* text) {
    fw::WindowArgs args;
    args.text = text ? text : L"";
    args.style = style;
    args.x = rect.left;
    args.y = rect.top;
    args.width = rect.right - rect.left;
    args.height = rect.bottom - rect.top;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return window.Create(args);
}

void PaintBuffered(HWND hwnd, const std::function<void(HDC, const RECT&)>& draw) {
    win::PaintScope paint(hwnd);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    win::MemoryDC memory(paint.Dc());
    win::Bitmap canvas(win::CreateScreenBitmap(std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    win::SelectGuard select(memory.Get(), canvas.Get());
    draw(memory.Get(), client);
    ::BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

} // namespace hexmoor::preview
