// The framework's window layer: application and thread state, the resource
// search chain, command targets with message maps, windows and dialogs with
// data exchange. On other platforms only the core and the geometry types.
#pragma once

#include "afx.h"
#include "afxcoll.h"
#include "atltypes.h"

#ifdef _WIN32
#include "afxres.h"

class CCmdTarget;
class CWnd;
class CDialog;
class CDataExchange;
class CWinApp;
class CDC;
class CFont;
class CScrollBar;

/////////////////////////////////////////////////////////////////////////////
// Message maps

// One entry of a class's message map. pfn runs the handler with the
// message's parameters (for commands and notifications: 0, the notification
// header and the result) and answers whether the message counts as handled.
typedef BOOL (*AFX_PMSG)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, WM_COMMAND or WM_NOTIFY (+WM_REFLECT_BASE)
    UINT nCode;    // control notification code, 0 for window messages
    UINT nID;      // control id, 0 for window messages
    UINT nLastID;  // last id of a range
    UINT_PTR nSig; // what kind of handler pfn calls (AfxSig)
    AFX_PMSG pfn;  // NULL ends the map
};

struct AFX_MSGMAP {
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

enum AfxSig : UINT_PTR {
    AfxSig_end = 0,
    AfxSig_msg,     // a window message; the result is the handler's answer
    AfxSig_cmd,     // command or control notification, always handled
    AfxSig_cmd_b,   // command handler that answers whether it handled it
    AfxSig_notify,  // notification with its header, always handled
    AfxSig_notify_b // notification handler that answers whether it handled it
};

// Reflected notifications come back to the control as these messages.
#define WM_REFLECT_BASE 0xBC00

// The parameters of a WM_CTLCOLOR* message, as its handlers receive them.
struct AFX_CTLCOLOR {
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// The parameters of a WM_NOTIFY message, as command routing passes them on.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

#define afx_msg
#define AFX_MSG_CALL

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                           \
    const AFX_MSGMAP* GetMessageMap() const override;

// Entries are written inside GetThisMessageMap so that their handlers have the
// class's own access to its members.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                       \
        [[maybe_unused]] typedef theClass ThisClass;                                               \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, AfxSig_end, NULL }                                                               \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// The handler of an entry: p is the target, w/l the message parameters.
#define _AFX_HANDLER(body)                                                                         \
    [](CCmdTarget* _pTarget, WPARAM _w, LPARAM _l, LRESULT* _pResult) -> BOOL {                    \
        ThisClass* _p = static_cast<ThisClass*>(_pTarget);                                         \
        (void)_p;                                                                                  \
        (void)_w;                                                                                  \
        (void)_l;                                                                                  \
        (void)_pResult;                                                                            \
        body                                                                                       \
    }

#define _AFX_MSG_ENTRY(msg, body) {msg, 0, 0, 0, AfxSig_msg, _AFX_HANDLER(body)},
#define _AFX_MSG_VOID(msg, call) _AFX_MSG_ENTRY(msg, _p->call; *_pResult = 0; return TRUE;)

#define ON_MESSAGE(message, memberFxn)                                                             \
    _AFX_MSG_ENTRY(message, *_pResult = (_p->*(memberFxn))(_w, _l); return TRUE;)

#define _AFX_ENTRY(msg, code, id, idLast, sig, body)                                               \
    {msg, code, (UINT)(id), (UINT)(idLast), sig, _AFX_HANDLER(body)},
#define _AFX_CALL_NOTIFY(memberFxn) (_p->*(memberFxn))(reinterpret_cast<NMHDR*>(_l), _pResult)

#define ON_COMMAND(id, memberFxn)                                                                  \
    _AFX_ENTRY(WM_COMMAND, 0, id, id, AfxSig_cmd, (_p->*(memberFxn))(); return TRUE;)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    _AFX_ENTRY(WM_COMMAND, 0, id, idLast, AfxSig_cmd, (_p->*(memberFxn))((UINT)_w); return TRUE;)
#define ON_COMMAND_EX(id, memberFxn)                                                               \
    _AFX_ENTRY(WM_COMMAND, 0, id, id, AfxSig_cmd_b, return (_p->*(memberFxn))((UINT)_w);)
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    _AFX_ENTRY(WM_COMMAND, (WORD)(wNotifyCode), id, id, AfxSig_cmd, (_p->*(memberFxn))();          \
               return TRUE;)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    _AFX_ENTRY(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, id, AfxSig_notify,                         \
               _AFX_CALL_NOTIFY(memberFxn);                                                        \
               return TRUE;)

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    _AFX_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSig_cmd,                \
               (_p->*(memberFxn))();                                                               \
               return TRUE;)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    _AFX_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSig_cmd_b,              \
               return (_p->*(memberFxn))();)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    _AFX_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_notify,         \
               _AFX_CALL_NOTIFY(memberFxn);                                                        \
               return TRUE;)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                               \
    _AFX_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_notify_b,       \
               return _AFX_CALL_NOTIFY(memberFxn);)

