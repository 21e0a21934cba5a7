#include "afxwin.h"

#include <mutex>
#include <set>
#include <string>

namespace {
unsigned long long Bits(const void* p) {
    return reinterpret_cast<UINT_PTR>(p);
}
} // namespace

// Every distinct combination of class style, cursor, background and icon gets
// one generated class in the application's module, registered on first use.
// The names live as long as the process, so the pointer handed out stays
// valid however many classes are registered after it.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon) {
    static std::mutex mutex;
    static std::set<std::basic_string<TCHAR>> names;

    const HINSTANCE hInst = AfxGetInstanceHandle();
    CString strName;
    strName.Format(_T("Afx:%llx:%x:%llx:%llx:%llx"), Bits(hInst), nClassStyle, Bits(hCursor),
                   Bits(hbrBackground), Bits(hIcon));
    LPCTSTR szName = strName;

    std::lock_guard<std::mutex> lock(mutex);
    WNDCLASS wc;
    if (!::GetClassInfo(hInst, szName, &wc)) {
        wc = WNDCLASS();
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = szName;
        if (!::RegisterClass(&wc))
            AfxThrowResourceException();
    }
    return names.insert(szName).first->c_str();
}
