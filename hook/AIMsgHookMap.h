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
    // window's procedure if no other subclasser sits above it. A hook not
    // found in the chain changes nothing.
    void RemoveHook(CAIMsgHook* pHook);
    // Unhooks every hook of hWnd, newest first, through HookWindow(NULL) so
    // that derived hooks learn of it.
    void RemoveAllHooks(HWND hWnd);

    // True for the message the shared procedure answers itself, to tell
    // whether it is still in a window's chain. Any process may send it, so
    // the answer is a fixed word, not an address of ours.
    BOOL IsProbe(UINT msg) const { return msg == m_nProbeMsg; }
    static LRESULT ProbeAnswer() { return 0x6B6F6F68; }
    // A message that reaches the shared procedure for a window without
    // hooks: passed on to the window's own procedure where one is known,
    // else to the default procedure.
    LRESULT PassOn(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // hWnd is going: nothing passes through the shared procedure again.
    void ForgetPassOn(HWND hWnd) { m_passOn.RemoveKey(hWnd); }

private:
    CAIMsgHookMap();

    WNDPROC Subclass(HWND hWnd);
    void Unsubclass(HWND hWnd, WNDPROC pfnOld);
    BOOL ReachesSharedProc(HWND hWnd) const;
    void ForgetDeadWindows();

    // Windows whose last hook left while another subclasser sat above the
    // shared procedure, which therefore stays in their chain: what reaches
    // it goes on to the procedure recorded here.
    CMapPtrToPtr m_passOn;
    UINT m_nProbeMsg;
};
