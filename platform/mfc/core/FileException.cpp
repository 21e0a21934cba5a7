// CFileException: a failed file operation, with the framework's cause, the
// system's error code and the file's name. The mapping from system codes to
// causes lives with the system calls (File_win32.cpp, File_posix.cpp).
#include "afx.h"

#include <stdio.h>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

namespace {

// One message per cause, in enumeration order; %s is the file's name.
const char* const s_messages[] = {
    "No error occurred while accessing %s.",
    "An error occurred while accessing %s.",
    "Could not find %s.",
    "The path of %s is invalid.",
    "Too many files are open to open %s.",
    "Access to %s was denied.",
    "An invalid handle was used for %s.",
    "Could not remove %s: it is the current folder.",
    "No more folder entries could be made for %s.",
    "Could not move to that position in %s.",
    "A hardware error occurred while accessing %s.",
    "A sharing violation occurred while accessing %s.",
    "A lock violation occurred while accessing %s.",
    "The disk is full: could not write %s.",
    "Tried to read past the end of %s.",
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
    LPCTSTR pszName = m_strFileName.IsEmpty() ? _T("an unnamed file") : m_strFileName.GetString();
    snprintf(lpszError, nMaxError, s_messages[nCause], pszName);
    return TRUE;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}
