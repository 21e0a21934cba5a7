#include "ZEdit.h"

#include "dovuv32Res.h"
#include "rvCommitReal.h"
#include "rvNumeric.h"
#include "rvScrollTarget.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

namespace {

// Far above the rounding error of a position computed from its own value,
// far below the distance between two positions.
constexpr double kPositionTolerance = 1e-9;

} // namespace

BEGIN_MESSAGE_MAP(CZEdit, CEdit)
ON_CONTROL_REFLECT(EN_CHANGE, &CZEdit::OnChange)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CZEdit::OnKillFocusReflect)
END_MESSAGE_MAP()

CZEdit::CZEdit()
    : m_precision(4), m_nPos(0xFFFFFFFFu), m_valMax(20.0), m_val(0.0), m_sliderDlg(NULL),
      m_nSteps(100), m_valMin(0.0) {
    m_sliderDlg.SetOwnerEdit(this);
}

void CZEdit::PreSubclassWindow() {
    CEdit::PreSubclassWindow();
    AttachToParent();
}

BOOL CZEdit::AttachToParent() {
    CreateSliderPopup();
    return TRUE;
}

BOOL CZEdit::CreateSliderPopup() {
    // The popup is a child window: without a parent there is nowhere to put it.
    const HWND hParent = GetParentHwnd();
    if (hParent == NULL)
        return FALSE;
    // The parent's window object may be a temporary one, gone at the next
    // idle time: it serves this call only.
    CWnd* pParent = CWnd::FromHandle(hParent);
    // Bound again (a dialog shown a second time, say): the new popup
    // replaces one that is still around.
    if (m_sliderDlg.m_hWnd != NULL)
        m_sliderDlg.DestroyWindow();
    if (!m_sliderDlg.Create(IDD_BUDDY_SLIDER, pParent))
        return FALSE;
    m_nPos = ThumbPos();

    CWnd* pPlaceholder = pParent->GetDlgItem(IDC_BUDDY_PLACEHOLDER);
    if (pPlaceholder == NULL)
        return FALSE;
    CRect rect;
    pPlaceholder->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    if (!m_sliderDlg.SetWindowPos(this, rect.left, rect.top, rect.Width(), rect.Height(),
                                  SWP_SHOWWINDOW))
        return FALSE;
    m_sliderDlg.SetRangeLabels(m_valMin, m_valMax);
    m_sliderDlg.ShowWindow(SW_SHOW);
    return TRUE;
}

HWND CZEdit::GetParentHwnd() const {
    return m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
}

void CZEdit::SetVal(double v) {
    m_val = v;
    if (m_hWnd != NULL)
        UpdateData(false);
}

void CZEdit::UpdateData(bool bSave) {
    // Without a window there is no text to read or show.
    if (m_hWnd == NULL)
        return;
    if (bSave) {
        CString text;
        GetWindowText(text);
        const double x = rvCommitReal(text);
        m_val = x;
        if (x >= m_valMin && x <= m_valMax) {
            UpdateSliderPos();
            return;
        }
        m_val = x > m_valMax ? m_valMax : m_valMin;
    }
    TCHAR text[RV_VALUE_TEXT_SIZE];
    rvFormatValue(text, m_val, m_precision);
    SetWindowText(text);
    UpdateSliderPos();
}

void CZEdit::UpdateSliderPos() {
    MoveThumb(PositionOf(m_val));
}

void CZEdit::OnSliderScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    // Steps start from where the thumb was. The trackbar has already made
    // its own step when it reports one, so its present position would count
    // the step twice; the edit's record still holds the position before it.
    if (m_nPos > m_nSteps)
        m_nPos = ThumbPos();
    // A thumb beyond the scale (a trackbar given another range) stops at its
    // end: the value never leaves the span.
    m_nPos = static_cast<UINT>(rvScrollTarget(nSBCode, std::min(nPos, m_nSteps),
                                              static_cast<int>(m_nPos), static_cast<int>(m_nSteps),
                                              pScrollBar));
    m_val = ValueOf(m_nPos);
    UpdateData(false);
}

void CZEdit::OnChange() {
    CString text;
    GetWindowText(text);
    double x = 0.0;
    if (std::sscanf(rvNumberText(text), "%lf", &x) == 1)
        MoveThumb(PositionOf(x));
}

void CZEdit::OnKillFocusReflect() {
    UpdateData(true);
}

UINT CZEdit::PositionOf(double value) const {
    // The value of a position must lead back to that position: 10.2 comes
    // out as 50.99999... and a plain cut would move the thumb one step back
    // after every line step onto position 51. Values between two positions
    // still go to the lower one (2.5 is position 12).
    const double position =
        (value - m_valMin) * m_nSteps / (m_valMax - m_valMin) + kPositionTolerance;
    // Limited to the scale before the conversion, which is undefined for a
    // number out of reach of an int (1e300, an infinity, a NaN). The trackbar
    // would stop the thumb at its ends in any case.
    if (!(position > 0.0))
        return 0;
    if (position >= m_nSteps)
        return m_nSteps;
    return static_cast<UINT>(position);
}

double CZEdit::ValueOf(UINT nPosition) const {
    return m_valMin + (m_valMax - m_valMin) * nPosition / m_nSteps;
}

UINT CZEdit::ThumbPos() const {
    const CWnd* pSlider = m_sliderDlg.GetSlider();
    if (pSlider == NULL)
        return PositionOf(m_val);
    const LRESULT nPos = pSlider->SendMessage(TBM_GETPOS);
    return nPos <= 0 ? 0 : std::min(static_cast<UINT>(nPos), m_nSteps);
}

void CZEdit::MoveThumb(UINT nPosition) {
    m_nPos = nPosition;
    m_sliderDlg.SetSliderPos(static_cast<int>(nPosition));
}
