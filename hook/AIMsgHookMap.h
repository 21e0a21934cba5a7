// CAIMsgHookMap: the one process-wide map from a hooked window to the head of
// its hook chain, the newest hook. It owns nothing: hooks belong to whoever
// created them. Internal to the library; user-interface thread only.
#pragma once

#include <afxwin.h>

class CAIMsgHook;

class CAIMsgHookMap : public CMapPtrToPtr {
public:
    // The one map, created on first use and destroyed with the library.
    static CAIMsgHookMap& Instance();

    // The head of hWnd's chain, or NULL.
    CAIMsgHook* FindHook(HWND hWnd) const;
    // Puts pHook in front of hWnd's chain; the first hook subclasses hWnd.
    void AddHook(HWND hWnd, CAIMsgHook* pHook);
    // Takes pHook out of its window's chain; the last one restores the
    // window's procedure. A hook not found in the chain changes nothing.
    void RemoveHook(CAIMsgHook* pHook);
    // Unhooks every hook of hWnd, newest first, through HookWindow(NULL) so
    // that derived hooks learn of it.
    void RemoveAllHooks(HWND hWnd);

private:
    CAIMsgHookMap();
};
