// Element classes that add nothing to CTwfObj but their kind (and with it
// their index-block entry). Each kind is one instantiation of a template, so
// the runtime and the editor can still name them (CTwfButton...).
#pragma once

#include "model/element_types.h"
#include "model/twf_obj.h"

template <WORD Type>
class CTwfPlainElement : public CTwfObj {
public:
    static constexpr WORD kType = Type;
    CTwfPlainElement() : CTwfObj(Type) {}
};

using CTwfDialogFrame = CTwfPlainElement<kElemDialogFrame>;
using CTwfEdit = CTwfPlainElement<kElemEdit>;
using CTwfButton = CTwfPlainElement<kElemButton>;
using CTwfCheckBox = CTwfPlainElement<kElemCheckBox>;
using CTwfRadioBox = CTwfPlainElement<kElemRadioBox>;
using CTwfGroupBox = CTwfPlainElement<kElemGroupBox>;
using CTwfSlider = CTwfPlainElement<kElemSlider>;
using CTwfTabCtrl = CTwfPlainElement<kElemTabCtrl>;
using CTwfToolBar = CTwfPlainElement<kElemToolBar>;
using CTwfStatusBar = CTwfPlainElement<kElemStatusBar>;
using CTwfListBox = CTwfPlainElement<kElemListBox>;
using CTwfListView = CTwfPlainElement<kElemListView>;
using CTwfMenu = CTwfPlainElement<kElemMenu>;
using CTwfSpinCtrl = CTwfPlainElement<kElemSpinCtrl>;
using CTwfProgressBar = CTwfPlainElement<kElemProgressBar>;
using CTwfTreeCtrl = CTwfPlainElement<kElemTreeCtrl>;
using CTwfHeaderCtrl = CTwfPlainElement<kElemHeaderCtrl>;
using CTwfStaticText = CTwfPlainElement<kElemStaticText>;
using CTwfDateTime = CTwfPlainElement<kElemDateTime>;
using CTwfGrip = CTwfPlainElement<kElemGrip>;
using CTwfToolTipCtrl = CTwfPlainElement<kElemToolTip>;
using CTwfFolder = CTwfPlainElement<kElemFolder>;
using CTwfSplitter = CTwfPlainElement<kElemSplitter>;
using CTwfMonthCal = CTwfPlainElement<kElemMonthCal>;
using CTwfCheckButton = CTwfPlainElement<kElemCheckButton>;
using CTwfToolStrip = CTwfPlainElement<kElemToolStrip>;
using CTwfStatusStrip = CTwfPlainElement<kElemStatusStrip>;
using CTwfDropDownMenu = CTwfPlainElement<kElemDropDownMenu>;
using CTwfMenuStrip = CTwfPlainElement<kElemMenuStrip>;
