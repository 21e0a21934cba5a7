// CFile: unbuffered binary I/O over the system's handle (see FileOs.h).
#include "afx.h"
#include "FileOs.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull) {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
    if (m_hFile != hFileNull)
        CFile::Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_hFile != hFileNull)
        Abort();
    HANDLE hFile = hFileNull;
    if (LONG lOsError = fileos::Open(lpszFileName, nOpenFlags, hFile)) {
        if (pError) {
            pError->m_cause = CFileException::OsErrorToException(lOsError);
            pError->m_lOsError = lOsError;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_strFileName = fileos::FullPath(lpszFileName);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    CheckOpen();
    SyncHandle();
    UINT nRead = 0;
    if (LONG lOsError = fileos::Read(m_hFile, lpBuf, nCount, nRead))
        ThrowOsError(lOsError);
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    CheckOpen();
    SyncHandle();
    if (LONG lOsError = fileos::Write(m_hFile, lpBuf, nCount))
        ThrowOsError(lOsError);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    CheckOpen();
    SyncHandle();
    ULONGLONG nNewPos = 0;
    if (LONG lOsError = fileos::Seek(m_hFile, lOff, nFrom, nNewPos))
        ThrowOsError(lOsError);
    return nNewPos;
}

void CFile::SeekToBegin() {
    Seek(0, begin);
}

ULONGLONG CFile::SeekToEnd() {
    return Seek(0, end);
}

ULONGLONG CFile::GetPosition() const {
    CheckOpen();
    SyncHandle();
    ULONGLONG nPos = 0;
    if (LONG lOsError = fileos::Seek(m_hFile, 0, current, nPos))
        ThrowOsError(lOsError);
    return nPos;
}

ULONGLONG CFile::GetLength() const {
    CheckOpen();
    SyncHandle();
    ULONGLONG nLength = 0;
    if (LONG lOsError = fileos::Length(m_hFile, nLength))
        ThrowOsError(lOsError);
    return nLength;
}

void CFile::SetLength(ULONGLONG dwNewLen) {
    CheckOpen();
    SyncHandle();
    if (LONG lOsError = fileos::SetLength(m_hFile, dwNewLen))
        ThrowOsError(lOsError);
}

void CFile::Flush() {
    CheckOpen();
    SyncHandle();
    if (LONG lOsError = fileos::Commit(m_hFile))
        ThrowOsError(lOsError);
}

void CFile::Close() {
    if (m_hFile == hFileNull)
        return;
    SyncHandle();
    LONG lOsError = fileos::Close(m_hFile);
    m_hFile = hFileNull;
    CString strFileName = m_strFileName;
    m_strFileName.Empty();
    if (lOsError)
        AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, strFileName);
}

void CFile::Abort() {
    if (m_hFile != hFileNull)
        fileos::Close(m_hFile);
    m_hFile = hFileNull;
    m_strFileName.Empty();
}

CString CFile::GetFilePath() const {
    return m_strFileName;
}

CString CFile::GetFileName() const {
    return filepath::NameOf(m_strFileName);
}

CString CFile::GetFileTitle() const {
    return filepath::TitleOf(GetFileName());
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus) {
    return fileos::Status(lpszFileName, rStatus);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName) {
    if (LONG lOsError = fileos::Remove(lpszFileName))
        AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
    if (LONG lOsError = fileos::Rename(lpszOldName, lpszNewName))
        AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, lpszOldName);
}

void CFile::SyncHandle() const {}

void CFile::ThrowOsError(LONG lOsError) const {
    AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, m_strFileName);
}

// Using a closed file is a caller's error; the system would report it as a
// bad handle, with a code that differs between targets.
void CFile::ThrowNotOpen() const {
    AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
}

namespace filepath {

int LastSeparator(const CString& strPath) {
    for (int i = strPath.GetLength() - 1; i >= 0; --i)
        if (IsSeparator(strPath[i]))
            return i;
    return -1;
}

CString NameOf(const CString& strPath) {
    return strPath.Mid(LastSeparator(strPath) + 1);
}

CString TitleOf(const CString& strName) {
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

bool IsRoot(const CString& strPath) {
    int n = strPath.GetLength();
    if (n == 0 || !IsSeparator(strPath[n - 1]))
        return false;
    return n == 1 || (n == 3 && strPath[1] == ':');
}

CString Join(const CString& strFolder, const CString& strName) {
    int n = strFolder.GetLength();
    if (n > 0 && IsSeparator(strFolder[n - 1]))
        return strFolder + strName;
    return strFolder + fileos::chSeparator + strName;
}

} // namespace filepath
