// Win32 build: the real platform headers give the basic types and the secure
// C runtime; this adds the framework's own export and calling macros.
// Included through afxver_.h.
#pragma once

#include <windows.h>
#include <tchar.h>
#include <stdio.h>
#include <stdlib.h>

// The framework DLL exports what its headers mark; everyone else imports.
#ifdef _AFX_CORE_IMPL
#define AFX_FW_API __declspec(dllexport)
#else
#define AFX_FW_API __declspec(dllimport)
#endif

// An extension DLL is built with _AFXEXT and exports its marked classes;
// its hosts import them.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#define AFX_EXT_API __declspec(dllexport)
#define AFX_EXT_DATA __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#define AFX_EXT_API __declspec(dllimport)
#define AFX_EXT_DATA __declspec(dllimport)
#endif

#define AFXAPI __stdcall

// The C++ runtime formats with mingw's C99 printf, hence gnu_printf.
#define AFX_PRINTF_FMT(fmt, first) __attribute__((format(gnu_printf, fmt, first)))
