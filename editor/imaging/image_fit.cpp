#include "editor/imaging/image_fit.h"

#include <cstdlib>

namespace hexmoor::preview {

Rect FitImageRect(Size view, Size image) {
    if (view.cx <= 0 || view.cy <= 0 || image.cx <= 0 || image.cy <= 0) return {};
    double scale = 1.0;
    if (image.cx > view.cx) scale = static_cast<double>(view.cx) / image.cx;
    if (image.cy > view.cy) scale = std::min(scale, static_cast<double>(view.cy) / image.cy);
    const int width = scale == 1.0 ? image.cx : static_cast<int>(image.cx * scale);
    const int height = scale == 1.0 ? image.cy : static_cast<int>(image.cy * scale);
    const int left = (view.cx - width) / 2;
    const int top = (view.cy - height) / 2;
    return Rect::XYWH(left, top, width, height);
}

Rect CentredImageRect(Size canvas, Size image) {
    return Rect::XYWH((canvas.cx - image.cx) / 2, (canvas.cy - image.cy) / 2, image.cx, image.cy);
}

int PanAxis(int current, int proposed, int imageLength, int canvasLength) {
    const int limit = (imageLength - canvasLength) / 2;
    if (limit > 0 && std::abs(proposed) <= limit) return proposed;
    return current;
}

} // namespace hexmoor::preview
