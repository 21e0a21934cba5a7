#include "RVEdit.h"

#include "AIBaseState.h"
#include "LiveObjects.h"
#include "RVEditTransient.h"
#include "rvCommitReal.h"
#include "rvNumeric.h"

#include <cmath>

namespace {

const double kMargin = 1.5;
const double kSpanEnd = 10.0;
const double kUnlimited = 1e307;
const double kHuge = 9e306;
const double kSeamDegrees = 180.0;
const double kSeamRadians = 3.14159265358979;
// The lower seams lie just inside the full circle, so that the two seams of
// a full arc stay distinct values.
const double kLowSeamDegrees = -179.99999998854085;
const double kLowSeamRadians = -3.14159265338979;

const COLORREF kControllerColour = RGB(200, 255, 200);
const COLORREF kPlainColour = RGB(255, 255, 255);

bool IsHuge(double v) {
    return v > kHuge || v < -kHuge;
}

} // namespace

IMPLEMENT_DYNAMIC(CRVEdit, CEdit)

BEGIN_MESSAGE_MAP(CRVEdit, CEdit)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CRVEdit::OnKillfocus)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_SETFOCUS()
ON_MESSAGE(WM_RV_END_MODIFY, &CRVEdit::OnRVEndModify)
END_MESSAGE_MAP()

CRVEdit::CRVEdit()
    : m_rangeType(eRangeClamp), m_pNotifyWnd(NULL), m_val(0.0), m_bControlled(true),
      m_bDelayValidation(false), m_bControllerRangeSet(false), m_bDynamicMin(true),
      m_bDynamicMax(true), m_pController(NULL), m_pCurCtrlRange(&m_ctrlRange1), m_precision(4),
      m_sensitivity(rvSensitivity(4)), m_bSensitivitySet(false), m_hNotifyWnd(NULL) {
    m_brushPlain.CreateSolidBrush(kPlainColour);
    m_brushController.CreateSolidBrush(kControllerColour);
    LiveObjects::Add(this);
}

CRVEdit::~CRVEdit() {
    LiveObjects::Remove(this);
}

// Window side

int CRVEdit::Create() {
    m_hNotifyWnd = ::GetParent(m_hWnd);
    m_pNotifyWnd = CWnd::FromHandle(m_hNotifyWnd);
    Init();
    return TRUE;
}

void CRVEdit::PreSubclassWindow() {
    CEdit::PreSubclassWindow();
    Create();
}

void CRVEdit::Init() {
    m_precision = aibaseState.GetPrecision();
}

void CRVEdit::OnEndModify() {
    Notify(WM_RV_END_MODIFY);
}

void CRVEdit::Notify(UINT msg) {
    if (m_hNotifyWnd != NULL && ::IsWindow(m_hNotifyWnd))
        ::SendMessage(m_hNotifyWnd, msg, reinterpret_cast<WPARAM>(this), 0);
}

void CRVEdit::NotifyController(UINT msg) {
    if (m_bControlled && m_pController != NULL && ::IsWindow(m_pController->m_hWnd))
        m_pController->SendMessage(msg, reinterpret_cast<WPARAM>(this), 0);
}

BOOL CRVEdit::OnKillfocus() {
    if (m_bDelayValidation)
        return FALSE;
    UpdateDataEx(TRUE);
    Notify(WM_RV_EDIT_CHANGED);
    return FALSE; // the parent hears of the focus loss too
}

HBRUSH CRVEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
    if (!m_bControlled || (GetStyle() & ES_READONLY) != 0)
        return NULL; // the parent's colours
    if (m_pController != NULL) {
        pDC->SetBkColor(kControllerColour);
        return m_brushController;
    }
    pDC->SetBkColor(kPlainColour);
    return m_brushPlain;
}

void CRVEdit::OnSetFocus(CWnd* pOldWnd) {
    CEdit::OnSetFocus(pOldWnd);
    Notify(WM_RV_SET_FOCUS);
}

LRESULT CRVEdit::OnRVEndModify(WPARAM wParam, LPARAM) {
    // Only the edit's own controller ends its floating (or no one named).
    CObject* pSender;
    if (!LiveObjects::LookupSender(wParam, pSender))
        return 0;
    if (pSender == NULL || pSender == m_pController)
        Notify(WM_RV_EDIT_CHANGED);
    return 1;
}

void CRVEdit::UpdateDataEx(BOOL bSave) {
    if (m_hNotifyWnd != NULL && ::IsWindow(m_hNotifyWnd) &&
        (::GetWindowLong(m_hNotifyWnd, GWL_STYLE) & WS_VISIBLE) != 0)
        UpdateData(bSave, true);
}

// Ranges

void CRVEdit::GetRange(double& lo, double& hi) const {
    lo = m_range.m_min;
    hi = m_range.m_max;
}

void CRVEdit::GetRange(Range& r) const {
    r.Copy(m_range);
}

void CRVEdit::GetControllerRange(double& lo, double& hi) const {
    lo = m_pCurCtrlRange->m_min;
    hi = m_pCurCtrlRange->m_max;
}

