// The hook tests' own windows: hidden, of a class whose procedure the test
// gives, so that what reaches the window's own procedure can be seen; attached
// to a CWnd for the hooks.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

class OwnWindow {
public:
    OwnWindow(const char* lpszClass, WNDPROC pfnProc) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = pfnProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = lpszClass;
        ::RegisterClassA(&wc); // refused once the class exists, which is as good
        m_hWnd = ::CreateWindowExA(0, lpszClass, "", WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                                   wc.hInstance, NULL);
        EXPECT_NE(m_hWnd, HWND(NULL));
        m_wnd.Attach(m_hWnd);
    }
    ~OwnWindow() {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        m_wnd.Detach();
    }
    WNDPROC Proc() const {
        return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    }

    HWND m_hWnd;
    CWnd m_wnd;
};
