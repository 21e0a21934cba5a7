// What CStringT needs of the target's C library beyond the standard's common
// ground: one implementation per target (String_win32.cpp, String_posix.cpp).
#pragma once

#include <stdarg.h>
#include <stddef.h>

namespace stringos {

// Formats into pBuf, which has room for nBuf characters with the terminator
// (none for a count only), as vswprintf with a C99 format. Returns the
// length of the whole text, also when it did not fit, or -1 for a bad
// format.
int FormatWide(wchar_t* pBuf, size_t nBuf, const wchar_t* pszFormat, va_list argList);

} // namespace stringos
