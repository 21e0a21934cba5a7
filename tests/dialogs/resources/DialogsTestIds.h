// Resource ids of the dialog framework tests.
#pragma once

#define IDD_PARENT 100
#define IDD_CHILD 101
#define IDD_TOP 102
#define IDC_PLACE1 1001
#define IDC_PLACE2 1002
#define IDC_PARENT_EDIT 1003
#define IDC_PARENT_SLIDER 1004
#define IDC_CHILD_EDIT 1010
#define IDC_CHILD_SLIDER 1011