double CRVEdit::AngleSeam() const {
    return m_range.m_degrees ? kSeamDegrees : kSeamRadians;
}

void CRVEdit::SetRange(double lo, double hi, bool external, bool updateController) {
    m_range.m_min = lo;
    m_range.m_max = hi;
    m_range.SetExternal(external);
    if (updateController && m_bControlled) {
        if (m_range.GetScalarType() == Range::eScalarNumber && external) {
            // The upper stretch reaches half the excluded zone's width above
            // it, the lower one as far below.
            double top = kMargin * hi - 0.5 * lo;
            if (std::fabs(top) < kTolerance)
                top = kSpanEnd;
            m_ctrlRange1.Set(hi, top);
            m_ctrlRange2.Set(kMargin * lo - 0.5 * hi, lo);
        } else if (m_range.GetScalarType() == Range::eScalarNumber) {
            if (m_range.IsFull()) {
                m_ctrlRange1.Set(0.0, kSpanEnd);
            } else {
                if (IsHuge(hi))
                    hi = std::fmax(2.0 * lo, kSpanEnd);
                if (IsHuge(lo))
                    lo = std::fmin(2.0 * hi, -kSpanEnd);
                m_ctrlRange1.Set(lo, hi);
            }
        } else {
            const double seam = AngleSeam();
            const double lowSeam = m_range.m_degrees ? kLowSeamDegrees : kLowSeamRadians;
            if (external && m_range.In(seam)) {
                // The valid arc crosses the seam: one stretch on each side.
                m_ctrlRange1.Set(hi, seam);
                m_ctrlRange2.Set(lowSeam, lo);
            } else if (m_range.IsFull()) {
                m_ctrlRange1.Set(lowSeam, seam);
            } else {
                m_ctrlRange1.Set(std::fmin(lo, hi), std::fmax(lo, hi));
            }
        }
        m_bControllerRangeSet = true;
    }
    if (HasWindow())
        EnableWindow(!m_range.IsEmpty());
}

void CRVEdit::SetRange(double lo, double hi) {
    SetRange(lo, hi, m_range.IsExternal(), true);
    if (HasWindow())
        EnableWindow(!(hi - lo < kTolerance));
}

void CRVEdit::SetRange(const Range& r) {
    const bool external = r.IsExternal();
    m_range.Copy(r);
    SetRange(r.m_min, r.m_max, external, true);
    if (!external)
        SetDynamic(r.IsUnlimited(true), r.IsUnlimited(false));
}

void CRVEdit::SetFullRange() {
    SetRange(-kUnlimited, kUnlimited);
}

// Controller ranges

bool CRVEdit::HasTwoControllerRanges() const {
    if (!m_range.IsExternal())
        return false;
    return m_range.GetScalarType() == Range::eScalarNumber || m_range.In(AngleSeam());
}

bool CRVEdit::InControllerRange(double v) const {
    if (!m_range.IsExternal())
        return m_pCurCtrlRange->In(v);
    if (m_pCurCtrlRange == &m_ctrlRange1)
        return RangeR1::In(v, m_range.m_max, kUnlimited, kTolerance);
    return RangeR1::In(v, -kUnlimited, m_range.m_min, kTolerance);
}

void CRVEdit::SetControllerRange(double lo, double hi, bool first) {
    (first ? m_ctrlRange1 : m_ctrlRange2).Set(lo, hi);
}

void CRVEdit::SetControllerRange(Range r, bool first) {
    SetControllerRange(r.m_min, r.m_max, first);
}

void CRVEdit::MakeValidControllerRange() {
    if (!m_bControlled)
        return;
    const double v = m_val;
    const Range& r = m_range;
    if (!HasTwoControllerRanges()) {
        // Near zero the span is -10 .. 10; otherwise it reaches from zero to
        // half as far again as the value.
        if (m_ctrlRange1.IsUnlimited(true)) {
            if (!r.IsUnlimited(true))
                m_ctrlRange1.m_min = r.m_min;
            else if (std::fabs(v) < kTolerance)
                m_ctrlRange1.m_min = -kSpanEnd;
            else
                m_ctrlRange1.m_min = v < 0 ? kMargin * v : 0.0;
        }
        if (m_ctrlRange1.IsUnlimited(false)) {
            if (!r.IsUnlimited(false))
                m_ctrlRange1.m_max = r.m_max;
            else if (std::fabs(v) < kTolerance)
                m_ctrlRange1.m_max = kSpanEnd;
            else
                m_ctrlRange1.m_max = v > 0 ? kMargin * v : 0.0;
        }
        return;
    }
    // Two stretches: neither may reach into the excluded zone.
    if (m_ctrlRange1.IsUnlimited(true))
        m_ctrlRange1.m_min = r.m_max;
    if (r.m_max > m_ctrlRange1.m_min)
        m_ctrlRange1.m_min = r.m_max;
    if (m_ctrlRange1.IsUnlimited(false)) {
        if (v > r.m_max + kTolerance)
            m_ctrlRange1.m_max = r.m_max + kMargin * (v - r.m_max);
        else if (std::fabs(r.m_max) < kTolerance)
            m_ctrlRange1.m_max = kSpanEnd;
        else if (r.m_max > kTolerance)
            m_ctrlRange1.m_max = kMargin * r.m_max;
        else
            m_ctrlRange1.m_max = 0.0;
    }
    if (m_ctrlRange2.IsUnlimited(true)) {
        if (v < r.m_min - kTolerance)
            m_ctrlRange2.m_min = r.m_min - kMargin * (r.m_min - v);
        else if (std::fabs(r.m_min) < kTolerance)
            m_ctrlRange2.m_min = -kSpanEnd;
        else if (r.m_min > kTolerance)
            m_ctrlRange2.m_min = 0.0;
        else
            m_ctrlRange2.m_min = kMargin * r.m_min;
    }
    if (m_ctrlRange2.IsUnlimited(false))
        m_ctrlRange2.m_max = r.m_max;
    if (r.m_min < m_ctrlRange2.m_max)
        m_ctrlRange2.m_max = r.m_min;
}

