// A window test program's application object: it records prompts instead of
// showing them. Each program names one with DOVUV32_TEST_APP("name"), which
// also defines TestApp().
#pragma once

#include "Checks.h"

#include <afxwin.h>

#include <string>
#include <vector>

// A prompt's text is kept as 8-bit text in the ANSI code page, in both
// character sets.
struct RecordedPrompt {
    std::string text;
    UINT nType;
    UINT nIDPrompt;
};

class CTestApp : public CWinApp {
public:
    explicit CTestApp(LPCTSTR lpszAppName) : CWinApp(lpszAppName) {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        prompts.push_back({Str(CStringA(lpszPrompt)), nType, nIDPrompt});
        return IDOK;
    }
    std::vector<RecordedPrompt> prompts;
};

CTestApp& TestApp();

#define DOVUV32_TEST_APP(name)                                                                     \
    namespace {                                                                                    \
    CTestApp theApp(_T(name));                                                                     \
    }                                                                                              \
    CTestApp& TestApp() {                                                                          \
        return theApp;                                                                             \
    }

// A hidden top-level window of a framework class of its own.
inline bool CreatePopup(CWnd& wnd, const CRect& rect, DWORD dwStyle = WS_POPUP) {
    return wnd.CreateEx(0, AfxRegisterWndClass(0), _T("test"), dwStyle, rect, NULL, 0) != FALSE;
}

inline CString WindowText(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return text;
}

inline CRect ScreenRect(const CWnd& wnd) {
    CRect rect;
    wnd.GetWindowRect(rect);
    return rect;
}

// Has a window, with the WS_VISIBLE bit of its own.
inline bool Visible(const CWnd& wnd) {
    return wnd.m_hWnd != NULL && (wnd.GetStyle() & WS_VISIBLE) != 0;
}
