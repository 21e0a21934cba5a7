#include "afxwin.h"

#include <errno.h>
#include <float.h>
#include <stdlib.h>

#include <cmath>
#include <limits>

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

const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// A whole number in [nMin, nMax], blanks around it allowed; nothing else.
bool ParseInt(const char* lpszText, long nMin, long nMax, long& value) {
    const char* p = SkipBlanks(lpszText);
    char* pEnd = NULL;
    errno = 0;
    const long n = strtol(p, &pEnd, 10);
    if (pEnd == p || errno == ERANGE || n < nMin || n > nMax)
        return false;
    if (*SkipBlanks(pEnd) != '\0')
        return false;
    value = n;
    return true;
}

// The same for an unsigned number, which has no sign but an optional '+'.
bool ParseUnsigned(const char* lpszText, unsigned long nMax, unsigned long& value) {
    const char* p = SkipBlanks(lpszText);
    if (*p == '-')
        return false;
    char* pEnd = NULL;
    errno = 0;
    const unsigned long n = strtoul(p, &pEnd, 10);
    if (pEnd == p || errno == ERANGE || n > nMax)
        return false;
    if (*SkipBlanks(pEnd) != '\0')
        return false;
    value = n;
    return true;
}

// A real number, blanks around it allowed; a zero must be written with a
// leading digit 0, so that text with no number at all is refused.
bool ParseReal(const char* lpszText, double& value) {
    const char* p = SkipBlanks(lpszText);
    const char chFirst = *p;
    char* pEnd = NULL;
    const double d = strtod(p, &pEnd);
    if (d == 0.0 && chFirst != '0')
        return false;
    if (*SkipBlanks(pEnd) != '\0')
        return false;
    value = d;
    return true;
}

// A number is read from 8-bit text with the C runtime's "C" rules in both
// builds. A wide text is a number only when all of it is ASCII: the wide
// runtime would also take other scripts' digits (fullwidth "１２" as 12),
// which an 8-bit text can never hold.
template <class XCHAR> bool NumberText(const CStringT<XCHAR>& strText, CStringA& strNumber) {
    if constexpr (sizeof(XCHAR) > 1) {
        for (int i = 0; i < strText.GetLength(); ++i) {
            if (static_cast<unsigned>(strText[i]) > 0x7F)
                return false;
        }
    }
    strNumber = strText;
    return true;
}

// Reads the control's text with parse, or prompts with nIDPrompt and fails
// the exchange.
template <class Parse>
void SaveNumber(CDataExchange* pDX, HWND hWndCtrl, UINT nIDPrompt, Parse parse) {
    CStringA strNumber;
    if (!NumberText(ControlText(hWndCtrl), strNumber) || !parse(strNumber.GetString())) {
        AfxMessageBox(nIDPrompt);
        pDX->Fail();
    }
}

// An unsigned number takes no sign and prompts with a text of its own.
template <class T> void ExchangeWhole(CDataExchange* pDX, int nIDC, T& value, LPCTSTR lpszFormat) {
    using Limits = std::numeric_limits<T>;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        const UINT nIDPrompt = Limits::is_signed ? AFX_IDP_PARSE_INT : AFX_IDP_PARSE_UINT;
        SaveNumber(pDX, hWndCtrl, nIDPrompt, [&](const char* p) {
            if constexpr (Limits::is_signed) {
                long n = 0;
                if (!ParseInt(p, Limits::min(), Limits::max(), n))
                    return false;
                value = static_cast<T>(n);
            } else {
                unsigned long n = 0;
                if (!ParseUnsigned(p, Limits::max(), n))
                    return false;
                value = static_cast<T>(n);
            }
            return true;
        });
    } else {
        CString text;
        text.Format(lpszFormat, value);
        SetControlText(hWndCtrl, text);
    }
}

// A float takes what a double does, except finite numbers beyond its range.
template <class T> void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int nDigits) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        SaveNumber(pDX, hWndCtrl, AFX_IDP_PARSE_REAL, [&](const char* p) {
            double d = 0;
            if (!ParseReal(p, d))
                return false;
            const double dMax = std::numeric_limits<T>::max();
            if (std::isfinite(d) && (d > dMax || d < -dMax))
                return false;
            value = static_cast<T>(d);
            return true;
        });
    } else {
        CString text;
        text.Format(_T("%.*g"), nDigits, static_cast<double>(value));
        SetControlText(hWndCtrl, text);
    }
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
    ExchangeWhole(pDX, nIDC, value, _T("%d"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeWhole(pDX, nIDC, value, _T("%ld"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeWhole(pDX, nIDC, value, _T("%u"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
    ExchangeWhole(pDX, nIDC, value, _T("%lu"));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    ExchangeReal(pDX, nIDC, value, FLT_DIG);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeReal(pDX, nIDC, value, DBL_DIG);
}
