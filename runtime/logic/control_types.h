#pragma once
// Control type codes: the classifier's answer for a window. They are the
// skin's element type ids (one table, the model's), plus a rich-edit code and
// a never-skin code that no element has.

#include "model/element_types.h"

namespace hexmoor::rt {

namespace ctype {
constexpr int kNever = -1;
constexpr int kWindow = kElemWindow;
constexpr int kWindowFrame = kElemWndFrame;
constexpr int kEdit = kElemEdit;
constexpr int kButton = kElemButton;
constexpr int kScrollBar = kElemScrollbars;
constexpr int kCheckBox = kElemCheckBox;
constexpr int kRadio = kElemRadioBox;
constexpr int kGroupBox = kElemGroupBox;
constexpr int kSlider = kElemSlider;
constexpr int kTab = kElemTabCtrl;
constexpr int kToolBar = kElemToolBar;
constexpr int kStatusBar = kElemStatusBar;
constexpr int kComboBox = kElemComboBox;
constexpr int kListBox = kElemListBox;
constexpr int kListView = kElemListView;
constexpr int kMenu = kElemMenu;
constexpr int kSpin = kElemSpinCtrl;
constexpr int kProgress = kElemProgressBar;
constexpr int kTree = kElemTreeCtrl;
constexpr int kHeader = kElemHeaderCtrl;
constexpr int kStaticText = kElemStaticText;
constexpr int kDateTime = kElemDateTime;
constexpr int kMdiClient = kElemMdiClient;
constexpr int kMdiChildFrame = kElemMdiChildFrame;
constexpr int kDialog = kElemDialogFrame;
constexpr int kStaticIcon = kElemStaticIcon;
constexpr int kGrip = kElemGrip;
constexpr int kToolTip = kElemToolTip;
constexpr int kSplitter = kElemSplitter;
constexpr int kLayered = kElemWindowLayered;
constexpr int kNumericUpDown = kElemNumericUpDown;
constexpr int kMonthCal = kElemMonthCal;
constexpr int kCheckButton = kElemCheckButton;
constexpr int kRichEdit = 46;
constexpr int kTransparent = kElemTransparentWindow;
} // namespace ctype

// Accessibility roles the classifier reads (the published ROLE_SYSTEM_ values).
namespace role {
constexpr long kScrollBar = 3;
constexpr long kGrip = 4;
constexpr long kClient = 10;
constexpr long kMenuPopup = 11;
constexpr long kToolTip = 13;
constexpr long kDialog = 18;
constexpr long kGrouping = 20;
constexpr long kToolBar = 22;
constexpr long kStatusBar = 23;
constexpr long kRowHeader = 26;
constexpr long kList = 33;
constexpr long kOutline = 35;
constexpr long kPropertyPage = 38;
constexpr long kGraphic = 40;
constexpr long kStaticText = 41;
constexpr long kText = 42;
constexpr long kPushButton = 43;
constexpr long kCheckButton = 44;
constexpr long kRadioButton = 45;
constexpr long kComboBox = 46;
constexpr long kProgressBar = 48;
constexpr long kSlider = 51;
constexpr long kSpinButton = 52;
constexpr long kPageTabList = 60;
} // namespace role

// Host framework kinds (who made the host's windows).
namespace host {
constexpr int kWin32 = 0;
constexpr int kWinForms = 1;
constexpr int kVisualBasic6 = 2;
constexpr int kDelphi = 3;
} // namespace host

} // namespace hexmoor::rt
