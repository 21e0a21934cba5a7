#include "afxwin.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

// The dialog procedure of every framework dialog. Everything but
// WM_INITDIALOG has already been offered to the object by AfxWndProc, which
// calls the dialog manager only for what the object leaves to it.
INT_PTR CALLBACK _AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM) {
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    CDialog* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (pDialog == NULL)
        return TRUE;
    AfxUnhookWindowCreate();
    try {
        return pDialog->OnInitDialog();
    } catch (CException* e) {
        AfxProcessWndProcException(e, &AfxGetThreadState()->m_lastSentMsg);
        return TRUE;
    }
}

CDialog::CDialog() : m_lpszTemplateName(NULL), m_nIDHelp(0), m_pParentWnd(NULL) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate),
      m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_nIDHelp(0), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this) {
        TRACE("CDialog destroyed with its window still open; destroying the window.\n");
        DestroyWindow();
    }
}

LPCDLGTEMPLATE CDialog::LoadTemplate(HINSTANCE* phInst) const {
    if (m_lpszTemplateName == NULL)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    *phInst = hInst;
    return hTemplate != NULL ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : NULL;
}

HWND CDialog::ParentHandle() const {
    if (m_pParentWnd != NULL)
        return m_pParentWnd->GetSafeHwnd();
    return AfxGetMainWnd()->GetSafeHwnd();
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
    return lpTemplate != NULL && CreateIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    m_pParentWnd = pParentWnd;
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParam(hInst, lpDialogTemplate, ParentHandle(), _AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd != NULL && m_hWnd == hWnd;
}

INT_PTR CDialog::DoModal() {
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == NULL)
        return -1;
    AfxHookWindowCreate(this);
    // The system's modal loop disables the parent and runs until EndDialog.
    const INT_PTR nResult =
        ::DialogBoxIndirectParam(hInst, lpTemplate, ParentHandle(), _AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return nResult;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessage(m_hWnd, pMsg);
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), TRUE);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE; // the dialog manager puts the focus on the first control
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return; // the failing control has the focus again
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
