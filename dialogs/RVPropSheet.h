// CRVPropSheet: a tab control whose tabs each show one CRVPropertyPage.
//
// The page of the selected tab is created on first use as a child of the
// tab control, laid over a placeholder control of the host dialog, shown and
// told it is active; the other pages are hidden and told they are not.
//
// Create the tab control's window first, name the placeholder (SetParent),
// then add the pages: the first AddPage already shows page 0. The sheet owns
// none of its pages; it only creates their windows.
#pragma once

#include <afxcmn.h>
#include <afxtempl.h>

#include "RVPropertyPage.h"

class AFX_EXT_CLASS CRVPropSheet : public CTabCtrl {
    DECLARE_DYNAMIC(CRVPropSheet)
public:
    // The most pages a sheet holds.
    enum { kMaxPages = 20 };

    CRVPropSheet();
    virtual ~CRVPropSheet();

    // Creates page nIndex's window (unless it has one) and lays it over the
    // placeholder, or over the tab control's display area when there is no
    // placeholder. 1 on success, 0 when the window cannot be created. An
    // index outside the pages throws CInvalidArgException.
    virtual int CreatePage(int nIndex);

    // The window holding the placeholder control nPlaceholderId.
    void SetParent(CWnd* pWnd, UINT nPlaceholderId);

    // Appends a page with its template and tab title; the first page is
    // shown at once. A null page, or one beyond kMaxPages, is refused.
    void AddPage(CRVPropertyPage* pPage, UINT nTemplateId, LPCTSTR lpszTitle);
    // Shows and activates page nIndex, hiding the page shown before. An
    // index outside the pages does nothing.
    void ShowCurPageContents(int nIndex);
    // Removes a page and its tab; the page keeps its window. A page that was
    // shown is hidden and forgotten, since its owner may delete it now.
    void RemovePage(int nIndex);
    // 1 when the page was in the sheet and is removed, else 0.
    int RemovePage(CRVPropertyPage* pPage);
    // Forgets every page and tab; the page windows are left as they are.
    void RemoveAll();
    // The index of the page, or -1.
    int FindPage(CRVPropertyPage* pPage) const;
    int GetPageCount() const { return static_cast<int>(m_pages.GetSize()); }
    CRVPropertyPage* GetPage(int nIndex) const { return m_pages.GetAt(nIndex); }
    CRVPropertyPage* GetCurPage() const { return m_pCurPage; }
    // Shows (nonzero) or hides every page that has a window, then the sheet.
    void Show(int bShow);
    // The run-time class name of the selected tab's page; no selection
    // throws CInvalidArgException.
    CString GetActivePageClassName() const;

protected:
    afx_msg void OnSelchange(NMHDR* pNMHDR, LRESULT* pResult);

    CRVPropertyPage* m_pCurPage;
    CWnd* m_pPlaceholderWnd;
    UINT m_nPlaceholderId;
    UINT m_templateIds[kMaxPages];
    CTypedPtrArray<CObArray, CRVPropertyPage*> m_pages;

    DECLARE_MESSAGE_MAP()
};
