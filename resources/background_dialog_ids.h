#pragma once
// "Background color and image": what the preview paints behind the samples.
#define IDD_SET_BACKGROUND 213
#define IDC_BG_IMAGE_FILE 1000
#define IDC_BG_POSITION 1003
#define IDC_BG_SHOW_IMAGE 1099
#define IDC_BG_BROWSE 1100
// Made at run time: the picture preview and the colour picker.
#define IDC_BG_PREVIEW 1234
#define IDC_BG_COLOR 715
