// The scroll-bar element (type 5). It holds two image sets: the standalone
// scroll bars' images and the internal set used for scroll bars inside
// other controls; four operations copy one set onto the other. Construction
// and Clear store 16 under the internal bars' sizes 812, 813, 810, 811.
#pragma once

#include "model/element_types.h"
#include "model/twf_obj.h"

class CTwfScrollbars : public CTwfObj {
public:
    static constexpr WORD kType = kElemScrollbars;
    CTwfScrollbars();

    BOOL Clear(DWORD enabled) override;

    void CopyStandaloneHorzToInternal();
    void CopyStandaloneVertToInternal();
    void CopyInternalHorzToStandalone();
    void CopyInternalVertToStandalone();

private:
    void StoreDefaultSizes();
};
