#include "afxext.h"

#include <cstring>
#include <vector>

namespace {

// The dialog manager's part of a form view: everything else reaches the view
// through AfxWndProc first.
INT_PTR CALLBACK FormDlgProc(HWND, UINT nMsg, WPARAM, LPARAM) {
    return nMsg == WM_INITDIALOG;
}

// A copy of template lpszName of module hInst, or an empty one.
std::vector<BYTE> CopyTemplate(HINSTANCE hInst, LPCTSTR lpszName) {
    HRSRC hResource = ::FindResource(hInst, lpszName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    const BYTE* pData =
        hTemplate != NULL ? static_cast<const BYTE*>(::LockResource(hTemplate)) : NULL;
    if (pData == NULL)
        return {};
    return std::vector<BYTE>(pData, pData + ::SizeofResource(hInst, hResource));
}

// Makes the template a plain child window's, whatever frame it was drawn
// with; the border is the caller's choice.
void MakeChildTemplate(std::vector<BYTE>& data, DWORD dwRequestedStyle) {
    // An extended template starts with version 1 and signature 0xFFFF; its
    // style follows the help id and the extended style.
    const bool bExtended =
        data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    const size_t nOffset = bExtended ? 12 : 0;
    DWORD dwStyle = 0;
    std::memcpy(&dwStyle, &data[nOffset], sizeof dwStyle);
    dwStyle &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                 WS_MAXIMIZEBOX | WS_VISIBLE | DS_MODALFRAME);
    dwStyle |= WS_CHILD | (dwRequestedStyle & WS_BORDER);
    std::memcpy(&data[nOffset], &dwStyle, sizeof dwStyle);
}

} // namespace

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

CFormView::CFormView(LPCTSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)) {}

CFormView::~CFormView() {}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID, CCreateContext*) {
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    std::vector<BYTE> data = CopyTemplate(hInst, m_lpszTemplateName);
    if (data.size() < sizeof(DLGTEMPLATE))
        return FALSE;
    MakeChildTemplate(data, dwStyle);

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, reinterpret_cast<LPCDLGTEMPLATE>(data.data()),
                                            pParentWnd->GetSafeHwnd(), FormDlgProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == NULL || m_hWnd != hWnd)
        return FALSE;

    SetDlgCtrlID(static_cast<int>(nID));
    CRect rectTemplate;
    GetWindowRect(rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());
    SetWindowPos(NULL, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_NORMAL);
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}
