#pragma once
// The live preview's .NET strip samples: their dialog template, the strip
// windows and hosted controls, and the fallback pictures of the strips.
#define IDD_STRIP_SAMPLE 236

#define IDC_STRIP_MENU 1700
#define IDC_STRIP_STATUS 1701
#define IDC_STRIP_TOOL 1702
#define IDC_STRIP_BAR_EDIT 1501
#define IDC_STRIP_BAR_COMBO 1502
#define IDC_STRIP_MENU_EDIT 1503
#define IDC_STRIP_MENU_EDIT_DISABLED 1504
#define IDC_STRIP_MENU_COMBO 1505
#define IDC_STRIP_PROGRESS 1508

// "PNG" resources: the menu-strip bar, the tool strip, the drop-down menus
// and the status strip as the standard, unskinned strips draw them.
#define IDP_STRIP_MENU_BAR 247
#define IDP_STRIP_TOOL 248
#define IDP_STRIP_MENUS 249
#define IDP_STRIP_STATUS 250
