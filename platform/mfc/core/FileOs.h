// The system's file calls behind CFile, CStdioFile and CFileFind: one
// implementation per target (File_win32.cpp, File_posix.cpp). Calls that can
// fail return 0 on success or the system's error code (GetLastError's value on
// Windows, errno elsewhere), which is what CFileException keeps as m_lOsError.
#pragma once

#include "afx.h"

namespace fileos {

LONG Open(LPCTSTR pszPath, UINT nOpenFlags, HANDLE& hFile);
LONG Close(HANDLE hFile);
// Reads until nCount bytes or the end of the file.
LONG Read(HANDLE hFile, void* pBuf, UINT nCount, UINT& nRead);
LONG Write(HANDLE hFile, const void* pBuf, UINT nCount);
LONG Seek(HANDLE hFile, LONGLONG nOffset, UINT nFrom, ULONGLONG& nNewPos);
LONG Length(HANDLE hFile, ULONGLONG& nLength);
// Leaves the position unchanged.
LONG SetLength(HANDLE hFile, ULONGLONG nLength);
LONG Commit(HANDLE hFile);

// FALSE when nothing of that name exists.
BOOL Status(LPCTSTR pszPath, CFileStatus& rStatus);
LONG Remove(LPCTSTR pszPath);
LONG Rename(LPCTSTR pszOld, LPCTSTR pszNew);

// The path made absolute against the current folder, "." and ".." steps
// resolved, with the target's separator.
CString FullPath(LPCTSTR pszPath);
// The separator FullPath and CFileFind put into the paths they build.
extern const TCHAR chSeparator;

} // namespace fileos

// Shared path helpers (File.cpp).
namespace filepath {

// Both targets accept both separators: Windows does, and the library, written
// with back-slashes, relies on it elsewhere.
inline bool IsSeparator(TCHAR ch) {
    return ch == '\\' || ch == '/';
}
// The index of the last separator, or -1.
int LastSeparator(const CString& strPath);
// The part after the last separator.
CString NameOf(const CString& strPath);
// The name without the part from its last dot on.
CString TitleOf(const CString& strName);
// A drive's or file system's root ("C:\", "\", "/").
bool IsRoot(const CString& strPath);
// strFolder, one separator unless it already ends with one, then strName.
CString Join(const CString& strFolder, const CString& strName);

} // namespace filepath
