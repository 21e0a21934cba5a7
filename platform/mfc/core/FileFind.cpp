// CFileFind: the search state and the current entry. The system's directory
// scan lives in FileFind_win32.cpp / FileFind_posix.cpp (BeginScan, LoadNext,
// EndScan); the next entry is always loaded one step ahead so that
// FindNextFile can tell whether the entry it makes current is the last.
#include "afx.h"
#include "FileOs.h"

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind() : m_pContext(NULL), m_bFound(FALSE), m_bNext(FALSE) {}

CFileFind::~CFileFind() {
    Close();
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD) {
    Close();
    CString strPattern = pstrName ? pstrName : _T("*.*");
    int nSep = filepath::LastSeparator(strPattern);
    m_strMask = strPattern.Mid(nSep + 1);
    m_strRoot = fileos::FullPath(nSep < 0 ? CString(_T(".")) : strPattern.Left(nSep + 1));
    int nLast = m_strRoot.GetLength() - 1;
    if (nLast > 0 && filepath::IsSeparator(m_strRoot[nLast]) && !filepath::IsRoot(m_strRoot))
        m_strRoot = m_strRoot.Left(nLast);
    m_bNext = BeginScan(strPattern);
    if (!m_bNext)
        Close();
    return m_bNext;
}

BOOL CFileFind::FindNextFile() {
    if (!m_bNext)
        return FALSE;
    m_found = m_next;
    m_bFound = TRUE;
    m_bNext = LoadNext();
    return m_bNext;
}

void CFileFind::SetNext(LPCTSTR pszName, DWORD dwAttributes, ULONGLONG nLength) {
    m_next.name = pszName;
    m_next.attributes = dwAttributes;
    m_next.length = nLength;
}

void CFileFind::Close() {
    if (m_pContext != NULL)
        EndScan();
    m_pContext = NULL;
    m_bFound = m_bNext = FALSE;
    m_strRoot.Empty();
    m_strMask.Empty();
}

BOOL CFileFind::IsDots() const {
    return m_bFound && (m_found.name == _T(".") || m_found.name == _T(".."));
}

BOOL CFileFind::IsDirectory() const {
    return MatchesMask(FILE_ATTRIBUTE_DIRECTORY);
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
    return m_bFound && (m_found.attributes & dwMask) != 0;
}

ULONGLONG CFileFind::GetLength() const {
    return m_bFound ? m_found.length : 0;
}

CString CFileFind::GetFileName() const {
    return m_bFound ? m_found.name : CString();
}

CString CFileFind::GetFilePath() const {
    return m_bFound ? filepath::Join(m_strRoot, m_found.name) : CString();
}

CString CFileFind::GetFileTitle() const {
    return filepath::TitleOf(GetFileName());
}

CString CFileFind::GetRoot() const {
    return m_strRoot;
}
