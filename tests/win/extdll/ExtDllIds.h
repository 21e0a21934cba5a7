// Resource ids of the test extension DLL; none of them is used by the test
// program itself.
#pragma once

#define IDD_EXT_DIALOG 700
#define IDC_EXT_EDIT 701
#define IDS_EXT_TEXT 702
