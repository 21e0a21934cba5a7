#include "afxwin.h"

namespace {
CWinApp* g_pApp = NULL;
}

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(NULL), m_hInstance(::GetModuleHandle(NULL)), m_lpCmdLine(NULL),
      m_nCmdShow(SW_SHOWNORMAL), m_pMainWnd(NULL) {
    if (lpszAppName == NULL) {
        TCHAR szPath[MAX_PATH];
        const DWORD nLen = ::GetModuleFileName(NULL, szPath, MAX_PATH);
        m_strAppName = CString(szPath, static_cast<int>(nLen));
        m_strAppName = m_strAppName.Mid(m_strAppName.ReverseFind('\\') + 1);
        const int nDot = m_strAppName.ReverseFind('.');
        if (nDot > 0)
            m_strAppName = m_strAppName.Left(nDot);
    } else {
        m_strAppName = lpszAppName;
    }
    m_pszAppName = m_strAppName;
    ASSERT(g_pApp == NULL);
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = NULL;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

int CWinApp::Run() {
    for (;;) {
        MSG msg;
        for (LONG lIdleCount = 0; !::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE);)
            if (!OnIdle(lIdleCount++))
                break;
        if (!PumpMessage())
            return ExitInstance();
    }
}

BOOL CWinApp::PumpMessage() {
    MSG msg;
    if (::GetMessage(&msg, NULL, 0, 0) <= 0)
        return FALSE; // WM_QUIT, or no queue to read
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    HWND hWndStop = m_pMainWnd->GetSafeHwnd();
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            return FALSE;
    }
    // A message outside the main window still reaches the main window.
    return m_pMainWnd != NULL && m_pMainWnd->PreTranslateMessage(pMsg);
}

BOOL CWinApp::OnIdle(LONG /*lCount*/) {
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    return FALSE;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT /*nIDPrompt*/) {
    HWND hWndOwner = ::GetActiveWindow();
    if (hWndOwner == NULL && m_pMainWnd != NULL)
        hWndOwner = m_pMainWnd->GetSafeHwnd();
    if ((nType & MB_ICONMASK) == 0 && (nType & MB_TYPEMASK) == MB_OK)
        nType |= MB_ICONEXCLAMATION;
    return ::MessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

CWinApp* AFXAPI AfxGetApp() {
    return g_pApp;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd != NULL)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

CWnd* AFXAPI AfxGetMainWnd() {
    return g_pApp != NULL ? g_pApp->m_pMainWnd : NULL;
}
