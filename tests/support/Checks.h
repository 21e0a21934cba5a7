// Small checks shared by the framework and window test programs.
#pragma once

#include <afx.h>

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
