// The conversions of CodePage.h through the system's code-page tables.
#include "afx.h"
#include "CodePage.h"

namespace codepage {

const LONG lNoTranslation = ERROR_NO_UNICODE_TRANSLATION;

int ToWide(const char* p, int n, wchar_t* pOut, int nOut) {
    return n > 0 ? ::MultiByteToWideChar(CP_ACP, 0, p, n, pOut, nOut) : 0;
}

int ToAnsi(const wchar_t* p, int n, char* pOut, int nOut) {
    return n > 0 ? ::WideCharToMultiByte(CP_ACP, 0, p, n, pOut, nOut, NULL, NULL) : 0;
}

// Without WC_NO_BEST_FIT_CHARS the system would write a look-alike ('a' for
// U+0101) and not say so. A UTF-8 code page takes neither that flag nor the
// question; it reports a character it cannot encode (a lone surrogate) as
// an error instead.
int ToAnsiExactly(const wchar_t* p, int n, char* pOut, int nOut) {
    if (n <= 0)
        return 0;
    BOOL bDefaultUsed = FALSE;
    const bool bUtf8 = ::GetACP() == CP_UTF8;
    const int nMade =
        ::WideCharToMultiByte(CP_ACP, bUtf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, p, n,
                              pOut, nOut, NULL, bUtf8 ? NULL : &bDefaultUsed);
    return nMade == 0 || bDefaultUsed ? -1 : nMade;
}

// Lead bytes exist in the double-byte code pages only; their trail bytes
// may look like lead bytes, so the walk starts at the first byte.
int WholeCharacters(const char* p, int n) {
    CPINFO info;
    if (!::GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 2)
        return n;
    int i = 0;
    while (i < n) {
        const int nStep = ::IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(p[i])) ? 2 : 1;
        if (i + nStep > n)
            break;
        i += nStep;
    }
    return i;
}

} // namespace codepage
