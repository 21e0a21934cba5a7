// CBuddySliderDlg: the float edit's popup, a borderless child dialog with a
// trackbar between two labels that show the ends of the edit's span. The edit
// creates it in its own dialog over a placeholder control, moves the thumb
// when its value changes and receives the trackbar's scroll notifications
// through it. The dialog itself only forwards: scrolling to the edit, OK and
// Cancel to the edit's dialog.
#pragma once

#include <afxwin.h>

class CZEdit;

class AFX_EXT_CLASS CBuddySliderDlg : public CDialog {
public:
    // The owning edit passes no parent: the popup's parent is given when
    // the edit creates its window.
    explicit CBuddySliderDlg(CWnd* pParent = NULL);

    // Not owned; the edit that holds the popup as a member.
    void SetOwnerEdit(CZEdit* pEdit) { m_pOwnerEdit = pEdit; }
    // Each end with one decimal: 0 .. 20 shows "0.0" and "20.0".
    void SetRangeLabels(double lo, double hi);
    // The trackbar; NULL while the popup has no window.
    CWnd* GetSlider() const;
    // Moves the thumb; nothing happens while the popup has no window.
    void SetSliderPos(int p);

protected:
    // Both go to the edit's dialog as its own OK and Cancel; the popup is
    // never ended by them.
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

private:
    void ForwardToEditDialog(UINT nID);

    CZEdit* m_pOwnerEdit;
    DECLARE_MESSAGE_MAP()
};
