// Resource ids of Inkvale.exe, shared by its .rc file and its code.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_CONVERTER_DIALOG 102

// Control ids of dialog 102.
#define IDC_WEBSITE 3
#define IDC_OTHER_PRODUCTS 4
#define IDC_SUPPORT 5
#define IDC_BUY_NOW 6
#define IDC_HELP_PAGE 7
#define IDC_STATUS 1001
#define IDC_BROWSE 1004
#define IDC_OPEN_AFTER 1005
#define IDC_STATUS_LABEL 1006
#define IDC_OPEN_AFTER_LABEL 1007
#define IDC_SELECT_LABEL 1008
#define IDC_DESTINATION 1009
#define IDC_EXIT 1011
#define IDC_CREATE 1050

// Bitmaps: normal and hover pictures of the buttons, the background, the bullet.
#define IDB_EXIT_HOVER 130
#define IDB_BROWSE 131
#define IDB_BROWSE_HOVER 133
#define IDB_CREATE 134
#define IDB_CREATE_HOVER 136
#define IDB_EXIT 137
#define IDB_HELP 140
#define IDB_HELP_HOVER 142
#define IDB_SUPPORT 143
#define IDB_SUPPORT_HOVER 145
#define IDB_OTHER_PRODUCTS 146
#define IDB_OTHER_PRODUCTS_HOVER 148
#define IDB_WEBSITE_HOVER 149
#define IDB_BUY_NOW 151
#define IDB_BUY_NOW_HOVER 153
#define IDB_WEBSITE 154
#define IDB_BACKGROUND 156
#define IDB_BULLET 157

// Tooltips.
#define IDS_TIP_CREATE 161
#define IDS_TIP_EXIT 162
#define IDS_TIP_BROWSE 163

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
