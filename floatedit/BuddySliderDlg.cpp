#include "BuddySliderDlg.h"

#include "ZEdit.h"
#include "dovuv32Res.h"
#include "rvNumeric.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CBuddySliderDlg, CDialog)
ON_WM_HSCROLL()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CBuddySliderDlg::CBuddySliderDlg(CWnd* pParent)
    : CDialog(IDD_BUDDY_SLIDER, pParent), m_pOwnerEdit(NULL) {}

void CBuddySliderDlg::SetRangeLabels(double lo, double hi) {
    // Value text keeps an end of any size readable in a label of 31
    // characters at most; ordinary ends read exactly as "%.1f".
    SetDlgItemText(IDC_BUDDY_MIN, rvFormatValue(lo, 1));
    SetDlgItemText(IDC_BUDDY_MAX, rvFormatValue(hi, 1));
}

CWnd* CBuddySliderDlg::GetSlider() const {
    return m_hWnd != NULL ? GetDlgItem(IDC_BUDDY_TRACKBAR) : NULL;
}

void CBuddySliderDlg::SetSliderPos(int p) {
    if (m_hWnd != NULL)
        SendDlgItemMessage(IDC_BUDDY_TRACKBAR, TBM_SETPOS, TRUE, p);
}

void CBuddySliderDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (m_pOwnerEdit != NULL)
        m_pOwnerEdit->OnSliderScroll(nSBCode, nPos, pScrollBar);
}

void CBuddySliderDlg::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // Escape is for the edit's dialog to handle, never the popup's.
    if (nChar == VK_ESCAPE)
        return;
    CDialog::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CBuddySliderDlg::OnOK() {
    ForwardToEditDialog(IDOK);
}

void CBuddySliderDlg::OnCancel() {
    ForwardToEditDialog(IDCANCEL);
}

void CBuddySliderDlg::ForwardToEditDialog(UINT nID) {
    if (m_pOwnerEdit == NULL)
        return;
    const HWND hDialog = m_pOwnerEdit->GetParentHwnd();
    if (hDialog != NULL && ::IsWindow(hDialog))
        ::SendMessage(hDialog, WM_COMMAND, nID, 0);
}
