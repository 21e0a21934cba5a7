// Resource ids of the window tests.
#pragma once

#define IDD_EXCHANGE 100
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_VALUE 1003
#define IDS_GREETING 200
#define IDR_TOOLBAR 300
#define ID_TOOL_FIRST 32771
#define ID_TOOL_SECOND 32772
#define ID_TOOL_THIRD 32773
