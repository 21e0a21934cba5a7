// The conversions of CodePage.h for ISO 8859-1: a byte is the code point of
// its value, and only the first 256 code points have a byte.
#include "afx.h"
#include "CodePage.h"

#include <errno.h>

namespace codepage {

const LONG lNoTranslation = EILSEQ;

namespace {

bool InCodePage(wchar_t ch) {
    return static_cast<unsigned long>(ch) <= 0xFF;
}

} // namespace

int ToWide(const char* p, int n, wchar_t* pOut, int nOut) {
    if (nOut == 0)
        return n;
    for (int i = 0; i < n; ++i)
        pOut[i] = static_cast<unsigned char>(p[i]);
    return n;
}

int ToAnsi(const wchar_t* p, int n, char* pOut, int nOut) {
    if (nOut == 0)
        return n;
    for (int i = 0; i < n; ++i)
        pOut[i] = InCodePage(p[i]) ? static_cast<char>(p[i]) : '?';
    return n;
}

int ToAnsiExactly(const wchar_t* p, int n, char* pOut, int nOut) {
    for (int i = 0; i < n; ++i) {
        if (!InCodePage(p[i]))
            return -1;
    }
    return ToAnsi(p, n, pOut, nOut);
}

int WholeCharacters(const char*, int n) {
    return n;
}

} // namespace codepage
