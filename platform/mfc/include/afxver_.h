// The framework's configuration: the platform's basic types, export macros and
// diagnostics. Every framework header starts here.
#pragma once

#ifdef _WIN32
#include "afxv_w32.h"
#else
#include "afxv_posix.h"
#endif

// Diagnostics: checked only in debug builds of the host (_DEBUG). VERIFY still
// evaluates its argument in release builds; TRACE evaluates nothing there.
AFX_FW_API void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
// TRACE takes 8-bit and wide formats in either build; a wide text goes out
// in the ANSI code page.
AFX_FW_API void AfxTrace(LPCSTR lpszFormat, ...) AFX_PRINTF_FMT(1, 2);
AFX_FW_API void AfxTrace(LPCWSTR lpszFormat, ...);

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define TRACE AfxTrace
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#endif

// DECLARE_DYNAMIC declares its GetRuntimeClass override without 'override',
// as the framework always has; clang would flag that in a class that marks
// its other overrides.
#ifdef __clang__
#define AFX_IMPLICIT_OVERRIDE_BEGIN                                                                \
    _Pragma("clang diagnostic push")                                                               \
        _Pragma("clang diagnostic ignored \"-Winconsistent-missing-override\"")
#define AFX_IMPLICIT_OVERRIDE_END _Pragma("clang diagnostic pop")
#else
#define AFX_IMPLICIT_OVERRIDE_BEGIN
#define AFX_IMPLICIT_OVERRIDE_END
#endif
