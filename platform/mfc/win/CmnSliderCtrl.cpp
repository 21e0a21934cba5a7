#include <afxcmn.h>

#include "CmnInit.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_BAR_CLASSES);
    return CWnd::Create(TRACKBAR_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
}

int CSliderCtrl::GetLineSize() const {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_GETLINESIZE, 0, 0));
}

int CSliderCtrl::SetLineSize(int nSize) {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_SETLINESIZE, 0, nSize));
}

int CSliderCtrl::GetPageSize() const {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_GETPAGESIZE, 0, 0));
}

int CSliderCtrl::SetPageSize(int nSize) {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_SETPAGESIZE, 0, nSize));
}

int CSliderCtrl::GetRangeMax() const {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_GETRANGEMAX, 0, 0));
}

int CSliderCtrl::GetRangeMin() const {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_GETRANGEMIN, 0, 0));
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin();
    nMax = GetRangeMax();
}

void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) {
    ::SendMessage(m_hWnd, TBM_SETRANGEMIN, bRedraw, nMin);
}

void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) {
    ::SendMessage(m_hWnd, TBM_SETRANGEMAX, bRedraw, nMax);
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
    SetRangeMin(nMin, FALSE);
    SetRangeMax(nMax, bRedraw);
}

void CSliderCtrl::GetSelection(int& nMin, int& nMax) const {
    nMin = static_cast<int>(::SendMessage(m_hWnd, TBM_GETSELSTART, 0, 0));
    nMax = static_cast<int>(::SendMessage(m_hWnd, TBM_GETSELEND, 0, 0));
}

void CSliderCtrl::SetSelection(int nMin, int nMax) {
    ::SendMessage(m_hWnd, TBM_SETSELSTART, FALSE, nMin);
    ::SendMessage(m_hWnd, TBM_SETSELEND, FALSE, nMax);
}

void CSliderCtrl::ClearSel(BOOL bRedraw) {
    ::SendMessage(m_hWnd, TBM_CLEARSEL, bRedraw, 0);
}

void CSliderCtrl::GetChannelRect(LPRECT lprc) const {
    ::SendMessage(m_hWnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(lprc));
}

void CSliderCtrl::GetThumbRect(LPRECT lprc) const {
    ::SendMessage(m_hWnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(lprc));
}

int CSliderCtrl::GetPos() const {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_GETPOS, 0, 0));
}

void CSliderCtrl::SetPos(int nPos) {
    ::SendMessage(m_hWnd, TBM_SETPOS, TRUE, nPos);
}

UINT CSliderCtrl::GetNumTics() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, TBM_GETNUMTICS, 0, 0));
}

DWORD* CSliderCtrl::GetTicArray() const {
    return reinterpret_cast<DWORD*>(::SendMessage(m_hWnd, TBM_GETPTICS, 0, 0));
}

int CSliderCtrl::GetTic(int nTic) const {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_GETTIC, nTic, 0));
}

int CSliderCtrl::GetTicPos(int nTic) const {
    return static_cast<int>(::SendMessage(m_hWnd, TBM_GETTICPOS, nTic, 0));
}

BOOL CSliderCtrl::SetTic(int nTic) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, TBM_SETTIC, 0, nTic));
}

void CSliderCtrl::SetTicFreq(int nFreq) {
    ::SendMessage(m_hWnd, TBM_SETTICFREQ, nFreq, 0);
}

void CSliderCtrl::ClearTics(BOOL bRedraw) {
    ::SendMessage(m_hWnd, TBM_CLEARTICS, bRedraw, 0);
}

CWnd* CSliderCtrl::SetBuddy(CWnd* pWndBuddy, BOOL fLocation) {
    HWND hWndBuddy = pWndBuddy == NULL ? NULL : pWndBuddy->m_hWnd;
    return CWnd::FromHandle(reinterpret_cast<HWND>(
        ::SendMessage(m_hWnd, TBM_SETBUDDY, fLocation, reinterpret_cast<LPARAM>(hWndBuddy))));
}

CWnd* CSliderCtrl::GetBuddy(BOOL fLocation) const {
    return CWnd::FromHandle(
        reinterpret_cast<HWND>(::SendMessage(m_hWnd, TBM_GETBUDDY, fLocation, 0)));
}
