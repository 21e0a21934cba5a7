#include "afxwin.h"

#include <errno.h>
#include <float.h>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0),
      m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (hWndCtrl == NULL) {
        TRACE("Data exchange: no control with id %d.\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        HWND hWndLast = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), static_cast<int>(m_idLastControl));
        ::SetFocus(hWndLast);
        if (m_bEditLastControl)
            ::SendMessage(hWndLast, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    // Only the first exchange attaches the control.
    if (rControl.m_hWnd != NULL)
        return;
    if (!rControl.SubclassWindow(pDX->PrepareCtrl(nIDC)))
        AfxThrowNotSupportedException(); // already attached to another object
}

namespace {

CString ControlText(HWND hWndCtrl) {
    CString text;
    const int nLen = ::GetWindowTextLength(hWndCtrl);
    const int nRead = ::GetWindowText(hWndCtrl, text.GetBufferSetLength(nLen), nLen + 1);
    text.ReleaseBuffer(nRead);
    return text;
}

// Sets the text only when it changes: no flicker, no needless EN_CHANGE.
void SetControlText(HWND hWndCtrl, LPCTSTR lpszText) {
    if (ControlText(hWndCtrl).Compare(lpszText) != 0)
        ::SetWindowText(hWndCtrl, lpszText);
}

LPCTSTR SkipBlanks(LPCTSTR p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// A whole number, blanks around it allowed; nothing else.
bool ParseInt(LPCTSTR lpszText, int& value) {
    LPCTSTR p = SkipBlanks(lpszText);
    LPTSTR pEnd = NULL;
    errno = 0;
    const long n = _tcstol(p, &pEnd, 10);
    if (pEnd == p || errno == ERANGE || n < INT_MIN || n > INT_MAX)
        return false;
    if (*SkipBlanks(pEnd) != '\0')
        return false;
    value = static_cast<int>(n);
    return true;
}

// A real number, blanks around it allowed; a zero must be written with a
// leading digit 0, so that text with no number at all is refused.
bool ParseReal(LPCTSTR lpszText, double& value) {
    LPCTSTR p = SkipBlanks(lpszText);
    const TCHAR chFirst = *p;
    LPTSTR pEnd = NULL;
    const double d = _tcstod(p, &pEnd);
    if (d == 0.0 && chFirst != '0')
        return false;
    if (*SkipBlanks(pEnd) != '\0')
        return false;
    value = d;
    return true;
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        SetControlText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!ParseInt(ControlText(hWndCtrl), value)) {
            AfxMessageBox(AFX_IDP_PARSE_INT);
            pDX->Fail();
        }
    } else {
        CString text;
        text.Format(_T("%d"), value);
        SetControlText(hWndCtrl, text);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!ParseReal(ControlText(hWndCtrl), value)) {
            AfxMessageBox(AFX_IDP_PARSE_REAL);
            pDX->Fail();
        }
    } else {
        CString text;
        text.Format(_T("%.*g"), DBL_DIG, value);
        SetControlText(hWndCtrl, text);
    }
}
