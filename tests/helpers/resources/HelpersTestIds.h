// Resource ids of the dialog-template and window-helper tests.
#pragma once

#define IDD_CLASSIC 2001
#define IDD_EXTENDED 2002
#define IDD_TRUNCATED 2003
// The same id as the library's measuring template.
#define IDD_HOST_1030 1030
#define IDS_READY 2101
#define IDS_LONG 2102
#define IDS_MISSING 2199
