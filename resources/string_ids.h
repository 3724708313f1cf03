#pragma once
// Ids of the string-table texts the shell shows. Command prompts live under
// their command ids (command_ids.h): "status prompt\ntooltip".

#define IDS_APP_TITLE 128 // "Hexmoor"
#define IDS_PROPERTIES 193
#define IDS_COLOR_ADJUSTMENT 297
#define IDS_ZOOMER 61247
#define IDS_OPTIONS 61248
#define IDS_DEFAULT_CONTROLS 61249
#define IDS_CUSTOM_CONTROLS 61320
#define IDS_USER_DATA 61321
#define IDS_STATE_NORMAL 61257
#define IDS_STATE_HIGHLIGHTED 61258
#define IDS_STATE_PRESSED 61259
#define IDS_STATE_DISABLED 61260
#define IDS_STATE_FOCUSED 61261
#define IDS_IMAGE_PROPERTIES 61265
#define IDS_REGION_PROPERTIES 61266

// The status bar's idle text and its key indicators.
#define IDS_IDLE_MESSAGE 57345
#define IDS_INDICATOR_CAPS 59137
#define IDS_INDICATOR_NUM 59138
#define IDS_INDICATOR_SCROLL 59139

// Prompts of the recent-file entries and of the pane commands of the
// accelerator table.
#define IDS_MRU_PROMPT 57616

// The file roads' messages; "%s" is the file's path.
#define IDS_SKIN_UNKNOWN_VERSION 61310
#define IDS_SKIN_CORRUPTED 61311
#define IDS_SKIN_READ_ONLY 61312
#define IDS_SKIN_MISSING 61390
#define IDS_SKIN_UNREADABLE 61391
#define IDS_SKIN_NOT_SAVED 61392
