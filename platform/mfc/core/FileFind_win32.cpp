// CFileFind's directory scan over FindFirstFile / FindNextFile. The system
// matches the pattern itself. (windows.h maps the member's name FindNextFile
// to FindNextFileA or FindNextFileW; the API is called with :: for that
// reason.)
#include "afx.h"

namespace {

ULONGLONG LengthOf(const WIN32_FIND_DATA& data) {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

} // namespace

BOOL CFileFind::BeginScan(LPCTSTR pstrName) {
    WIN32_FIND_DATA data;
    HANDLE hFind = ::FindFirstFile(pstrName, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_pContext = hFind;
    SetNext(data.cFileName, data.dwFileAttributes, LengthOf(data));
    return TRUE;
}

BOOL CFileFind::LoadNext() {
    WIN32_FIND_DATA data;
    if (!::FindNextFile(static_cast<HANDLE>(m_pContext), &data))
        return FALSE;
    SetNext(data.cFileName, data.dwFileAttributes, LengthOf(data));
    return TRUE;
}

void CFileFind::EndScan() {
    ::FindClose(static_cast<HANDLE>(m_pContext));
}
