// The StringOs.h functions of the Linux target.
#include <afx.h>

#include "StringOs.h"

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

namespace stringos {

// glibc's vswprintf fails on a text that does not fit without telling its
// length, so that case formats once more into a growing memory stream.
int FormatWide(wchar_t* pBuf, size_t nBuf, const wchar_t* pszFormat, va_list argList) {
    va_list argCopy;
    va_copy(argCopy, argList);
    int n = nBuf > 0 ? vswprintf(pBuf, nBuf, pszFormat, argCopy) : -1;
    va_end(argCopy);
    if (n >= 0)
        return n;
    wchar_t* pText = NULL;
    size_t nText = 0;
    FILE* pStream = open_wmemstream(&pText, &nText);
    if (pStream == NULL)
        return -1;
    n = vfwprintf(pStream, pszFormat, argList);
    fclose(pStream);
    free(pText);
    return n;
}

} // namespace stringos
