#include "afxwin.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL), m_hWndOwner(NULL) {}

CWnd::~CWnd() {
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this) {
        TRACE("CWnd destroyed with its window still attached; destroying the window.\n");
        DestroyWindow();
    }
}

HWND CWnd::GetSafeHwnd() const {
    // Read through a volatile copy: the compiler may not assume it non-null.
    const CWnd* volatile self = this;
    return self == NULL ? NULL : self->m_hWnd;
}

// Handle maps

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    void* pObject = NULL;
    if (hWnd == NULL || !AfxGetThreadState()->m_permanentMap.Lookup(hWnd, pObject))
        return NULL;
    return static_cast<CWnd*>(pObject);
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    if (hWnd == NULL)
        return NULL;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    CMapPtrToPtr& temporary = AfxGetThreadState()->m_temporaryMap;
    void* pObject = NULL;
    if (temporary.Lookup(hWnd, pObject))
        return static_cast<CWnd*>(pObject);
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temporary.SetAt(hWnd, pWnd);
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap() {
    AfxGetThreadState()->DeleteTempWindows();
}

BOOL CWnd::Attach(HWND hWndNew) {
    ASSERT(m_hWnd == NULL);
    if (hWndNew == NULL || FromHandlePermanent(hWndNew) != NULL)
        return FALSE;
    m_hWnd = hWndNew;
    AfxGetThreadState()->m_permanentMap.SetAt(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != NULL && FromHandlePermanent(hWnd) == this)
        AfxGetThreadState()->m_permanentMap.RemoveKey(hWnd);
    m_hWnd = NULL;
    return hWnd;
}

// Subclassing

namespace {

// Routes the window's messages to AfxWndProc; the previous procedure is
// kept for DefWindowProc, unless it already was AfxWndProc.
WNDPROC InstallWndProc(HWND hWnd, WNDPROC pfnSuper) {
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc())));
    return pfnOld != AfxGetAfxWndProc() ? pfnOld : pfnSuper;
}

} // namespace

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = InstallWndProc(hWnd, m_pfnSuper);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = NULL;
    return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

// Creation

namespace {

// The system may create a thread's input-method window while our window is
// being created; it is not ours to attach.
bool IsImeWindow(HWND hWnd) {
    TCHAR szClass[8];
    return ::GetClassName(hWnd, szClass, 8) > 0 && lstrcmpi(szClass, _T("IME")) == 0;
}

} // namespace

LRESULT CALLBACK _AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_CREATEWND && pState->m_pWndInit != NULL && !IsImeWindow(hWnd)) {
        CWnd* pWnd = pState->m_pWndInit;
        pState->m_pWndInit = NULL;
        if (pWnd->Attach(hWnd)) {
            pWnd->PreSubclassWindow();
            pWnd->m_pfnSuper = InstallWndProc(hWnd, pWnd->m_pfnSuper);
        }
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, nCode, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == NULL)
        pState->m_hHookOldCbtFilter =
            ::SetWindowsHookEx(WH_CBT, _AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL) {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    const BOOL bAttached = pState->m_pWndInit == NULL;
    pState->m_pWndInit = NULL;
    return bAttached;
}

namespace {

// The class of windows created without one of their own.
LPCTSTR DefaultWndClass() {
    static const TCHAR szClass[] = _T("FrameworkWnd");
    static const ATOM atom = [] {
        WNDCLASS wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = szClass;
        return ::RegisterClass(&wc);
    }();
    (void)atom;
    return szClass;
}

} // namespace

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    if (lpszClassName == NULL)
        lpszClassName = DefaultWndClass();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth,
                                 nHeight, hWndParent, nIDorHMenu, AfxGetInstanceHandle(), lpParam);
    AfxUnhookWindowCreate();
    // A window whose WM_CREATE failed is gone again, and detached.
    return hWnd != NULL && m_hWnd == hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    lpParam);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == NULL)
        return FALSE;
    // An attached object is detached by its WM_NCDESTROY and may be deleted
    // by PostNcDestroy: 'this' is not touched afterwards.
    return ::DestroyWindow(m_hWnd);
}

void CWnd::OnNcDestroy() {
    const LONG_PTR pfnWndProc = ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
    Default();
    // Hand the window back to its own procedure unless someone subclassed it
    // after us.
    if (m_pfnSuper != NULL && ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == pfnWndProc &&
        pfnWndProc == reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()))
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = NULL;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = NULL;
        ::PostQuitMessage(0);
    }
    Detach();
    PostNcDestroy();
}
