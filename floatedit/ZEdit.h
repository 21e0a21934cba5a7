// CZEdit: an edit box for one double in the fixed span 0.0 .. 20.0, with a
// trackbar popup (CBuddySliderDlg) laid over the placeholder control
// IDC_BUDDY_PLACEHOLDER of its dialog. Typing moves the thumb; the value is
// taken over when the edit loses the focus or when the thumb moves. Bound to
// a dialog's edit with DDX_Control. Internal to the library.
#pragma once

#include "BuddySliderDlg.h"

#include <afxwin.h>

class CZEdit : public CEdit {
public:
    CZEdit();

    // The popup for the edit's parent, its dialog; always TRUE.
    BOOL AttachToParent();
    // Creates the popup in the edit's dialog and lays it over the
    // placeholder. FALSE when there is no placeholder or it could not be
    // placed: the popup then stays hidden and the edit works alone.
    BOOL CreateSliderPopup();

    double GetVal() const { return m_val; }
    // No range test: the value is shown as it is when the edit has a window.
    void SetVal(double v);
    // Commit (bSave): the text becomes the value, clamped to the span; a
    // value inside the span keeps its text as typed. Display: the value
    // becomes the text. Both move the thumb.
    void UpdateData(bool bSave);
    void UpdateSliderPos();
    // The trackbar's scroll notifications, handed on by the popup.
    void OnSliderScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

    // The window that holds the edit: the popup's parent, where its OK and
    // Cancel go; NULL while the edit has no window.
    HWND GetParentHwnd() const;

protected:
    void PreSubclassWindow() override;

    afx_msg void OnChange();
    afx_msg void OnKillFocusReflect();

private:
    UINT PositionOf(double value) const;
    double ValueOf(UINT nPosition) const;
    // Where the thumb is; for a popup without a window, where the value
    // would put it.
    UINT ThumbPos() const;
    void MoveThumb(UINT nPosition);

    short m_precision;
    // Where the thumb is, as far as the edit knows: where it last put the
    // thumb or where the trackbar said the thumb went. Line and page steps
    // start from here. All bits set until the popup exists.
    UINT m_nPos;
    double m_valMax;
    double m_val;
    CBuddySliderDlg m_sliderDlg;
    UINT m_nSteps;
    double m_valMin;

    DECLARE_MESSAGE_MAP()
};
