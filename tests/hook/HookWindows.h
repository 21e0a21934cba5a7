// The hook tests' own windows: hidden, of a class whose procedure the test
// gives, so that what reaches the window's own procedure can be seen.
#pragma once

#include <windows.h>

inline HWND CreateOwnWindow(const char* lpszClass, WNDPROC pfnProc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = pfnProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = lpszClass;
    ::RegisterClassA(&wc); // refused once the class exists, which is as good
    return ::CreateWindowExA(0, lpszClass, "", WS_POPUP, 0, 0, 100, 100, NULL, NULL, wc.hInstance,
                             NULL);
}
