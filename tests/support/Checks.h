// Small checks shared by the framework and window test programs.
#pragma once

#include <afx.h>

#include <cstddef>
#include <cstring>
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

// The whole string, embedded zeros included.
inline std::string Str(const CString& s) {
    return std::string(s.GetString(), s.GetLength());
}

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
