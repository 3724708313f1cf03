#pragma once
// Control type codes: the classifier's answer for a window. They equal the
// skin's element type ids, plus a rich-edit code and a never-skin code.

namespace hexmoor::rt {

namespace ctype {
constexpr int kNever = -1;
constexpr int kWindow = 1;
constexpr int kWindowFrame = 2;
constexpr int kEdit = 3;
constexpr int kButton = 4;
constexpr int kScrollBar = 5;
constexpr int kCheckBox = 6;
constexpr int kRadio = 7;
constexpr int kGroupBox = 8;
constexpr int kSlider = 9;
constexpr int kTab = 10;
constexpr int kToolBar = 11;
constexpr int kStatusBar = 12;
constexpr int kComboBox = 13;
constexpr int kListBox = 14;
constexpr int kListView = 15;
constexpr int kMenu = 16;
constexpr int kSpin = 17;
constexpr int kProgress = 18;
constexpr int kTree = 19;
constexpr int kHeader = 20;
constexpr int kStaticText = 21;
constexpr int kDateTime = 22;
constexpr int kMdiClient = 23;
constexpr int kMdiChildFrame = 24;
constexpr int kDialog = 25;
constexpr int kStaticIcon = 26;
constexpr int kGrip = 27;
constexpr int kToolTip = 28;
constexpr int kSplitter = 34;
constexpr int kLayered = 35;
constexpr int kNumericUpDown = 37;
constexpr int kMonthCal = 38;
constexpr int kCheckButton = 39;
constexpr int kRichEdit = 46;
constexpr int kTransparent = 100;
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
