#pragma once
// The editor of the skin's nine information strings.
#define IDD_COPYRIGHT_DIALOG 142
#define IDC_INFO_LAST_UPDATED 1000
#define IDC_INFO_VERSION 1001
#define IDC_INFO_AUTHOR 1047
#define IDC_INFO_SKIN_NAME 1048
#define IDC_INFO_URL 1049
#define IDC_INFO_EMAIL 1050
#define IDC_INFO_COPYRIGHT 1051
#define IDC_INFO_COMPANY 1052
#define IDC_INFO_DESCRIPTION 1053
