// Conversions between 8-bit characters of the process's ANSI code page and
// wide characters, one implementation per target (CodePage_win32.cpp,
// CodePage_posix.cpp). On Linux the code page is ISO 8859-1: its characters
// are the first 256 code points.
#pragma once

#include "afx.h"

namespace codepage {

// Each converts n characters at p into pOut, which has room for nOut, and
// returns the count it made there; with nOut 0 it only counts. No text
// makes more wide characters than it has bytes.
int ToWide(const char* p, int n, wchar_t* pOut, int nOut);
// As the system converts by default: a character the code page lacks
// becomes its closest form there, or '?'.
int ToAnsi(const wchar_t* p, int n, char* pOut, int nOut);
// Refuses instead: -1 when any character has no form of its own in the code
// page, and then nothing is converted.
int ToAnsiExactly(const wchar_t* p, int n, char* pOut, int nOut);
// The length of the longest start of the n bytes at p that ends with a
// whole character: all of them unless the last is the lead byte of a
// double-byte character.
int WholeCharacters(const char* p, int n);
// The system's error code for a character that has no form in the code
// page, as a refusal reports it.
extern const LONG lNoTranslation;

inline int Convert(const char* p, int n, wchar_t* pOut, int nOut) {
    return ToWide(p, n, pOut, nOut);
}
inline int Convert(const wchar_t* p, int n, char* pOut, int nOut) {
    return ToAnsi(p, n, pOut, nOut);
}

} // namespace codepage
