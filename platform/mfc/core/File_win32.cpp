// The file calls of FileOs.h over Win32 file handles.
#include "afx.h"
#include "FileOs.h"

#include <cstring>

namespace {

LONG LastError() {
    return static_cast<LONG>(::GetLastError());
}

DWORD AccessOf(UINT nOpenFlags) {
    switch (nOpenFlags & 3) {
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

DWORD ShareModeOf(UINT nOpenFlags) {
    switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: // shareExclusive, and shareCompat with it
        return 0;
    }
}

DWORD CreationOf(UINT nOpenFlags) {
    if (!(nOpenFlags & CFile::modeCreate))
        return OPEN_EXISTING;
    return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

} // namespace

namespace fileos {

const TCHAR chSeparator = '\\';

LONG Open(LPCTSTR pszPath, UINT nOpenFlags, HANDLE& hFile) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, (nOpenFlags & CFile::modeNoInherit) ? FALSE : TRUE};
    HANDLE h =
        ::CreateFile(pszPath ? pszPath : _T(""), AccessOf(nOpenFlags), ShareModeOf(nOpenFlags), &sa,
                     CreationOf(nOpenFlags), FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return LastError();
    hFile = h;
    return 0;
}

LONG Close(HANDLE hFile) {
    return ::CloseHandle(hFile) ? 0 : LastError();
}

LONG Read(HANDLE hFile, void* pBuf, UINT nCount, UINT& nRead) {
    DWORD n = 0;
    nRead = 0;
    if (!::ReadFile(hFile, pBuf, nCount, &n, NULL))
        return LastError();
    nRead = n;
    return 0;
}

LONG Write(HANDLE hFile, const void* pBuf, UINT nCount) {
    DWORD n = 0;
    if (!::WriteFile(hFile, pBuf, nCount, &n, NULL))
        return LastError();
    return n == nCount ? 0 : ERROR_DISK_FULL;
}

LONG Seek(HANDLE hFile, LONGLONG nOffset, UINT nFrom, ULONGLONG& nNewPos) {
    LARGE_INTEGER offset, pos;
    offset.QuadPart = nOffset;
    if (!::SetFilePointerEx(hFile, offset, &pos, nFrom))
        return LastError();
    nNewPos = static_cast<ULONGLONG>(pos.QuadPart);
    return 0;
}

LONG Length(HANDLE hFile, ULONGLONG& nLength) {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(hFile, &size))
        return LastError();
    nLength = static_cast<ULONGLONG>(size.QuadPart);
    return 0;
}

// SetEndOfFile cuts at the file pointer, which is put back afterwards.
LONG SetLength(HANDLE hFile, ULONGLONG nLength) {
    LARGE_INTEGER zero, saved, length;
    zero.QuadPart = 0;
    length.QuadPart = static_cast<LONGLONG>(nLength);
    if (!::SetFilePointerEx(hFile, zero, &saved, FILE_CURRENT) ||
        !::SetFilePointerEx(hFile, length, NULL, FILE_BEGIN))
        return LastError();
    LONG lOsError = ::SetEndOfFile(hFile) ? 0 : LastError();
    if (!::SetFilePointerEx(hFile, saved, NULL, FILE_BEGIN) && !lOsError)
        lOsError = LastError();
    return lOsError;
}

LONG Commit(HANDLE hFile) {
    return ::FlushFileBuffers(hFile) ? 0 : LastError();
}

BOOL Status(LPCTSTR pszPath, CFileStatus& rStatus) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!pszPath || !::GetFileAttributesEx(pszPath, GetFileExInfoStandard, &data))
        return FALSE;
    CString strFull = FullPath(pszPath);
    if (strFull.GetLength() >= _MAX_PATH)
        return FALSE;
    bool bFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    rStatus.m_size =
        bFolder ? 0 : (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    rStatus.m_attribute = static_cast<BYTE>(data.dwFileAttributes);
    std::memcpy(rStatus.m_szFullName, strFull.GetString(),
                (strFull.GetLength() + 1) * sizeof(TCHAR));
    return TRUE;
}

LONG Remove(LPCTSTR pszPath) {
    return ::DeleteFile(pszPath) ? 0 : LastError();
}

LONG Rename(LPCTSTR pszOld, LPCTSTR pszNew) {
    return ::MoveFile(pszOld, pszNew) ? 0 : LastError();
}

CString FullPath(LPCTSTR pszPath) {
    CString strFull;
    DWORD nSize = ::GetFullPathName(pszPath, 0, NULL, NULL);
    if (nSize == 0)
        return CString(pszPath);
    DWORD nLength = ::GetFullPathName(pszPath, nSize, strFull.GetBuffer(nSize), NULL);
    if (nLength == 0 || nLength >= nSize) {
        strFull.ReleaseBuffer(0);
        return CString(pszPath);
    }
    strFull.ReleaseBuffer(nLength);
    return strFull;
}

} // namespace fileos

int PASCAL CFileException::OsErrorToException(LONG lOsError) {
    switch (lOsError) {
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_NETPATH:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_INVALID_PARAMETER:
        return badSeek;
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}
