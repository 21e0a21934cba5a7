// Ids of the library's dialog templates and of the controls in them, and of
// the controls a host places in its own dialogs for them.
#pragma once

// The float edit's trackbar popup: a borderless child dialog laid over the
// placeholder control IDC_BUDDY_PLACEHOLDER of the edit's dialog.
#define IDD_BUDDY_SLIDER 1005
#define IDC_BUDDY_TRACKBAR 1006
#define IDC_BUDDY_MIN 1008
#define IDC_BUDDY_MAX 1009
#define IDC_BUDDY_PLACEHOLDER 1010

// A borderless popup, never shown, whose only use is measuring: its device
// context turns dialog units into pixels (ResTemplMngr::GetDlgTemplRect).
#define IDD_MEASURE 1030

// The sample dialog (CTestDlg).
#define IDD_SAMPLE 1001
#define IDC_SAMPLE_FLOAT_EDIT 1000
#define IDC_SAMPLE_TRACKBAR 1004
#define IDC_SAMPLE_FREE_EDIT 1011
#define IDC_SAMPLE_EDIT 1012
#define IDC_SAMPLE_TRANSIENT 1013
#define IDC_SAMPLE_SLIDER 1014
#define IDC_SAMPLE_LAST_VALUE 1015
