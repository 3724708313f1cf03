#pragma once
// The dialog that asks for a new item's name (and kind).
#define IDD_ITEM_NAME_DIALOG 202
#define IDC_ITEM_NAME 1000
#define IDC_ITEM_KIND_LIST 1004
#define IDB_ITEM_NAME_TOOLBAR 203
