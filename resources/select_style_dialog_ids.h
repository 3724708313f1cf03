#pragma once
// The choice of a visual style's colour scheme.
#define IDD_SELECT_STYLE_DIALOG 212
#define IDC_STYLE_DESCRIPTION 1000
#define IDC_STYLE_SCHEMES 1004
