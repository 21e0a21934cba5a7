#include "AIMsgHookMap.h"

#include "AIMsgHook.h"

CAIMsgHookMap::CAIMsgHookMap() : CMapPtrToPtr(10) {}

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
    pHook->m_pNextHook = pHead;
    SetAt(hWnd, pHook);
    if (pHead == NULL)
        pHook->m_pfnOldWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookedWindowProc)));
    else
        pHook->m_pfnOldWndProc = pHead->m_pfnOldWndProc;
}

void CAIMsgHookMap::RemoveHook(CAIMsgHook* pHook) {
    HWND hWnd = pHook->m_hWndHooked;
    CAIMsgHook* pHead = FindHook(hWnd);
    if (pHead == pHook) {
        if (pHook->m_pNextHook != NULL) {
            SetAt(hWnd, pHook->m_pNextHook);
        } else {
            RemoveKey(hWnd);
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(pHook->m_pfnOldWndProc));
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

LRESULT CALLBACK HookedWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Saved and restored, so that Default() stays right when handling this
    // message sends another one to a hooked window.
    MSG& cur = AfxGetThreadState()->m_lastSentMsg;
    const MSG saved = cur;
    cur.hwnd = hWnd;
    cur.message = msg;
    cur.wParam = wParam;
    cur.lParam = lParam;

    LRESULT result;
    CAIMsgHookMap& map = CAIMsgHookMap::Instance();
    CAIMsgHook* pHead = map.FindHook(hWnd);
    if (pHead == NULL) {
        // Another subclasser still calls us after the chain was emptied
        // underneath it: nothing of ours is left to route through.
        result = ::DefWindowProcA(hWnd, msg, wParam, lParam);
    } else if (msg == WM_NCDESTROY) {
        WNDPROC pfnOld = pHead->m_pfnOldWndProc;
        map.RemoveAllHooks(hWnd);
        result = ::CallWindowProcA(pfnOld, hWnd, msg, wParam, lParam);
    } else {
        result = pHead->WindowProc(msg, wParam, lParam);
    }

    cur = saved;
    return result;
}