bool CRVEdit::UpdateControllerRange() {
    if (!m_bControlled)
        return false;
    bool bResult = m_bControllerRangeSet;
    if (m_range.IsExternal()) {
        if (!InControllerRange(m_val)) {
            m_pCurCtrlRange = m_pCurCtrlRange == &m_ctrlRange1 ? &m_ctrlRange2 : &m_ctrlRange1;
            bResult = true;
        }
    } else if (m_pCurCtrlRange != &m_ctrlRange1) {
        m_pCurCtrlRange = &m_ctrlRange1;
        bResult = true;
    }
    m_bControllerRangeSet = true;
    return bResult;
}

void CRVEdit::UpdateControllerRangeNotify() {
    if (m_bControlled && UpdateControllerRange())
        NotifyController(WM_RV_EDIT_SETUP_MODIFIED);
}

void CRVEdit::UpdateController() {
    if (!m_bControlled || m_pController == NULL)
        return;
    UpdateControllerRangeNotify();
    NotifyController(WM_RV_UPDATE_CONTROLLER);
}

void CRVEdit::SetController(CWnd* pController) {
    m_pController = pController;
    if (m_bControlled && pController != NULL) {
        MakeValidControllerRange();
        UpdateControllerRange();
    }
    if (HasWindow() && m_bControlled) {
        // The background shows the link: repaint at once.
        InvalidateRect(NULL, TRUE);
        UpdateWindow();
    }
}

// Dynamic ends

void CRVEdit::SetDynamic(bool lo, bool hi) {
    m_bDynamicMin = lo;
    m_bDynamicMax = hi;
}

void CRVEdit::SetDynamic(bool b) {
    SetDynamic(b, b);
    NotifyController(WM_RV_EDIT_SETUP_MODIFIED);
}

bool CRVEdit::IsDynamicMin() const {
    if (m_range.IsExternal())
        return m_pCurCtrlRange == &m_ctrlRange2;
    return m_bDynamicMin;
}

bool CRVEdit::IsDynamicMax() const {
    if (m_range.IsExternal())
        return m_pCurCtrlRange == &m_ctrlRange1;
    return m_bDynamicMax;
}

// Precision

void CRVEdit::SetPrecision(int p) {
    m_precision = static_cast<short>(p);
    if (!m_bSensitivitySet)
        m_sensitivity = rvSensitivity(m_precision);
}

void CRVEdit::SetSencetivity(double s) {
    m_sensitivity = s;
    m_bSensitivitySet = true;
}

// Commit and display

void CRVEdit::UpdateData(BOOL bSave, bool bUpdateController) {
    if (!bSave) {
        Display(bUpdateController);
        return;
    }
    if (!HasWindow())
        return;
    CString text;
    GetWindowText(text);
    CommitText(text, bUpdateController);
}

void CRVEdit::CommitText(LPCTSTR lpszText, bool bUpdateController) {
    const double x = rvCommitReal(lpszText);
    m_val = x;
    if (m_range.In(x)) {
        if (m_bControlled && bUpdateController)
            UpdateController();
        return;
    }
    if (m_rangeType == eRangeClamp) {
        m_val = m_range.GetBestMatch(x);
    } else if (m_rangeType == eRangeExtend) {
        if (m_range.Include(x) && m_bControlled && bUpdateController) {
            if (IsKindOf(RUNTIME_CLASS(CRVEditTransient)))
                m_range.MakeSymmetric();
            if (m_pCurCtrlRange != NULL)
                m_pCurCtrlRange->Unite(m_range);
            UpdateController();
        }
    }
    // An outside value is always shown, and the controller follows it.
    Display(true);
}

CString CRVEdit::GetValueText() const {
    // A value below the precision shows as zero: never as a negative zero.
    const double shown = std::fabs(m_val) < rvSensitivity(m_precision) ? 0.0 : m_val;
    return rvFormatValue(shown, m_precision);
}

void CRVEdit::Display(bool bUpdateController) {
    if (HasWindow())
        SetWindowText(GetValueText());
    if (m_bControlled && bUpdateController)
        UpdateController();
}
