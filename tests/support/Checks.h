// Small checks shared by the framework and window test programs.
#pragma once

#include <afx.h>

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>

// Runs f and reports whether it threw CInvalidArgException (which it deletes).
template <class F> bool ThrowsInvalidArg(F f) {
    try {
        f();
    } catch (CException* e) {
        bool bInvalidArg = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
        e->Delete();
        return bInvalidArg;
    }
    return false;
}

// The whole string, embedded zeros included; a wide one in the ANSI code
// page.
inline std::string Str(const CStringA& s) {
    return std::string(s.GetString(), s.GetLength());
}
inline std::string Str(const CStringW& s) {
    return Str(CStringA(s));
}

// How a failed check shows a string.
template <class T> void PrintTo(const CStringT<T>& s, std::ostream* os) {
    *os << '"' << Str(s) << '"';
}

// Whether the 8-bit code page holds the characters of ISO 8859-1 at their
// own bytes where tests use them: ISO 8859-1 itself on Linux, 1252 (Wine's
// for the English locales) on Windows.
inline bool CodePageIs1252OrLatin1() {
#ifdef _WIN32
    return ::GetACP() == 1252;
#else
    return true;
#endif
}

// The library's DLL, named for the character set it is built in.
#ifdef _UNICODE
#define DOVUV32_DLL _T("dovuv32u.dll")
#else
#define DOVUV32_DLL _T("dovuv32.dll")
#endif

#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
#define DOVUV32_HAS_VIRTUAL_SLOT 1
// A virtual operation's slot in its class's table, from the common C++ ABI's
// form of a pointer to a virtual member: one more than the slot's byte offset.
template <class F> std::ptrdiff_t VirtualSlot(F f) {
    std::ptrdiff_t nOffset = 0;
    std::memcpy(&nOffset, &f, sizeof nOffset);
    return (nOffset - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}
#endif
