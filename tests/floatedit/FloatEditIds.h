// The test program's own dialogs: a float edit with and without the popup's
// placeholder (control 1010).
#pragma once

#define IDD_FLOAT_EDIT 2001
#define IDD_FLOAT_EDIT_ALONE 2002
#define IDC_FLOAT 2003
#define IDC_OTHER 2004
#define IDC_PLACEHOLDER 1010