#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

#define ON_WM_CREATE()                                                                             \
    _AFX_MSG_ENTRY(WM_CREATE, *_pResult = _p->OnCreate(reinterpret_cast<LPCREATESTRUCT>(_l));      \
                   return TRUE;)
#define ON_WM_DESTROY() _AFX_MSG_VOID(WM_DESTROY, OnDestroy())
#define ON_WM_NCDESTROY() _AFX_MSG_VOID(WM_NCDESTROY, OnNcDestroy())
#define ON_WM_CLOSE() _AFX_MSG_VOID(WM_CLOSE, OnClose())
#define ON_WM_PAINT() _AFX_MSG_VOID(WM_PAINT, OnPaint())
#define ON_WM_SETFOCUS()                                                                           \
    _AFX_MSG_VOID(WM_SETFOCUS, OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_w))))
#define ON_WM_KILLFOCUS()                                                                          \
    _AFX_MSG_VOID(WM_KILLFOCUS, OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_w))))
#define ON_WM_TIMER() _AFX_MSG_VOID(WM_TIMER, OnTimer(static_cast<UINT_PTR>(_w)))
#define ON_WM_HSCROLL()                                                                            \
    _AFX_MSG_VOID(WM_HSCROLL, OnHScroll(LOWORD(_w), (short)HIWORD(_w),                             \
                                        reinterpret_cast<CScrollBar*>(                             \
                                            CWnd::FromHandle(reinterpret_cast<HWND>(_l)))))
#define ON_WM_VSCROLL()                                                                            \
    _AFX_MSG_VOID(WM_VSCROLL, OnVScroll(LOWORD(_w), (short)HIWORD(_w),                             \
                                        reinterpret_cast<CScrollBar*>(                             \
                                            CWnd::FromHandle(reinterpret_cast<HWND>(_l)))))
#define ON_WM_SIZE() _AFX_MSG_VOID(WM_SIZE, OnSize((UINT)_w, (short)LOWORD(_l), (short)HIWORD(_l)))
#define ON_WM_MOVE() _AFX_MSG_VOID(WM_MOVE, OnMove((short)LOWORD(_l), (short)HIWORD(_l)))
#define ON_WM_SHOWWINDOW() _AFX_MSG_VOID(WM_SHOWWINDOW, OnShowWindow((BOOL)_w, (UINT)_l))
#define ON_WM_GETMINMAXINFO()                                                                      \
    _AFX_MSG_VOID(WM_GETMINMAXINFO, OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(_l)))
#define ON_WM_ERASEBKGND()                                                                         \
    _AFX_MSG_ENTRY(WM_ERASEBKGND,                                                                  \
                   *_pResult = _p->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(_w)));       \
                   return TRUE;)
#define _AFX_MOUSE_ENTRY(msg, fn)                                                                  \
    _AFX_MSG_VOID(msg, fn((UINT)_w, CPoint((short)LOWORD(_l), (short)HIWORD(_l))))
#define ON_WM_LBUTTONDOWN() _AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() _AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() _AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() _AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_MOUSEMOVE() _AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define _AFX_KEY_ENTRY(msg, fn) _AFX_MSG_VOID(msg, fn((UINT)_w, LOWORD(_l), HIWORD(_l)))
#define ON_WM_KEYDOWN() _AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() _AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() _AFX_KEY_ENTRY(WM_CHAR, OnChar)
// Every WM_CTLCOLOR* message arrives as WM_CTLCOLOR with an AFX_CTLCOLOR.
#define ON_WM_CTLCOLOR()                                                                           \
    _AFX_MSG_ENTRY(WM_CTLCOLOR, const AFX_CTLCOLOR* _c = reinterpret_cast<AFX_CTLCOLOR*>(_l);      \
                   *_pResult = reinterpret_cast<LRESULT>(_p->OnCtlColor(                           \
                       CDC::FromHandle(_c->hDC), CWnd::FromHandle(_c->hWnd), _c->nCtlType));       \
                   return TRUE;)
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    _AFX_MSG_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE,                                                  \
                   const AFX_CTLCOLOR* _c = reinterpret_cast<AFX_CTLCOLOR*>(_l);                   \
                   *_pResult = reinterpret_cast<LRESULT>(                                          \
                       _p->CtlColor(CDC::FromHandle(_c->hDC), _c->nCtlType));                      \
                   return TRUE;)
#define _AFX_SCROLL_REFLECT(msg, fn)                                                               \
    _AFX_MSG_VOID(msg + WM_REFLECT_BASE, fn(LOWORD(_w), (short)HIWORD(_w)))
