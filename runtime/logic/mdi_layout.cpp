#include "runtime/logic/mdi_layout.h"

namespace hexmoor::rt {

std::vector<Rect> TileMdiChildren(int n, const Rect& client, bool horizontal) {
    std::vector<Rect> out;
    if (n <= 0 || client.IsEmpty()) return out;
    int c = 1;
    while ((c + 1) * (c + 1) <= n) ++c;
    const int columns = horizontal ? c : n / c;
    const int rows = horizontal ? n / c : c;
    const int longer = n % c; // the last `longer` columns hold one row more
    const int width = client.Width() / columns;
    for (int col = 0; col < columns; ++col) {
        const int colRows = rows + (col >= columns - longer ? 1 : 0);
        const int height = client.Height() / colRows;
        for (int row = 0; row < colRows; ++row)
            out.push_back(Rect::XYWH(client.left + col * width, client.top + row * height, width, height));
    }
    return out;
}

std::vector<Rect> CascadeMdiChildren(int n, const Rect& client, Size frameStep, Size systemStep) {
    std::vector<Rect> out;
    const Size step = frameStep.cx > 0 && frameStep.cy > 0 ? frameStep : systemStep;
    const int k = step.cy > 0 ? client.Height() / (3 * step.cy) : 0;
    for (int i = 0; i < n; ++i) {
        const int j = i % (k + 1);
        out.push_back(Rect::XYWH(client.left + j * step.cx, client.top + j * step.cy, client.Width() - k * step.cx,
                                 client.Height() - k * step.cy));
    }
    return out;
}

} // namespace hexmoor::rt
