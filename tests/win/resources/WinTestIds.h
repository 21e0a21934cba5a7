// Resource ids of the window tests.
#pragma once

#define IDD_EXCHANGE 100
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_VALUE 1003
#define IDS_GREETING 200
