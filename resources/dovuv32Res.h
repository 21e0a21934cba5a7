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
