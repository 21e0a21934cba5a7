#include "RVPropSheet.h"

namespace {

bool HasWindow(const CWnd* pWnd) {
    return pWnd != NULL && pWnd->m_hWnd != NULL && ::IsWindow(pWnd->m_hWnd);
}

} // namespace

IMPLEMENT_DYNAMIC(CRVPropSheet, CTabCtrl)

BEGIN_MESSAGE_MAP(CRVPropSheet, CTabCtrl)
ON_NOTIFY_REFLECT(TCN_SELCHANGE, &CRVPropSheet::OnSelchange)
END_MESSAGE_MAP()

CRVPropSheet::CRVPropSheet() : m_pCurPage(NULL), m_pPlaceholderWnd(NULL), m_nPlaceholderId(0) {}

CRVPropSheet::~CRVPropSheet() {}

void CRVPropSheet::SetParent(CWnd* pWnd, UINT nPlaceholderId) {
    m_pPlaceholderWnd = pWnd;
    m_nPlaceholderId = nPlaceholderId;
}

void CRVPropSheet::AddPage(CRVPropertyPage* pPage, UINT nTemplateId, LPCTSTR lpszTitle) {
    const int i = GetPageCount();
    if (pPage == NULL || i >= kMaxPages)
        return;
    m_pages.SetAtGrow(i, pPage);
    m_templateIds[i] = nTemplateId;
    InsertItem(TCIF_TEXT, i, lpszTitle != NULL ? lpszTitle : _T(""), 0, 0);
    if (i == 0)
        ShowCurPageContents(0);
}

void CRVPropSheet::ShowCurPageContents(int nIndex) {
    if (nIndex < 0 || nIndex >= GetPageCount())
        return;
    CRVPropertyPage* pPage = m_pages[nIndex];
    // A current page without a window was never shown: it is made now.
    if (HasWindow(m_pCurPage)) {
        if (m_pCurPage == pPage)
            return;
        m_pCurPage->ShowWindow(SW_HIDE);
    }
    m_pCurPage = pPage;
    if (!HasWindow(pPage))
        CreatePage(nIndex);
    // A page whose window could not be made is neither shown nor active.
    if (!HasWindow(pPage))
        return;
    pPage->ShowWindow(SW_SHOW);
    pPage->OnSetActive();
}

int CRVPropSheet::CreatePage(int nIndex) {
    if (nIndex < 0 || nIndex >= GetPageCount())
        AfxThrowInvalidArgException();
    CRVPropertyPage* pPage = m_pages[nIndex];
    // A page is a child of the tab control, so it needs the control's window.
    if (!HasWindow(this))
        return 0;
    if (!HasWindow(pPage) && !pPage->Create(m_templateIds[nIndex], this))
        return 0;

    CRect rect;
    CWnd* pPlaceholder =
        HasWindow(m_pPlaceholderWnd) ? m_pPlaceholderWnd->GetDlgItem(m_nPlaceholderId) : NULL;
    if (pPlaceholder != NULL) {
        pPlaceholder->GetWindowRect(rect);
        CRect rcTab(0, 0, 0, 0);
        GetItemRect(nIndex, rcTab);
        rect.bottom -= rcTab.Height();
        ScreenToClient(rect);
        const int cx = ::GetSystemMetrics(SM_CXBORDER);
        const int cy = ::GetSystemMetrics(SM_CYBORDER);
        rect.InflateRect(-cx, -2 * cy);
        rect.OffsetRect(0, -cy);
    } else {
        // Without a placeholder the page takes the control's own display area.
        GetWindowRect(rect);
        ScreenToClient(rect);
        AdjustRect(FALSE, rect);
    }
    pPage->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    return 1;
}

void CRVPropSheet::RemovePage(int nIndex) {
    const int nCount = GetPageCount();
    if (nIndex < 0 || nIndex >= nCount)
        return;
    CRVPropertyPage* pPage = m_pages[nIndex];
    m_pages.RemoveAt(nIndex);
    for (int i = nIndex; i < nCount - 1; ++i)
        m_templateIds[i] = m_templateIds[i + 1];
    DeleteItem(nIndex);
    if (pPage == m_pCurPage) {
        if (HasWindow(pPage))
            pPage->ShowWindow(SW_HIDE);
        m_pCurPage = NULL;
    }
}

int CRVPropSheet::RemovePage(CRVPropertyPage* pPage) {
    const int i = FindPage(pPage);
    if (i == -1)
        return 0;
    RemovePage(i);
    return 1;
}

void CRVPropSheet::RemoveAll() {
    m_pages.RemoveAll();
    DeleteAllItems();
    m_pCurPage = NULL;
}

int CRVPropSheet::FindPage(CRVPropertyPage* pPage) const {
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages[i] == pPage)
            return i;
    return -1;
}

void CRVPropSheet::Show(int bShow) {
    const int nCmd = bShow ? SW_SHOW : SW_HIDE;
    for (int i = 0; i < GetPageCount(); ++i)
        if (HasWindow(m_pages[i]))
            m_pages[i]->ShowWindow(nCmd);
    if (HasWindow(this))
        ShowWindow(nCmd);
}

CString CRVPropSheet::GetActivePageClassName() const {
    const int s = HasWindow(this) ? GetCurSel() : -1;
    if (s < 0 || s >= GetPageCount())
        AfxThrowInvalidArgException();
    return m_pages[s]->GetRuntimeClass()->m_lpszClassName;
}

void CRVPropSheet::OnSelchange(NMHDR*, LRESULT* pResult) {
    const int s = GetCurSel();
    ShowCurPageContents(s);
    for (int i = 0; i < GetPageCount(); ++i)
        if (i != s)
            m_pages[i]->OnKillActive();
    *pResult = 0;
}
