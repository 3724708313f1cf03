// The combo box element (type 13): besides the maps it keeps the width of
// the drop-down part, measured back from the right edge, which the skin file
// stores right after the element record.
#pragma once

#include "model/element_types.h"
#include "model/twf_obj.h"

class CTwfComboBox : public CTwfObj {
public:
    static constexpr WORD kType = kElemComboBox;
    CTwfComboBox() : CTwfObj(kElemComboBox) {}

    DWORD GetArrowWidth() const { return arrowWidth_; }
    void SetArrowWidth(DWORD width) { arrowWidth_ = width; }
    BOOL CopyTo(CTwfObj* dest) const override;
    void SwapContents(CTwfObj& other) override;
    // Sets the arrow width back to 0 as well (as a new element has it).
    BOOL Clear(DWORD enabled) override;

private:
    DWORD arrowWidth_ = 0;
};
