// Resource ids of the framework, usable from resource scripts and C++.
#pragma once

#ifndef RC_INVOKED
#include <windows.h>
#else
#include <winresrc.h>
#endif

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Prompts of dialog data exchange, in the framework's own string table.
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_UINT 0xF117
