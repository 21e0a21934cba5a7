// CException and the framework's simple exceptions.
#include <afx.h>

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException() : m_bAutoDelete(TRUE) {}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

CException::~CException() {}

void CException::Delete() {
    if (m_bAutoDelete > 0)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError != 0)
        *lpszError = '\0';
    return FALSE;
}

IMPLEMENT_DYNAMIC(CSimpleException, CException)

CSimpleException::CSimpleException(LPCTSTR lpszMessage, BOOL bAutoDelete)
    : CException(bAutoDelete), m_lpszMessage(lpszMessage) {}

CSimpleException::~CSimpleException() {}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                       PUINT pnHelpContext) const {
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    size_t n = _tcslen(m_lpszMessage);
    if (n >= nMaxError)
        n = nMaxError - 1;
    memcpy(lpszError, m_lpszMessage, n * sizeof(TCHAR));
    lpszError[n] = '\0';
    return TRUE;
}

#define AFX_SIMPLE_EXCEPTION(class_name, message)                                                  \
    IMPLEMENT_DYNAMIC(class_name, CSimpleException)                                                \
    class_name::class_name() : CSimpleException(_T(message), TRUE) {}                              \
    class_name::class_name(BOOL bAutoDelete) : CSimpleException(_T(message), bAutoDelete) {}       \
    class_name::~class_name() {}

AFX_SIMPLE_EXCEPTION(CInvalidArgException, "An invalid argument was encountered.")
AFX_SIMPLE_EXCEPTION(CMemoryException, "Out of memory.")
AFX_SIMPLE_EXCEPTION(CNotSupportedException, "An unsupported operation was attempted.")
AFX_SIMPLE_EXCEPTION(CUserException, "The operation was cancelled.")

void AFXAPI AfxThrowInvalidArgException() {
    throw new CInvalidArgException;
}

void AFXAPI AfxThrowMemoryException() {
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AFXAPI AfxThrowNotSupportedException() {
    throw new CNotSupportedException;
}

void AFXAPI AfxThrowUserException() {
    throw new CUserException;
}
