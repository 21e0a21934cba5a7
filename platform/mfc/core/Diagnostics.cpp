// Debug diagnostics behind ASSERT and TRACE; hosts reach them only when built
// with _DEBUG.
#include <afx.h>

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
    fprintf(stderr, "Assertion failed: %s(%d)\n", lpszFileName, nLine);
    fflush(stderr);
    abort();
}

void AfxTrace(LPCSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    vfprintf(stderr, lpszFormat, args);
    va_end(args);
}

void AfxTrace(LPCWSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    CStringW strText;
    strText.FormatV(lpszFormat, args);
    va_end(args);
    fputs(CStringA(strText), stderr);
}
