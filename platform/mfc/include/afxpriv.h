// The framework's messages between its own windows.
#pragma once

#include <afxwin.h>

// Sent to control bars when the application is idle: wParam TRUE disables
// the commands that have no handler.
#define WM_IDLEUPDATECMDUI 0x0363
