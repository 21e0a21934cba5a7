// Native (non-Windows) build: the basic types and macros that <windows.h>,
// <tchar.h> and the secure C runtime give a Win32 program. Only the framework's
// portable core and windowless code build here. Included through afxver_.h.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#define AFX_FW_API __attribute__((visibility("default")))
#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
#define AFX_EXT_DATA __attribute__((visibility("default")))

// Calling conventions have no meaning on this target.
#define AFXAPI
#define PASCAL

// Format checking for the framework's printf-style members.
#define AFX_PRINTF_FMT(fmt, first) __attribute__((format(printf, fmt, first)))

// Integer types with their Win32 widths: LONG and DWORD stay 32 bits.
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int DWORD;
typedef unsigned int UINT;
typedef unsigned int* PUINT;
typedef int LONG;
typedef unsigned int ULONG;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t DWORD_PTR;

#define TRUE 1
#define FALSE 0

// 8-bit characters only.
typedef char TCHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
#define _T(x) x

typedef void* HANDLE;
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

#define MAX_PATH 260
#define _MAX_PATH 260

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE, *PSIZE, *LPSIZE;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT* LPCRECT;

// The secure C runtime's formatted I/O, which glibc lacks. sprintf_s and
// vsprintf_s never write past the buffer: on overflow they leave an empty
// string and return -1. sscanf_s takes a buffer size (unsigned) after every
// %s, %c and %[ argument; a field longer than its buffer ends the scan with
// an empty buffer.
extern "C" {
AFX_FW_API int sprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, ...)
    AFX_PRINTF_FMT(3, 4);
AFX_FW_API int vsprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, va_list args);
AFX_FW_API int sscanf_s(const char* buffer, const char* format, ...);
AFX_FW_API int vsscanf_s(const char* buffer, const char* format, va_list args);
}

template <size_t N> inline int sprintf_s(char (&buffer)[N], const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = vsprintf_s(buffer, N, format, args);
    va_end(args);
    return result;
}
