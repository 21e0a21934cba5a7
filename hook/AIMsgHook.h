// CAIMsgHook: lets an object that is not a window see, handle or pass on the
// messages of a window owned by someone else. Any number of hooks may watch
// one window; they form a chain, newest first, and the newest sees each
// message first. Derive, override WindowProc, and pass a message on with
// Default() or the base WindowProc.
#pragma once

#include <afxwin.h>

// The window procedure of every hooked window. Internal to the library.
LRESULT CALLBACK HookedWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

class AFX_EXT_CLASS CAIMsgHook : public CObject {
    DECLARE_DYNAMIC(CAIMsgHook)
public:
    CAIMsgHook();
    // A hook destroyed while hooked leaves its chain first, so that the
    // window never reaches a hook that no longer exists.
    virtual ~CAIMsgHook();

    // The base version passes the message to the next-older hook, or to the
    // window's own procedure after the oldest.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // pWnd: put this hook at the head of pWnd's chain (the first hook of a
    // window subclasses it). NULL: leave the chain (the last hook to leave
    // restores the window's procedure, unless another subclasser has come
    // above it since). Hooking a hooked hook and unhooking one that is not
    // hooked do nothing. Returns TRUE.
    virtual BOOL HookWindow(CWnd* pWnd);

    BOOL IsHooked() const { return m_pHookedWnd != NULL; }
    // Passes the message being handled on, past any override of WindowProc.
    LRESULT Default();
    // Stores b for derived hooks to read; returns the previous value.
    BOOL EnableHandlers(BOOL b);

protected:
    CWnd* m_pHookedWnd; // not owned; NULL while not hooked
    // The window's own procedure, shared by the chain; kept after unhooking
    // (as is the window's handle), so that a hook that leaves while it
    // handles a message still passes the message on.
    WNDPROC m_pfnOldWndProc;
    CAIMsgHook* m_pNextHook; // hooked before this one; NULL for the oldest
    BOOL m_bEnableHandlers;

private:
    // The hooked window's handle, kept apart from m_pHookedWnd: a hook may be
    // given a temporary window object that is gone at the next idle time.
    // Kept after unhooking, like m_pfnOldWndProc.
    HWND m_hWndHooked;

    friend class CAIMsgHookMap;
    friend LRESULT CALLBACK HookedWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
