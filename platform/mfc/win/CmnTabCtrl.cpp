#include <afxcmn.h>

#include "CmnInit.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_TAB_CLASSES);
    return CWnd::Create(WC_TABCONTROL, NULL, dwStyle, rect, pParentWnd, nID);
}

int CTabCtrl::GetItemCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_GETITEMCOUNT, 0, 0));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TCM_GETITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem) {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TCM_SETITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TCM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
}

int CTabCtrl::GetCurSel() const {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_GETCURSEL, 0, 0));
}

int CTabCtrl::SetCurSel(int nItem) {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_SETCURSEL, nItem, 0));
}

int CTabCtrl::GetCurFocus() const {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_GETCURFOCUS, 0, 0));
}

void CTabCtrl::SetCurFocus(int nItem) {
    ::SendMessage(m_hWnd, TCM_SETCURFOCUS, nItem, 0);
}

int CTabCtrl::GetRowCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_GETROWCOUNT, 0, 0));
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem) {
    return static_cast<LONG>(
        ::SendMessage(m_hWnd, TCM_INSERTITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
    TCITEM item = {};
    item.mask = nMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(nItem, &item);
}

BOOL CTabCtrl::DeleteItem(int nItem) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEITEM, nItem, 0));
}

BOOL CTabCtrl::DeleteAllItems() {
    return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEALLITEMS, 0, 0));
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) {
    ::SendMessage(m_hWnd, TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect));
}

int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const {
    return static_cast<int>(
        ::SendMessage(m_hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}