#define ON_WM_HSCROLL_REFLECT() _AFX_SCROLL_REFLECT(WM_HSCROLL, HScroll)
#define ON_WM_VSCROLL_REFLECT() _AFX_SCROLL_REFLECT(WM_VSCROLL, VScroll)

/////////////////////////////////////////////////////////////////////////////
// Thread and module state

// What the framework keeps per thread. m_lastSentMsg is the message being
// handled by the innermost framework window procedure on this thread; each
// procedure restores the previous record when it returns.
class AFX_FW_API _AFX_THREAD_STATE {
public:
    _AFX_THREAD_STATE();
    ~_AFX_THREAD_STATE();

    MSG m_lastSentMsg;
    // Window creation: the object that the next created window belongs to.
    CWnd* m_pWndInit;
    HHOOK m_hHookOldCbtFilter;
    // Control notifications to this window are ignored during data exchange.
    HWND m_hLockoutNotifyWindow;
    // The window handle maps: attached objects and temporary wrappers.
    CMapPtrToPtr m_permanentMap;
    CMapPtrToPtr m_temporaryMap;

    // Deletes the temporary objects (never their windows).
    void DeleteTempWindows();
};

AFX_FW_API _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
AFX_FW_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_FW_API WNDPROC AFXAPI AfxGetAfxWndProc();
// An exception that reached a window procedure ends there: reported to the
// user unless it is a CUserException (already reported), then deleted. The
// result for the message pMsg: -1 for WM_CREATE, else 0.
AFX_FW_API LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg);
// The next window created on this thread is attached to pWnd and subclassed
// before it receives its first message; AfxUnhookWindowCreate ends that and
// tells whether it happened.
AFX_FW_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_FW_API BOOL AFXAPI AfxUnhookWindowCreate();

AFX_FW_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_FW_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_FW_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds resource lpszName of type lpszType: the host's
// resources first, then every registered extension module, then the
// framework's own. The host's handle when none has it.
AFX_FW_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// Loads string nIDS from the first module of the search chain that has it;
// returns its length, 0 (and an empty buffer) when there is none.
AFX_FW_API int AFXAPI AfxLoadString(UINT nIDS, LPTSTR lpszBuf, UINT nMaxBuf = 256);

// An extension DLL's record, filled by AfxInitExtensionModule in its DllMain.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

AFX_FW_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's CDynLinkLibrary objects from the search chain and
// deletes them.
AFX_FW_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

/////////////////////////////////////////////////////////////////////////////
// Command targets

// Filled by OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

class AFX_FW_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Routes a command or notification to this object's handler for nID and
    // nCode; HIWORD(nCode) names the message kind (0 for WM_COMMAND). With
    // pHandlerInfo it only tells whether there is a handler.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Adds a module to the resource search chain for as long as it lives. An
// extension DLL creates one in its DllMain ("new CDynLinkLibrary(state)").
class AFX_FW_API CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;
};

/////////////////////////////////////////////////////////////////////////////
// Windows

class AFX_FW_API CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    // Destroys a window still attached.
    virtual ~CWnd();

    HWND m_hWnd;
    operator HWND() const { return GetSafeHwnd(); }
    // NULL for a NULL object, as callers with an optional window expect.
    HWND GetSafeHwnd() const;

    // The handle maps. FromHandle gives the attached object or a temporary
    // one that lives until the next idle time (DeleteTempMap).
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    virtual BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                          HMENU nIDorHMenu, LPVOID lpParam = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();

    // Message routing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message being handled, passed to DefWindowProc.
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Reflection: a parent offers a control's notification to the control
    // before handling it itself.
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);

    // Data exchange with the window's controls; FALSE when validation failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Windows of a dialog or a parent.
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int nID);
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd ? pOwnerWnd->m_hWnd : NULL; }
    CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
    BOOL IsChild(const CWnd* pWnd) const { return pWnd && ::IsChild(m_hWnd, pWnd->m_hWnd); }

    // Text.
    void SetWindowText(LPCTSTR lpszString) { ::SetWindowText(m_hWnd, lpszString); }
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
        return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
    }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
    void SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemText(m_hWnd, nID, lpszString); }
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
        return ::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount);
    }
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE) {
        ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
    }
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const {
        return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
    }

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessage(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessage(m_hWnd, message, wParam, lParam);
    }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
    }

    // State and style.
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    DWORD GetStyle() const { return (DWORD)::GetWindowLong(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLong(m_hWnd, GWL_EXSTYLE); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Geometry.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE) {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                   lpRect->bottom - lpRect->top, bRepaint);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
        return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : NULL, x, y, cx,
                              cy, nFlags);
    }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;

    // Focus, painting, timers.
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* PASCAL GetFocus() { return FromHandle(::GetFocus()); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, NULL, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, HRGN hrgnUpdate = NULL,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
        return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
    }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = NULL) {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    // The client area's device context, a temporary object; give it back
    // with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // Dialogs run inside windows too.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK) {
        return ::MessageBox(m_hWnd, lpszText, lpszCaption, nType);
    }

