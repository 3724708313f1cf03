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
