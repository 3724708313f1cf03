// Hand releases the check must name; DeleteObject(x) in a comment is not one.
void Paint(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
    ::SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    HFONT previousFont = SelectFont(dc, GetStockFont(DEFAULT_GUI_FONT));
    DeleteBrush(CreateSolidBrush(RGB(1, 2, 3)));
    DeleteRgn(region);
    SelectBitmap(memory, bitmap);
    const char* text = "DeleteDC(dc) in a string is not one either";
    /* nor EndPaint(hwnd, &ps) in a block comment */
}
