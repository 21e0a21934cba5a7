// CFileException: a failed file operation, with the framework's cause, the
// system's error code and the file's name. The mapping from system codes to
// causes lives with the system calls (File_win32.cpp, File_posix.cpp).
#include "afx.h"

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

namespace {

// One message per cause, in enumeration order: the text before the file's
// name and the text after it.
const LPCTSTR s_messages[][2] = {
    {_T("No error occurred while accessing "), _T(".")},
    {_T("An error occurred while accessing "), _T(".")},
    {_T("Could not find "), _T(".")},
    {_T("The path of "), _T(" is invalid.")},
    {_T("Too many files are open to open "), _T(".")},
    {_T("Access to "), _T(" was denied.")},
    {_T("An invalid handle was used for "), _T(".")},
    {_T("Could not remove "), _T(": it is the current folder.")},
    {_T("No more folder entries could be made for "), _T(".")},
    {_T("Could not move to that position in "), _T(".")},
    {_T("A hardware error occurred while accessing "), _T(".")},
    {_T("A sharing violation occurred while accessing "), _T(".")},
    {_T("A lock violation occurred while accessing "), _T(".")},
    {_T("The disk is full: could not write "), _T(".")},
    {_T("Tried to read past the end of "), _T(".")},
};

} // namespace

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    int nCause = m_cause;
    if (nCause < none || nCause > endOfFile)
        nCause = genericException;
    const CString strMessage =
        s_messages[nCause][0] +
        (m_strFileName.IsEmpty() ? CString(_T("an unnamed file")) : m_strFileName) +
        s_messages[nCause][1];
    // Cut to fit, as snprintf would.
    const UINT nLength = static_cast<UINT>(strMessage.GetLength()) < nMaxError
                             ? static_cast<UINT>(strMessage.GetLength())
                             : nMaxError - 1;
    memcpy(lpszError, strMessage.GetString(), nLength * sizeof(TCHAR));
    lpszError[nLength] = '\0';
    return TRUE;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}
