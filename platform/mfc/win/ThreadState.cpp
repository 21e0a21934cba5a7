#include "afxwin.h"

_AFX_THREAD_STATE::_AFX_THREAD_STATE()
    : m_lastSentMsg(), m_pWndInit(NULL), m_hHookOldCbtFilter(NULL), m_hLockoutNotifyWindow(NULL) {}

_AFX_THREAD_STATE::~_AFX_THREAD_STATE() {
    if (m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
    DeleteTempWindows();
}

void _AFX_THREAD_STATE::DeleteTempWindows() {
    POSITION pos = m_temporaryMap.GetStartPosition();
    while (pos != NULL) {
        void* hWnd = NULL;
        void* pObject = NULL;
        m_temporaryMap.GetNextAssoc(pos, hWnd, pObject);
        CWnd* pWnd = static_cast<CWnd*>(pObject);
        pWnd->m_hWnd = NULL; // a temporary object never owns its window
        delete pWnd;
    }
    m_temporaryMap.RemoveAll();
}

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState() {
    static thread_local _AFX_THREAD_STATE state;
    return &state;
}

LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg) {
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) {
        TCHAR szMessage[512];
        if (!e->GetErrorMessage(szMessage, 512))
            lstrcpyn(szMessage, _T("The operation could not be completed."), 512);
        AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
    }
    e->Delete();
    // A window whose creation failed must not be created.
    return pMsg->message == WM_CREATE ? -1 : 0;
}

// The one window procedure of every framework window. An exception must not
// unwind through the system's frames: it ends here, reported unless it is a
// user exception (already reported).
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    const MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL) {
        lResult = ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    } else {
        try {
            lResult = pWnd->WindowProc(nMsg, wParam, lParam);
        } catch (CException* e) {
            lResult = AfxProcessWndProcException(e, &pState->m_lastSentMsg);
        }
    }
    pState->m_lastSentMsg = oldState;
    return lResult;
}

WNDPROC AFXAPI AfxGetAfxWndProc() {
    return &AfxWndProc;
}
