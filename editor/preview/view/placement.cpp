#include "editor/preview/view/placement.h"

namespace hexmoor::preview {

Point CentredOrigin(const Rect& client, Size window) {
    // C++ division truncates toward zero, as the view's rule asks.
    return {client.left + (client.Width() - window.cx) / 2, client.top + (client.Height() - window.cy) / 2};
}

PicturePlan PlanPicture(Size client, Size picture, int position) {
    switch (static_cast<BackgroundPosition>(position)) {
    case BackgroundPosition::kCenter:
        return {PicturePlan::Kind::kDraw,
                Rect::XYWH((client.cx - picture.cx) / 2, (client.cy - picture.cy) / 2, picture.cx, picture.cy)};
    case BackgroundPosition::kStretch: return {PicturePlan::Kind::kDraw, Rect{0, 0, client.cx, client.cy}};
    case BackgroundPosition::kTile: return {PicturePlan::Kind::kTile, Rect{0, 0, client.cx, client.cy}};
    }
    return {};
}

} // namespace hexmoor::preview
