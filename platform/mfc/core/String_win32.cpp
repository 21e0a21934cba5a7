// The StringOs.h functions of the Windows target.
#include <afx.h>

#include "StringOs.h"

namespace stringos {

// mingw's C99 vswprintf (the one C++ programs get, as with vsnprintf)
// reports the length of a text that did not fit, as snprintf does; its
// numbers come out exactly as the 8-bit ones.
int FormatWide(wchar_t* pBuf, size_t nBuf, const wchar_t* pszFormat, va_list argList) {
    return vswprintf(pBuf, nBuf, pszFormat, argList);
}

} // namespace stringos
