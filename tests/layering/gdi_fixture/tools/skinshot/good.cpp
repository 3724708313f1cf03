// Owners release: nothing here to name.
void Copy(HWND hwnd) {
    const hexmoor::win::WindowDC dc(hwnd);
    const hexmoor::win::SelectGuard select(dc.Get(), GetStockObject(BLACK_PEN));
}
