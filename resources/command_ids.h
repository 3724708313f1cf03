#pragma once
// Command ids of the menu bar, the main toolbar and the accelerators. The
// numbers are fixed: stored toolbar layouts, string-table prompts and other
// windows' handlers all use them.

// File
#define ID_FILE_NEW_SKIN 32778
#define ID_FILE_OPEN_SKIN 32775
#define ID_FILE_SAVE_SKIN 32776
#define ID_FILE_SAVE_SKIN_AS 32777
#define ID_FILE_EXPORT_XML 32899
#define ID_FILE_IMPORT_XML 32900
#define ID_FILE_IMPORT_MSSTYLES 32904
#define ID_FILE_MRU_FIRST 57616
#define ID_FILE_MRU_LAST 57619
#define ID_APP_EXIT 57665

// Edit
#define ID_EDIT_CLEAR_ITEM 57632
#define ID_EDIT_COPY_VALUE 57634
#define ID_EDIT_CUT_VALUE 57635
#define ID_EDIT_PASTE_VALUE 57637
#define ID_EDIT_DELETE_VALUE 32798
#define ID_EDIT_COPY_WITH_MARGINS 32895
#define ID_EDIT_PASTE_WITH_MARGINS 32896
#define ID_EDIT_FILL_ALL_STATES 32805

// Items of the property grid's context menu (updated by the application).
#define ID_GRID_CUT 32802
#define ID_GRID_COPY 32794
#define ID_GRID_PASTE 32795
#define ID_GRID_DELETE 32803
#define ID_GRID_FILL_ALL_STATES 32804

// View
#define ID_VIEW_SET_BACKGROUND 32905
#define ID_VIEW_REFRESH 32779
#define ID_VIEW_DEFAULT_CONTROLS 32772
#define ID_VIEW_CUSTOM_CONTROLS 32930
#define ID_VIEW_USER_DATA 32931
#define ID_VIEW_PROPERTIES 32771
#define ID_VIEW_OPTIONS 32855
#define ID_VIEW_SHOW_HIDE_ALL 32892
#define ID_VIEW_STATUS_BAR 59393
#define ID_VIEW_SMALL_ICONS 32907
#define ID_VIEW_LARGE_ICONS 32908
#define ID_VIEW_TEXT_LABELS 32910
#define ID_VIEW_LOOK_WINDOWS 32911
#define ID_VIEW_LOOK_SILVER 32912
#define ID_VIEW_LOOK_BLACK 32913
#define ID_VIEW_LOOK_BLUE 32914
#define ID_VIEW_CENTER_PREVIEW 32808
#define ID_VIEW_LOCK_CONTROL 32888
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// Tools
#define ID_TOOLS_COLOR_ADJUSTMENT 32906
#define ID_TOOLS_REGION_EDITOR 32773
#define ID_TOOLS_COPYRIGHT_INFO 32793
#define ID_TOOLS_ZOOMER 32856

// Help
#define ID_HELP_CONTENTS 32791
#define ID_APP_ABOUT 57664

// Context menu 205 of the properties ("Clear, FillNA").
#define ID_CONTEXT_FILL_INACTIVE 32897
#define ID_CONTEXT_CLEAR 32898

// Commands of the element trees' add-custom-item menu 150: add a custom
// control of one kind, then the folder, rename and delete items.
#define ID_ADD_FRAME_WINDOW 32821
#define ID_ADD_DIALOG_BACKGROUND 32822
#define ID_ADD_BUTTON 32823
#define ID_ADD_CHECK_BOX 32824
#define ID_ADD_RADIO_BUTTON 32825
#define ID_ADD_GROUP_BOX 32826
#define ID_ADD_SCROLLBARS 32827
#define ID_ADD_EDIT 32828
#define ID_ADD_LIST_BOX 32829
#define ID_ADD_COMBO_BOX 32830
#define ID_ADD_STATIC_TEXT 32831
#define ID_ADD_TAB_CONTROLS 32832
#define ID_ADD_PROGRESS_BARS 32833
#define ID_ADD_SPIN_CONTROLS 32834
#define ID_ADD_SLIDERS 32835
#define ID_ADD_HEADER 32836
#define ID_ADD_LIST_CONTROL 32837
#define ID_ADD_TREE_CONTROL 32838
#define ID_ADD_TOOLBAR 32839
#define ID_ADD_STATUS_BAR 32840
#define ID_ADD_REGION_DEFINED 32841
#define ID_ADD_CHECK_BUTTON 32901
#define ID_TREE_ADD_FOLDER 32916
#define ID_TREE_DELETE 32918
#define ID_TREE_RENAME 32919
// The user-data tree's menu (211).
#define ID_TREE_ADD_USER_DATA 32902
#define ID_TREE_ADD_UD_FOLDER 32921
#define ID_TREE_RENAME_UD 32852
#define ID_TREE_DELETE_UD 32922
// Clear on an item of a folder (menu 193) and the scroll bars' fills from
// the other family (menu 240).
#define ID_TREE_CLEAR_ITEM 32920
// Locks or unlocks the selected item's branch for colour adjustments (no menu entry).
#define ID_TREE_TOGGLE_LOCK 32909
#define ID_FILL_FROM_STANDALONE_HSCROLL 32939
#define ID_FILL_FROM_STANDALONE_VSCROLL 32940
#define ID_FILL_FROM_INTERNAL_HSCROLL 32941
#define ID_FILL_FROM_INTERNAL_VSCROLL 32942
