#pragma once
// Toolbar image strips. Main toolbar: 16 x 16 (small) and 24 x 24 (large)
// images, light grey as the transparent colour. Pane toolbars: 20 x 20
// images whose light grey pixels take the menu colour.
#define IDB_TOOLBAR_COLD 228
#define IDB_TOOLBAR_DISABLED 229
#define IDB_TOOLBAR_HOT 230
#define IDB_TOOLBAR_LARGE_DISABLED 231
#define IDB_TOOLBAR_LARGE_HOT 232
#define IDB_TOOLBAR_LARGE_COLD 233

#define IDB_PANE_TOOLBAR 234
#define IDB_PANE_TOOLBAR_HOT 235
#define IDB_STATE_BAR 159
#define IDB_STATE_BAR_DISABLED 160
#define IDB_STATE_BAR_HOT 161

// Images of the element trees' commands for menus: 16 x 16, one per
// command in the order of the tree-commands button list, light grey as the
// transparent colour.
#define IDB_TREE_COMMANDS 188

// The element trees' images, magenta (0xFF00FF) as the transparent colour:
// the element icons (16 x 16, by icon number 0-52) and the colour-adjustment
// marks (16 x 16, by state 0, 1, 2), the second strip drawn as they show
// while an adjustment of one control runs.
#define IDB_ELEMENT_ICONS 130
#define IDB_ADJUST_MARKS 236
#define IDB_ADJUST_MARKS_RUNNING 237
