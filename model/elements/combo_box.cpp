#include "model/elements/combo_box.h"

#include <utility>

BOOL CTwfComboBox::CopyTo(CTwfObj* dest) const {
    // The arrow width is part of the element's look: a duplicate keeps it.
    if (auto* combo = dynamic_cast<CTwfComboBox*>(dest)) combo->arrowWidth_ = arrowWidth_;
    return CTwfObj::CopyTo(dest);
}

BOOL CTwfComboBox::Clear(DWORD enabled) {
    arrowWidth_ = 0;
    return CTwfObj::Clear(enabled);
}

void CTwfComboBox::SwapContents(CTwfObj& other) {
    CTwfObj::SwapContents(other);
    if (auto* combo = dynamic_cast<CTwfComboBox*>(&other)) std::swap(arrowWidth_, combo->arrowWidth_);
}
