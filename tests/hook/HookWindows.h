// The hook tests' own windows: hidden, of a class whose procedure the test
// gives, so that what reaches the window's own procedure can be seen; attached
// to a CWnd for the hooks.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

class OwnWindow {
public:
    OwnWindow(LPCTSTR lpszClass, WNDPROC pfnProc) {
        WNDCLASS wc = {};
        wc.lpfnWndProc = pfnProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = lpszClass;
        ::RegisterClass(&wc); // refused once the class exists, which is as good
        m_hWnd = ::CreateWindowEx(0, lpszClass, _T(""), WS_POPUP, 0, 0, 100, 100, NULL, NULL,
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
        return reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC));
    }

    HWND m_hWnd;
    CWnd m_wnd;
};
