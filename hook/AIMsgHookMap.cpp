#include "AIMsgHookMap.h"

#include "AIMsgHook.h"

namespace {

// The procedures are read, installed and called through the entry points of
// one character set, the build's: a procedure read through the other set's
// entry point may be the system's converting stand-in for it, which only
// that set's CallWindowProc calls rightly and which never equals our own.
// Installed through the W entry point, the shared procedure makes the window
// a Unicode one; a subclasser of the other set above or below it gets its
// messages converted by the system.
WNDPROC CurrentProc(HWND hWnd) {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
}

WNDPROC InstallProc(HWND hWnd, WNDPROC pfn) {
    return reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfn)));
}

} // namespace

CAIMsgHookMap::CAIMsgHookMap()
    : CMapPtrToPtr(10), m_passOn(10),
      m_nProbeMsg(::RegisterWindowMessage(_T("dovuv32 CAIMsgHook probe"))) {}

CAIMsgHookMap& CAIMsgHookMap::Instance() {
    static CAIMsgHookMap map;
    return map;
}

CAIMsgHook* CAIMsgHookMap::FindHook(HWND hWnd) const {
    void* pHook = NULL;
    return Lookup(hWnd, pHook) ? static_cast<CAIMsgHook*>(pHook) : NULL;
}

void CAIMsgHookMap::AddHook(HWND hWnd, CAIMsgHook* pHook) {
    CAIMsgHook* pHead = FindHook(hWnd);
    pHook->m_pfnOldWndProc = pHead != NULL ? pHead->m_pfnOldWndProc : Subclass(hWnd);
    pHook->m_pNextHook = pHead;
    SetAt(hWnd, pHook);
}

void CAIMsgHookMap::RemoveHook(CAIMsgHook* pHook) {
    HWND hWnd = pHook->m_hWndHooked;
    CAIMsgHook* pHead = FindHook(hWnd);
    if (pHead == pHook) {
        if (pHook->m_pNextHook != NULL) {
            SetAt(hWnd, pHook->m_pNextHook);
        } else {
            RemoveKey(hWnd);
            Unsubclass(hWnd, pHook->m_pfnOldWndProc);
        }
        return;
    }
    for (CAIMsgHook* p = pHead; p != NULL; p = p->m_pNextHook) {
        if (p->m_pNextHook == pHook) {
            p->m_pNextHook = pHook->m_pNextHook;
            return;
        }
    }
}

void CAIMsgHookMap::RemoveAllHooks(HWND hWnd) {
    while (CAIMsgHook* pHook = FindHook(hWnd)) {
        pHook->HookWindow(NULL);
        // An override that ignored the request must not keep us here forever.
        if (FindHook(hWnd) == pHook)
            pHook->CAIMsgHook::HookWindow(NULL);
    }
}

// The procedure the first hook of hWnd passes messages on to. Where the shared
// procedure still sits in the window's chain, under another subclasser, the
// hooks take that place again: installed above, they would have that
// subclasser pass every message back to them.
WNDPROC CAIMsgHookMap::Subclass(HWND hWnd) {
    void* pPassOn = NULL;
    if (m_passOn.Lookup(hWnd, pPassOn)) {
        // Kept while asking: what the subclasser above does with the probe
        // may send the window messages of its own.
        const BOOL bReached = ReachesSharedProc(hWnd);
        m_passOn.RemoveKey(hWnd);
        if (bReached)
            return reinterpret_cast<WNDPROC>(pPassOn);
    }
    WNDPROC pfnOld = InstallProc(hWnd, HookedWindowProc);
    // Other code copied the shared procedure onto a window we know nothing
    // of: it must never become the procedure we pass on to, or we would call
    // ourselves until the stack ran out.
    return pfnOld != HookedWindowProc ? pfnOld : ::DefWindowProc;
}

// Restores hWnd's procedure only while the shared one is on top: a subclasser
// above it still calls it, so it stays and passes messages on.
void CAIMsgHookMap::Unsubclass(HWND hWnd, WNDPROC pfnOld) {
    if (CurrentProc(hWnd) == HookedWindowProc) {
        InstallProc(hWnd, pfnOld);
    } else if (::IsWindow(hWnd)) {
        ForgetDeadWindows();
        m_passOn.SetAt(hWnd, reinterpret_cast<void*>(pfnOld));
    }
}

// A subclasser that left without looking may have cut the shared procedure
// out of the chain; only a message sent through the chain tells.
BOOL CAIMsgHookMap::ReachesSharedProc(HWND hWnd) const {
    return ::SendMessage(hWnd, m_nProbeMsg, 0, 0) == ProbeAnswer();
}

// A window whose shared procedure was cut out of its chain is destroyed
// without our seeing it; its entry must not outlive it, nor be taken for a
// later window that gets the same handle.
void CAIMsgHookMap::ForgetDeadWindows() {
    POSITION pos = m_passOn.GetStartPosition();
    while (pos != NULL) {
        void* hWnd = NULL;
        void* pfn = NULL;
        m_passOn.GetNextAssoc(pos, hWnd, pfn);
        if (!::IsWindow(static_cast<HWND>(hWnd)))
            m_passOn.RemoveKey(hWnd);
    }
}

LRESULT CAIMsgHookMap::PassOn(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    void* pPassOn = NULL;
    // Without a record, a stale copy of the shared procedure was called:
    // the window's procedure was restored long ago.
    if (!m_passOn.Lookup(hWnd, pPassOn))
        return ::DefWindowProc(hWnd, msg, wParam, lParam);
    WNDPROC pfn = reinterpret_cast<WNDPROC>(pPassOn);
    // The subclasser above has left, restoring the shared procedure: the
    // restore it prevented is done now.
    const bool onTop = CurrentProc(hWnd) == HookedWindowProc;
    if (onTop)
        InstallProc(hWnd, pfn);
    if (onTop || msg == WM_NCDESTROY)
        m_passOn.RemoveKey(hWnd);
    return ::CallWindowProc(pfn, hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK HookedWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CAIMsgHookMap& map = CAIMsgHookMap::Instance();
    if (map.IsProbe(msg))
        return map.ProbeAnswer();

    // Saved and restored, so that Default() stays right when handling this
    // message sends another one to a hooked window.
    MSG& cur = AfxGetThreadState()->m_lastSentMsg;
    const MSG saved = cur;
    cur.hwnd = hWnd;
    cur.message = msg;
    cur.wParam = wParam;
    cur.lParam = lParam;

    LRESULT result;
    CAIMsgHook* pHead = map.FindHook(hWnd);
    if (pHead == NULL) {
        result = map.PassOn(hWnd, msg, wParam, lParam);
    } else if (msg == WM_NCDESTROY) {
        WNDPROC pfnOld = pHead->m_pfnOldWndProc;
        map.RemoveAllHooks(hWnd);
        map.ForgetPassOn(hWnd);
        result = ::CallWindowProc(pfnOld, hWnd, msg, wParam, lParam);
    } else {
        result = pHead->WindowProc(msg, wParam, lParam);
    }

    cur = saved;
    return result;
}
