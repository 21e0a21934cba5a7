// Native (non-Windows) build: the basic types and macros that <windows.h>,
// <tchar.h> and the secure C runtime give a Win32 program. Only the framework's
// portable core and windowless code build here. Included through afxver_.h.
#pragma once

#include <cctype>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <strings.h>

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

// The build's characters are 8-bit, as in a Windows build without _UNICODE.
// Wide strings exist beside them (CStringW), with this target's 32-bit
// wchar_t.
typedef char CHAR;
typedef wchar_t WCHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCWSTR;
typedef char TCHAR, _TCHAR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
#define _T(x) x
#define _TEXT(x) x
#define TEXT(x) x

// The generic-text names of the C runtime, in their 8-bit forms, as
// <tchar.h> maps them in a build without _UNICODE.
#define _tcslen strlen
#define _tcscmp strcmp
#define _tcsncmp strncmp
#define _tcsicmp strcasecmp
#define _tcsnicmp strncasecmp
#define _tcschr strchr
#define _tcsrchr strrchr
#define _tcsstr strstr
#define _tcsspn strspn
#define _tcscspn strcspn
#define _tcspbrk strpbrk
#define _tcscpy strcpy
#define _tcsncpy strncpy
#define _tcscat strcat
#define _tcsdup strdup
#define _tcstod strtod
#define _tcstol strtol
#define _tcstoul strtoul
#define _ttoi atoi
#define _ttol atol
#define _ttof atof
#define _istdigit isdigit
#define _istspace isspace
#define _istalpha isalpha
#define _istalnum isalnum
#define _istupper isupper
#define _istlower islower
#define _totupper toupper
#define _totlower tolower
#define _stprintf_s sprintf_s
#define _vstprintf_s vsprintf_s
#define _sntprintf snprintf
#define _vsntprintf vsnprintf
#define _stscanf sscanf
#define _stscanf_s sscanf_s
#define _tprintf printf
#define _ftprintf fprintf
#define _fputts fputs
#define _tfopen fopen

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
