// Resource and control IDs. Plain defines: shared by the .rc, the dialogs and
// the window-free logic.
#pragma once

#define IDR_MAINFRAME 128
#define IDR_MENU_MAIN 131
#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 0x0010

#define IDD_ABOUTBOX 100
#define IDD_VIVEVAV_DIALOG 102
#define IDD_PSWD_DIALOG 134
#define IDD_WAKU_DIALOG 136
#define IDD_ALPHA_DIALOG 139

// Search dialog controls.
#define IDC_INPUT_PATH 1000
#define IDC_RADIO_FILE 1001
#define IDC_RADIO_FOLDER 1002
#define IDC_SEARCH 1003
#define IDC_OUTPUT_FOLDER 1004
#define IDC_SEARCH_STRING 1005
#define IDC_CLOSE_PROMPT 1006
#define IDC_CREATE_IMAGE 1007
#define IDC_SUBFOLDERS 1008
#define IDC_CSV_FILE_NAME 1009
#define IDC_PROGRESS 1011
#define IDC_IMAGE_FORMAT 1012
#define IDC_CSV_HEADER 1013
#define IDC_CSV_FOLDER 1014
#define IDC_CSV_FILE 1015
#define IDC_CSV_SEARCH_STRING 1016

// Option dialog controls.
#define IDC_VALUE_EDIT 1005
#define IDC_PASSWORD_EDIT 1017
#define IDC_COLOUR_BUTTON 1021

// Menu commands.
#define ID_FILE_EXIT 32774
#define ID_HELP_ABOUT 32775
#define ID_HELP_COMMAND_LINE 32776
#define ID_SETTINGS_PASSWORD 32780
#define ID_SETTINGS_FRAME 32782
#define ID_SETTINGS_OPACITY 32784

// The dialog manager's own IDs, for code that does not include windows.h.
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
