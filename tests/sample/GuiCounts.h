// Counts of the process's window handles and GDI objects, for tests that
// look for leaks.
//
// GetGuiResources answers 0 for both under Wine. Windows are then counted
// by enumerating every window of the calling thread and its descendants.
// GDI objects are then counted in the process's GDI handle table, which
// Wine keeps where Windows keeps it (the PEB's GdiSharedHandleTable): one
// 24-byte entry per handle, whose type byte is nonzero while the object
// lives. That layout is not documented, so the table count is only used
// after it has been seen to follow a brush being made and deleted; when it
// does not, there is no GDI count (-1).
#pragma once

#include <windows.h>
#include <winternl.h>

namespace gui_counts {

#pragma pack(push, 1)
struct GdiHandleEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
#pragma pack(pop)
static_assert(sizeof(GdiHandleEntry) == 24, "the entry of the GDI handle table");

const int kGdiTableSize = 0x10000;

inline const GdiHandleEntry* GdiHandleTable() {
    typedef LONG(WINAPI * QueryFn)(HANDLE, int, PVOID, ULONG, PULONG);
    const QueryFn query = reinterpret_cast<QueryFn>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info = {};
    if (query == NULL || query(::GetCurrentProcess(), 0, &info, sizeof info, NULL) != 0 ||
        info.PebBaseAddress == NULL)
        return NULL;
    // The table's address lies at 0x94 in a 32-bit PEB.
    const BYTE* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    return *reinterpret_cast<const GdiHandleEntry* const*>(peb + 0x94);
}

inline int CountGdiTable() {
    const GdiHandleEntry* table = GdiHandleTable();
    if (table == NULL)
        return -1;
    int n = 0;
    for (int i = 0; i < kGdiTableSize; ++i)
        n += table[i].type != 0 ? 1 : 0;
    return n;
}

// Whether the table count sees one brush come and go.
inline bool GdiTableFollowsObjects() {
    const int before = CountGdiTable();
    if (before < 0)
        return false;
    HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    const int with = CountGdiTable();
    ::DeleteObject(hBrush);
    return with == before + 1 && CountGdiTable() == before;
}

inline int GdiObjects() {
    const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0)
        return static_cast<int>(n);
    static const bool bTable = GdiTableFollowsObjects();
    return bTable ? CountGdiTable() : -1;
}

inline BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// A top-level window and all its descendants.
inline BOOL CALLBACK CountWindowTree(HWND hWnd, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, CountWindow, lParam);
    return TRUE;
}

inline int WindowHandles() {
    const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (n != 0)
        return static_cast<int>(n);
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindowTree, reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace gui_counts
