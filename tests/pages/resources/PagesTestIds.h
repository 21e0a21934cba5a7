// Resource ids of the property page, sheet and panel tests.
#pragma once

#define IDD_SHEET_HOST 300
#define IDC_TAB 301
#define IDC_PLACEHOLDER 302

#define IDD_PAGE_A 310
#define IDD_PAGE_B 311
#define IDD_PAGE_C 312
#define IDC_MARK_A 313
#define IDC_MARK_B 314
#define IDC_MARK_C 315

#define IDD_PANEL_VIEW 320
#define IDD_PANEL_PAGE 321
#define IDD_PANEL_TALL_PAGE 322

// A template id that no module holds.
#define IDD_MISSING 399
