#include "afxwin.h"

CWnd* CWnd::GetDlgItem(int nID) const {
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const {
    *phWnd = ::GetDlgItem(m_hWnd, nID);
}

int CWnd::SetDlgCtrlID(int nID) {
    return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, nID));
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetOwner() const {
    return m_hWndOwner != NULL ? FromHandle(m_hWndOwner) : GetParent();
}

namespace {

void ReadWindowText(HWND hWnd, CString& rString) {
    if (hWnd == NULL) {
        rString.Empty();
        return;
    }
    const int nLen = ::GetWindowTextLength(hWnd);
    // The length may overstate the text (it may count converted characters).
    const int nRead = ::GetWindowText(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer(nRead);
}

} // namespace

void CWnd::GetWindowText(CString& rString) const {
    ReadWindowText(m_hWnd, rString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    ReadWindowText(::GetDlgItem(m_hWnd, nID), rString);
    return rString.GetLength();
}

namespace {

BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLong(hWnd, nIndex));
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLong(hWnd, nIndex, static_cast<LONG>(dwNewStyle));
    // Some styles take effect only when the frame is recomputed.
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    // Control notifications caused by the exchange itself are not handled.
    struct Lockout {
        _AFX_THREAD_STATE* pState;
        HWND hOld;
        ~Lockout() { pState->m_hLockoutNotifyWindow = hOld; }
    } lockout = {AfxGetThreadState(), AfxGetThreadState()->m_hLockoutNotifyWindow};
    lockout.pState->m_hLockoutNotifyWindow = m_hWnd;

    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        // Already reported to the user by whoever failed the exchange.
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