protected:
    // Called before a window is subclassed: at creation, by SubclassWindow.
    virtual void PreSubclassWindow();
    // Called after the window is gone; the object may delete itself here.
    virtual void PostNcDestroy();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Default handlers: they pass the message on to the window's own
    // procedure; those for scroll and colour messages offer them to the
    // control first.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    // The procedure that DefWindowProc calls: the one the window had before
    // the framework subclassed it.
    WNDPROC m_pfnSuper;
    HWND m_hWndOwner;

    friend LRESULT CALLBACK _AfxCbtFilterHook(int, WPARAM, LPARAM);
    friend class CDataExchange;
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Dialogs and data exchange

class AFX_FW_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members, FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The control nIDC, recorded as the one to return to if the exchange
    // fails; a missing control is a programming error
    // (CNotSupportedException).
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends a failed exchange: the focus goes back to the last prepared
    // control (an edit's text is selected) and a CUserException is thrown.
    [[noreturn]] void Fail();

    UINT m_idLastControl;
    BOOL m_bEditLastControl;
};

class AFX_FW_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual ~CDialog();

    // Modeless: the template is looked up along the resource chain.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                        HINSTANCE hInst = NULL);
    // Modal: the result passed to EndDialog, or -1 when the dialog could not
    // be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    void NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    // Keyboard navigation of a modeless dialog (the dialog manager's).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();

    LPCTSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

private:
    HWND ParentHandle() const;
    LPCDLGTEMPLATE LoadTemplate(HINSTANCE* phInst) const;
    DECLARE_MESSAGE_MAP()
};

AFX_FW_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Numbers are read with the "C" rules of the C runtime's 8-bit functions,
// blanks around them allowed: whole numbers in the type's range (unsigned
// ones without a sign), reals with a leading digit for a zero, floats within
// their range. Any other text, also text with a character outside ASCII,
// brings up the framework's prompt and fails the exchange.
AFX_FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFX_FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value);
AFX_FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);

/////////////////////////////////////////////////////////////////////////////
// The application

class AFX_FW_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // There is one application object per process; it makes itself the one
    // that AfxGetApp returns.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    LPCTSTR m_pszAppName;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    // Destroying the main window ends the message loop.
    CWnd* m_pMainWnd;

    virtual BOOL InitInstance();
    // The message loop: idle work whenever the queue is empty, each message
    // offered to PreTranslateMessage first. Ends with WM_QUIT and returns
    // ExitInstance's result.
    virtual int Run();
    virtual BOOL PumpMessage();
    // Offers the message to the framework windows from its target up to the
    // main window; TRUE when one of them took it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual int ExitInstance();
    // Idle-time work: the temporary window objects are released.
    virtual BOOL OnIdle(LONG lCount);
    // Shows a prompt of AfxMessageBox: a message box owned by the main or
    // active window.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

private:
    CString m_strAppName;
};

AFX_FW_API CWinApp* AFXAPI AfxGetApp();
// The body of a host's WinMain: InitInstance, then Run.
AFX_FW_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                 int nCmdShow);
AFX_FW_API CWnd* AFXAPI AfxGetMainWnd();
AFX_FW_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The prompt is string nIDPrompt of the resource chain; nIDHelp -1 means
// nIDPrompt.
AFX_FW_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

/////////////////////////////////////////////////////////////////////////////
// Window classes and views

// The name of a window class with these attributes, registered in the
// application's module on first use; equal attributes give the same name.
// Throws CResourceException when the class cannot be registered.
AFX_FW_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
                                              HBRUSH hbrBackground = 0, HICON hIcon = 0);

struct CCreateContext;

// The notification code of a plain command.
#define CN_COMMAND 0

// A child window that shows something; heap objects, deleted with their
// window.
class AFX_FW_API CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    // Called once the view is created and placed: updates the view.
    virtual void OnInitialUpdate();

protected:
    CView();
    virtual ~CView();

    virtual void OnDraw(CDC* pDC) = 0;
    // The view shows something new: by default it is repainted.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// A view with a logical size of its own, recorded for its users; it shows
// no scroll bars.
class AFX_FW_API CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    static const SIZE sizeDefault;
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }

protected:
    CScrollView();
    virtual ~CScrollView();

    int m_nMapMode;
    CSize m_totalLog;
};

#include "afxwinctl_.h"
#endif // _WIN32
