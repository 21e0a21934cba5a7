// CFileFind's directory scan over opendir/readdir, with the pattern's name
// part matched here as Windows matches it: '*' and '?' wildcards, letters
// compared without case, and a final ".*" that also matches a name without
// an extension ("*.*" matches every name). Entries come in the order readdir
// gives them; "." and ".." are reported except in the file system's root, as
// on Windows.
//
// The pattern's folder ends at its last '/' or '\': the library is written
// with back-slashes, so they count as separators here too (FindFile has
// already made the folder absolute, with '/', in m_strRoot).
#include "afx.h"
#include "FileOs.h"

#include <ctype.h>
#include <dirent.h>
#include <string.h>
#include <sys/stat.h>

namespace {

bool SameLetter(char a, char b) {
    return tolower(static_cast<unsigned char>(a)) == tolower(static_cast<unsigned char>(b));
}

// Wildcard matching that backtracks to the last '*' on a mismatch.
bool Match(const char* pMask, const char* pName) {
    const char* pAfterStar = NULL;
    const char* pResume = NULL;
    while (*pName) {
        if (*pMask == '*') {
            pAfterStar = ++pMask;
            pResume = pName;
        } else if (*pMask && (*pMask == '?' || SameLetter(*pMask, *pName))) {
            ++pMask;
            ++pName;
        } else if (pAfterStar) {
            pMask = pAfterStar;
            pName = ++pResume;
        } else {
            return false;
        }
    }
    while (*pMask == '*')
        ++pMask;
    return *pMask == '\0';
}

bool MatchesPattern(const CString& strMask, const char* pszName) {
    if (Match(strMask, pszName))
        return true;
    int n = strMask.GetLength();
    return n >= 2 && strMask[n - 2] == '.' && strMask[n - 1] == '*' &&
           Match(strMask.Left(n - 2), pszName);
}

bool IsDotsName(const char* pszName) {
    return strcmp(pszName, ".") == 0 || strcmp(pszName, "..") == 0;
}

} // namespace

BOOL CFileFind::BeginScan(LPCTSTR) {
    DIR* pDir = opendir(m_strRoot);
    if (pDir == NULL)
        return FALSE;
    m_pContext = pDir;
    return LoadNext();
}

BOOL CFileFind::LoadNext() {
    DIR* pDir = static_cast<DIR*>(m_pContext);
    bool bRoot = filepath::IsRoot(m_strRoot);
    while (const dirent* pEntry = readdir(pDir)) {
        const char* pszName = pEntry->d_name;
        if ((bRoot && IsDotsName(pszName)) || !MatchesPattern(m_strMask, pszName))
            continue;
        // An entry that vanished since readdir listed it is skipped; a link
        // whose target is gone is reported as itself.
        CString strPath = filepath::Join(m_strRoot, pszName);
        struct stat st;
        if (stat(strPath, &st) != 0 && lstat(strPath, &st) != 0)
            continue;
        bool bFolder = S_ISDIR(st.st_mode);
        DWORD dwAttributes = (bFolder ? FILE_ATTRIBUTE_DIRECTORY : 0) |
                             ((st.st_mode & S_IWUSR) ? 0 : FILE_ATTRIBUTE_READONLY);
        SetNext(pszName, dwAttributes, bFolder ? 0 : static_cast<ULONGLONG>(st.st_size));
        return TRUE;
    }
    return FALSE;
}

void CFileFind::EndScan() {
    closedir(static_cast<DIR*>(m_pContext));
}
