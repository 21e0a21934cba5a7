// Resource ids of the sample host's own dialogs.
#pragma once

#define IDD_SHEET_HOST 200
#define IDC_SHEET_TABS 201
#define IDC_SHEET_PLACE 202
#define IDD_PAGE_GENERAL 210
#define IDD_PAGE_UNITS 211
#define IDD_PAGE_DISPLAY 212
#define IDD_PANEL_VIEW 220
#define IDD_PANEL_SIZE 221
#define IDD_PANEL_COLOUR 222
#define IDD_PANEL_NOTES 223
#define IDD_TREE_HOST 230
#define IDC_TREE 231
