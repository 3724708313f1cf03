#pragma once
// The Options pane's three pages: image options, frame image, region.
#define IDD_OPTIONS_IMAGE 137
#define IDD_OPTIONS_REGION 162
#define IDD_OPTIONS_FRAME_IMAGE 167

#define IDC_OPT_MARGIN_TOP 1000
#define IDC_OPT_STRETCH 1002
#define IDC_OPT_DRAW_MODE 1003
#define IDC_OPT_TOP_SPIN 1007
#define IDC_OPT_TILE 1013
#define IDC_OPT_PREVIEW_SLOT 1028
#define IDC_OPT_MARGIN_RIGHT 1029
#define IDC_OPT_MARGIN_BOTTOM 1030
#define IDC_OPT_MARGIN_LEFT 1031
#define IDC_OPT_RIGHT_SPIN 1032
#define IDC_OPT_BOTTOM_SPIN 1033
#define IDC_OPT_LEFT_SPIN 1034
#define IDC_OPT_MARGINS_GROUP 1039
// Created by the pages in place of the slot.
#define IDC_OPT_SIZE_LABEL 123
#define IDC_OPT_IMAGE_PREVIEW 124
