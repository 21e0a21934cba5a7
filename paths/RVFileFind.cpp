#include "RVFileFind.h"

#include <cstring>

RVFileFind::RVFileFind() {}

RVFileFind::~RVFileFind() {}

BOOL RVFileFind::FindFile(LPCTSTR pstrName) {
    if (pstrName && _tcschr(pstrName, _T('*')))
        return CFileFind::FindFile(pstrName, 0);
    return FindFile2(pstrName, false);
}

BOOL RVFileFind::FindFile2(LPCTSTR pstrName, bool /*bFlag*/) {
    if (!pstrName)
        return CFileFind::FindFile(NULL, 0);
    return StartAt(pstrName);
}

BOOL RVFileFind::FindNextFile() {
    const BOOL more = CFileFind::FindNextFile();
    if (GetFileName() == m_strLastFile)
        return FALSE;
    return more;
}

void RVFileFind::SetLastFile(const CString& strName) {
    m_strLastFile = strName;
}

// Enumerates the start file's folder twice: a scout runs one entry ahead of
// this finder, so that when the scout meets the file this finder stands just
// before it.
BOOL RVFileFind::StartAt(LPCTSTR pstrName) {
    const CString name(pstrName);
    int separator = name.ReverseFind('\\');
    if (separator < 0)
        separator = name.ReverseFind('/');
    const CString file = name.Mid(separator + 1);
    const CString pattern = name.Left(separator + 1) + _T("*.*");

    CFileFind scout;
    const BOOL found = scout.FindFile(pattern, 0);
    CFileFind::FindFile(pattern, 0);
    if (!found)
        return FALSE;
    BOOL more = TRUE;
    for (bool first = true; more; first = false) {
        more = scout.FindNextFile();
        if (!first)
            CFileFind::FindNextFile();
        if (!scout.IsDots() && !scout.MatchesMask(FILE_ATTRIBUTE_DIRECTORY) &&
            scout.GetFileName() == file)
            return TRUE;
    }
    return FALSE;
}
