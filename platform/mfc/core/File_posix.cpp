// The file calls of FileOs.h over POSIX descriptors. A descriptor travels in
// the HANDLE as its integer value, so CFile::hFileNull stands for -1.
//
// The library is written with back-slashes: every path handed to the system
// here has them turned into '/' first.
//
// Sharing flags are not enforced on this target: POSIX has no share modes,
// and advisory locks would bind only programs that ask for them.
#include "afx.h"
#include "FileOs.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string NativePath(LPCTSTR pszPath) {
    std::string path = pszPath ? pszPath : "";
    for (char& ch : path)
        if (ch == '\\')
            ch = '/';
    return path;
}

int Descriptor(HANDLE hFile) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(hFile));
}

LONG LastError() {
    return static_cast<LONG>(errno);
}

} // namespace

namespace fileos {

const TCHAR chSeparator = '/';

LONG Open(LPCTSTR pszPath, UINT nOpenFlags, HANDLE& hFile) {
    int flags = O_RDONLY;
    if ((nOpenFlags & 3) == CFile::modeWrite)
        flags = O_WRONLY;
    else if ((nOpenFlags & 3) == CFile::modeReadWrite)
        flags = O_RDWR;
    if (nOpenFlags & CFile::modeCreate)
        flags |= (nOpenFlags & CFile::modeNoTruncate) ? O_CREAT : O_CREAT | O_TRUNC;
    if (nOpenFlags & CFile::modeNoInherit)
        flags |= O_CLOEXEC;

    std::string path = NativePath(pszPath);
    int fd;
    do
        fd = ::open(path.c_str(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return LastError();
    // Windows refuses to open a folder as a file; so do we.
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return EISDIR;
    }
    hFile = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd));
    return 0;
}

LONG Close(HANDLE hFile) {
    return ::close(Descriptor(hFile)) == 0 ? 0 : LastError();
}

LONG Read(HANDLE hFile, void* pBuf, UINT nCount, UINT& nRead) {
    char* p = static_cast<char*>(pBuf);
    nRead = 0;
    while (nRead < nCount) {
        ssize_t n = ::read(Descriptor(hFile), p + nRead, nCount - nRead);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return LastError();
        if (n == 0)
            break;
        nRead += static_cast<UINT>(n);
    }
    return 0;
}

LONG Write(HANDLE hFile, const void* pBuf, UINT nCount) {
    const char* p = static_cast<const char*>(pBuf);
    while (nCount > 0) {
        ssize_t n = ::write(Descriptor(hFile), p, nCount);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return LastError();
        p += n;
        nCount -= static_cast<UINT>(n);
    }
    return 0;
}

LONG Seek(HANDLE hFile, LONGLONG nOffset, UINT nFrom, ULONGLONG& nNewPos) {
    int whence = nFrom == CFile::begin     ? SEEK_SET
                 : nFrom == CFile::current ? SEEK_CUR
                 : nFrom == CFile::end     ? SEEK_END
                                           : -1;
    off_t pos = ::lseek(Descriptor(hFile), static_cast<off_t>(nOffset), whence);
    if (pos < 0)
        return LastError();
    nNewPos = static_cast<ULONGLONG>(pos);
    return 0;
}

LONG Length(HANDLE hFile, ULONGLONG& nLength) {
    struct stat st;
    if (::fstat(Descriptor(hFile), &st) != 0)
        return LastError();
    nLength = static_cast<ULONGLONG>(st.st_size);
    return 0;
}

LONG SetLength(HANDLE hFile, ULONGLONG nLength) {
    return ::ftruncate(Descriptor(hFile), static_cast<off_t>(nLength)) == 0 ? 0 : LastError();
}

LONG Commit(HANDLE hFile) {
    return ::fsync(Descriptor(hFile)) == 0 ? 0 : LastError();
}

BOOL Status(LPCTSTR pszPath, CFileStatus& rStatus) {
    struct stat st;
    if (::stat(NativePath(pszPath).c_str(), &st) != 0)
        return FALSE;
    CString strFull = FullPath(pszPath);
    if (strFull.GetLength() >= _MAX_PATH)
        return FALSE;
    bool bFolder = S_ISDIR(st.st_mode);
    rStatus.m_size = bFolder ? 0 : static_cast<ULONGLONG>(st.st_size);
    rStatus.m_attribute = static_cast<BYTE>((bFolder ? CFile::directory : 0) |
                                            ((st.st_mode & S_IWUSR) ? 0 : CFile::readOnly));
    std::memcpy(rStatus.m_szFullName, strFull.GetString(),
                (strFull.GetLength() + 1) * sizeof(TCHAR));
    return TRUE;
}

LONG Remove(LPCTSTR pszPath) {
    return ::unlink(NativePath(pszPath).c_str()) == 0 ? 0 : LastError();
}

// Windows never replaces an existing entry by renaming; rename(2) would.
LONG Rename(LPCTSTR pszOld, LPCTSTR pszNew) {
    std::string newPath = NativePath(pszNew);
    struct stat st;
    if (::lstat(newPath.c_str(), &st) == 0)
        return EEXIST;
    return ::rename(NativePath(pszOld).c_str(), newPath.c_str()) == 0 ? 0 : LastError();
}

CString FullPath(LPCTSTR pszPath) {
    std::string path = NativePath(pszPath);
    if (path.empty() || path[0] != '/') {
        char* cwd = ::getcwd(nullptr, 0);
        path = std::string(cwd ? cwd : "") + "/" + path;
        std::free(cwd);
    }
    std::vector<std::string> steps;
    for (size_t start = 0; start < path.size();) {
        size_t stop = path.find('/', start);
        if (stop == std::string::npos)
            stop = path.size();
        std::string step = path.substr(start, stop - start);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = stop + 1;
    }
    std::string full;
    for (const std::string& step : steps)
        full += "/" + step;
    if (full.empty() || path.back() == '/')
        full += "/";
    return CString(full.c_str(), static_cast<int>(full.size()));
}

} // namespace fileos

int PASCAL CFileException::OsErrorToException(LONG lOsError) {
    switch (lOsError) {
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
    // A descriptor without the access asked for: CFile itself rejects closed
    // files, so this is a read on a write-only file or the reverse.
    case EBADF:
        return accessDenied;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case EINVAL:
    case ESPIPE:
    case EOVERFLOW:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

BOOL CreateDirectoryA(LPCSTR lpPathName, void*) {
    return ::mkdir(NativePath(lpPathName).c_str(), 0777) == 0;
}
