#pragma once
// The live preview's sample dialogs: their templates, the controls they
// hold (ids fixed by the samples: the tooltip sample names them in its tips)
// and the image strips of their lists, trees and tabs.

// Templates.
#define IDD_SAMPLE_DIALOG 101
#define IDD_SAMPLE_LISTBOX_SCROLLBAR 109
#define IDD_SAMPLE_EDIT_COMBOBOX 110
#define IDD_SAMPLE_LIST_TREE 111
#define IDD_SAMPLE_STATIC_BUTTONS 112
#define IDD_SAMPLE_SPIN_SLIDER_PROGRESS 114
#define IDD_SAMPLE_TABS 151
#define IDD_SAMPLE_TOOLTIPS 196
#define IDD_SAMPLE_SPLITTER 203
#define IDD_SAMPLE_DATE_TIME 207

// Image strips: colour items (six 16 x 16, two sets), tree images (three
// 16 x 16), tab images (four 14 x 14).
#define IDB_SAMPLE_COLOURS 176
#define IDB_SAMPLE_COLOURS_2 177
#define IDB_SAMPLE_TREE 178
#define IDB_SAMPLE_TABS 180

// Control ids. The samples share one numbering: the same id names like
// controls in different templates.
#define IDC_SMP_1000 1000
#define IDC_SMP_1001 1001
#define IDC_SMP_1002 1002
#define IDC_SMP_1003 1003
#define IDC_SMP_1004 1004
#define IDC_SMP_1005 1005
#define IDC_SMP_1006 1006
#define IDC_SMP_1007 1007
#define IDC_SMP_1008 1008
#define IDC_SMP_1009 1009
#define IDC_SMP_1010 1010
#define IDC_SMP_1011 1011
#define IDC_SMP_1012 1012
#define IDC_SMP_1013 1013
#define IDC_SMP_1014 1014
#define IDC_SMP_1015 1015
#define IDC_SMP_1016 1016
#define IDC_SMP_1017 1017
#define IDC_SMP_1018 1018
#define IDC_SMP_1019 1019
#define IDC_SMP_1020 1020
#define IDC_SMP_1021 1021
#define IDC_SMP_1023 1023
#define IDC_SMP_1024 1024
#define IDC_SMP_1025 1025
#define IDC_SMP_1026 1026
#define IDC_SMP_1030 1030
#define IDC_SMP_1031 1031
#define IDC_SMP_1033 1033
#define IDC_SMP_1034 1034
#define IDC_SMP_1037 1037
#define IDC_SMP_1038 1038
#define IDC_SMP_1043 1043
#define IDC_SMP_1048 1048
#define IDC_SMP_1049 1049
#define IDC_SMP_1050 1050
#define IDC_SMP_1051 1051
#define IDC_SMP_1052 1052
#define IDC_SMP_1053 1053
#define IDC_SMP_1054 1054
#define IDC_SMP_1055 1055
#define IDC_SMP_1056 1056
#define IDC_SMP_1057 1057
#define IDC_SMP_1058 1058
#define IDC_SMP_1060 1060
#define IDC_SMP_1061 1061
#define IDC_SMP_1062 1062
#define IDC_SMP_1077 1077
#define IDC_SMP_1078 1078
#define IDC_SMP_1080 1080
#define IDC_SMP_1081 1081
#define IDC_SMP_1084 1084
#define IDC_SMP_1085 1085
#define IDC_SMP_1086 1086
#define IDC_SMP_1088 1088
#define IDC_SMP_1089 1089
#define IDC_SMP_1090 1090
#define IDC_SMP_1096 1096
#define IDC_SMP_1097 1097
#define IDC_SMP_1098 1098
#define IDC_SMP_1099 1099
#define IDC_SMP_1101 1101
#define IDC_SMP_1102 1102
#define IDC_SMP_1104 1104
#define IDC_SMP_1105 1105
#define IDC_SMP_1106 1106
#define IDC_SMP_1107 1107
#define IDC_SMP_1108 1108
// Made at run time: the list sample's size grip.
#define IDC_SMP_GRIP 432
