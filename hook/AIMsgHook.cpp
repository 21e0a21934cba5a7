#include "AIMsgHook.h"

#include "AIMsgHookMap.h"

IMPLEMENT_DYNAMIC(CAIMsgHook, CObject)

CAIMsgHook::CAIMsgHook()
    : m_pHookedWnd(NULL), m_pfnOldWndProc(NULL), m_pNextHook(NULL), m_bEnableHandlers(TRUE),
      m_hWndHooked(NULL) {}

CAIMsgHook::~CAIMsgHook() {
    // Qualified: a derived hook is already gone by now.
    if (IsHooked())
        CAIMsgHook::HookWindow(NULL);
}

LRESULT CAIMsgHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pNextHook != NULL)
        return m_pNextHook->WindowProc(msg, wParam, lParam);
    // Never hooked: there is no procedure to pass the message to. A hook that
    // left while handling the message still passes it to the window's own
    // procedure, which it kept.
    if (m_pfnOldWndProc == NULL)
        return 0;
    return ::CallWindowProc(m_pfnOldWndProc, m_hWndHooked, msg, wParam, lParam);
}

BOOL CAIMsgHook::HookWindow(CWnd* pWnd) {
    if (pWnd != NULL) {
        if (!IsHooked()) {
            CAIMsgHookMap::Instance().AddHook(pWnd->m_hWnd, this);
            m_pHookedWnd = pWnd;
            m_hWndHooked = pWnd->m_hWnd;
        }
    } else if (IsHooked()) {
        CAIMsgHookMap::Instance().RemoveHook(this);
        m_pHookedWnd = NULL;
    }
    return TRUE;
}

LRESULT CAIMsgHook::Default() {
    const MSG& cur = AfxGetThreadState()->m_lastSentMsg;
    return CAIMsgHook::WindowProc(cur.message, cur.wParam, cur.lParam);
}

BOOL CAIMsgHook::EnableHandlers(BOOL b) {
    BOOL bOld = m_bEnableHandlers;
    m_bEnableHandlers = b;
    return bOld;
}
