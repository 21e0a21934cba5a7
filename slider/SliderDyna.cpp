#include "SliderDyna.h"

#include "LiveObjects.h"
#include "RVEdit.h"
#include "rvNumeric.h"
#include "rvScrollTarget.h"

#include <algorithm>
#include <cmath>

namespace {

// Label ends beyond these show as infinite.
const double kLabelInfinity = 100000.0;
// The width labels start with; a created label grows to show its text.
const int kLabelWidth = 35;
const int kLabelHeight = 12;
const DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
// Room beside a created label's text.
const int kLabelPadding = 4;
// Room a label leaves to the edges of a group box it lies in.
const int kFrameMargin = 2;
// Positions far outside the track are limited to this before they become
// an int, so that a value far beyond the display range cannot overflow.
const double kPosnLimit = 1e9;

} // namespace

IMPLEMENT_DYNAMIC(CSliderDyna, CSliderCtrl)

BEGIN_MESSAGE_MAP(CSliderDyna, CSliderCtrl)
ON_WM_TIMER()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_MESSAGE(WM_RV_UPDATE_CONTROLLER, &CSliderDyna::OnUpdateController)
ON_MESSAGE(WM_RV_EDIT_SETUP_MODIFIED, &CSliderDyna::OnRVEditSetupModified)
END_MESSAGE_MAP()

CSliderDyna::CSliderDyna()
    : m_nMaxLabelId(0), m_nMinLabelId(0), m_nLabelWidth(kLabelWidth), m_nTimerId(0) {
    LiveObjects::Add(this);
}

CSliderDyna::~CSliderDyna() {
    LiveObjects::Remove(this);
    // The dialog's own statics outlive the slider.
    if (m_nMinLabelId != 0)
        m_minLabel.Detach();
    if (m_nMaxLabelId != 0)
        m_maxLabel.Detach();
}

// Mappings

bool CSliderDyna::RoomBelow() const {
    return m_model.editRange.m_min + CRVEdit::kTolerance < m_model.valRange.m_min;
}

bool CSliderDyna::RoomAbove() const {
    return m_model.editRange.m_max - CRVEdit::kTolerance > m_model.valRange.m_max;
}

bool CSliderDyna::LowPinned() const {
    return std::fabs(m_model.valRange.m_min - m_model.editRange.m_min) < CRVEdit::kTolerance;
}

bool CSliderDyna::HighPinned() const {
    return std::fabs(m_model.valRange.m_max - m_model.editRange.m_max) < CRVEdit::kTolerance;
}

int CSliderDyna::ValToPosn(double v) {
    const double width = m_model.valRange.m_max - m_model.valRange.m_min;
    const int span = kLastInnerPosn - kFirstInnerPosn;
    double offset = span * (v - m_model.valRange.m_min) / width;
    if (std::isinf(offset))
        offset = (v - m_model.valRange.m_min) / width * span; // the product overflowed
    // A range of zero width, or a value that is no number, has no place on
    // the scale: the start of the inner zone.
    if (width == 0.0 || std::isnan(offset))
        return kFirstInnerPosn;
    return kFirstInnerPosn +
           static_cast<int>(std::fmax(-kPosnLimit, std::fmin(kPosnLimit, offset)));
}

double CSliderDyna::PosnToVal(int p) {
    const int lowPos = LowPinned() ? 0 : kFirstInnerPosn;
    const int highPos = HighPinned() ? kPosnCount : kLastInnerPosn;
    if (highPos == lowPos)
        return m_model.valRange.m_min;
    const double width = m_model.valRange.m_max - m_model.valRange.m_min;
    double offset = (p - lowPos) * width / (highPos - lowPos);
    if (std::isinf(offset))
        offset = width / (highPos - lowPos) * (p - lowPos); // the product overflowed
    const double v = m_model.valRange.m_min + offset;
    if (p < lowPos || p > highPos)
        return v;
    // The width of a range far from zero (-5e299 .. -10) has lost its near
    // end's digits: the scale's positions still give values inside it.
    return std::fmax(m_model.valRange.m_min, std::fmin(v, m_model.valRange.m_max));
}

void CSliderDyna::SetValRange(double lo, double hi) {
    m_model.valRange.m_min = lo;
    m_model.valRange.m_max = hi;
}

void CSliderDyna::GetValRange(double& lo, double& hi) const {
    lo = m_model.valRange.m_min;
    hi = m_model.valRange.m_max;
}

void CSliderDyna::SetDynamic(bool bMin, bool bMax) {
    m_model.bDynamicMin = bMin;
    m_model.bDynamicMax = bMax;
}

BOOL CSliderDyna::IsValidInit() {
    return m_model.valRange.m_min <= m_model.val && m_model.val <= m_model.valRange.m_max;
}

BOOL CSliderDyna::IsValid() {
    if (m_hWnd == NULL)
        return TRUE;
    const int pos = GetPos();
    return pos >= 0 && pos <= kPosnCount;
}

// Value and floating

void CSliderDyna::SetVal(double v) {
    m_model.val = v;
    if (!m_model.valRange.In(v))
        UpdateFloatingRange();
    m_model.nLastPosn = ValToPosn(v);
    if (m_hWnd != NULL)
        UpdateData(false);
}

void CSliderDyna::UpdateFloatingRange(bool bAtLow) {
    // An infinite value (an edit may take "1e999" in an open range) has no
    // place to anchor at: the display range stays, so that no position
    // turns into a value that is no number.
    if (!std::isfinite(m_model.val))
        return;
    const double width = m_model.valRange.m_max - m_model.valRange.m_min;
    double lo = bAtLow ? m_model.val : m_model.val - width;
    double hi = bAtLow ? m_model.val + width : m_model.val;
    // A value beyond the limits (a free-range edit keeps what was typed)
    // takes the range with it: held inside them, the range would leave the
    // value, and the thumb, off the track.
    if (m_model.editRange.In(m_model.val))
        KeepInsideLimits(lo, hi);
    SetValRange(lo, hi);
    UpdateMinMaxDisplay();
}

void CSliderDyna::KeepInsideLimits(double& lo, double& hi) const {
    // Only a plain interval has two limits to stay between.
    if (m_model.editRange.IsExternal() || m_model.editRange.IsEmpty() ||
        m_model.editRange.GetScalarType() != Range::eScalarNumber)
        return;
    const double width = hi - lo;
    if (hi > m_model.editRange.m_max) {
        hi = m_model.editRange.m_max;
        lo = hi - width;
    }
    if (lo < m_model.editRange.m_min) {
        lo = m_model.editRange.m_min;
        hi = std::fmin(lo + width, m_model.editRange.m_max);
    }
}

void CSliderDyna::UpdateFloatingRange() {
    if (!m_model.valRange.In(m_model.val))
        UpdateFloatingRange(m_model.valRange.m_min > m_model.val);
}

void CSliderDyna::SetCurPosn(int p) {
    if (m_model.pClient == NULL)
        return;
    m_model.nFloatDir = 0;
    if (InLowZone(p) && RoomBelow())
        m_model.nFloatDir = -1;
    else if (InLowZone(m_model.nLastPosn) && RoomBelow())
        UpdateFloatingRange(true); // left the zone after floating down
    SetTimer(p);
    if (InHighZone(p) && RoomAbove())
        m_model.nFloatDir = +1;
    else if (InHighZone(m_model.nLastPosn) && RoomAbove())
        UpdateFloatingRange(false);
    SetTimer(p);
    // While floating, the ticks set the value, not the position.
    if (m_model.nFloatDir == 0) {
        m_model.val = PosnToVal(p);
        PushToClient();
    }
    m_model.nLastPosn = p;
}

void CSliderDyna::SetTimer(int p) {
    int period = 0;
    if (InHighZone(p))
        period = (kPosnCount - p + 1) * kTimerUnit;
    else if (InLowZone(p))
        period = (p + 1) * kTimerUnit;
    if (m_nTimerId != 0 && m_hWnd != NULL)
        KillTimer(m_nTimerId);
    m_nTimerId = 0;
    m_model.nTimerPeriod = 0;
    if (period > 0 && m_model.nFloatDir != 0) {
        m_model.nTimerPeriod = static_cast<UINT>(period);
        if (m_hWnd != NULL)
            m_nTimerId = CWnd::SetTimer(kFloatTimerId, m_model.nTimerPeriod);
    }
}

void CSliderDyna::FloatTick() {
    const double next = m_model.nFloatDir * kFloatStep + m_model.val;
    if (m_model.editRange.In(next)) {
        m_model.val = next;
        PushToClient();
        return;
    }
    // The limit: the client shows it before it hears that floating stopped,
    // so that whoever it tells reads the final value.
    m_model.val = m_model.editRange.GetBestMatch(next);
    PushToClient();
    OnFloatStopped(true);
}

void CSliderDyna::OnFloatStopped(bool /*b*/) {
    if (m_hWnd != NULL)
        KillTimer(kFloatTimerId);
    m_model.nTimerPeriod = 0;
    UpdateFloatingRange();
    UpdateMinMaxDisplay();
    if (m_model.pClient != NULL && m_model.pClient->m_hWnd != NULL)
        m_model.pClient->SendMessage(WM_RV_END_MODIFY, reinterpret_cast<WPARAM>(this), 0);
}

// The client

void CSliderDyna::PushToClient() {
    UpdateData(false);
}

void CSliderDyna::UpdateData(bool bSave) {
    if (bSave) {
        if (m_hWnd != NULL)
            m_model.val = PosnToVal(GetPos());
        return;
    }
    if (m_model.pClient != NULL) {
        m_model.pClient->SetVal(m_model.val);
        m_model.pClient->UpdateData(FALSE, false);
    }
}

CWnd* CSliderDyna::ClientParent() const {
    if (m_model.pClient == NULL || m_model.pClient->m_hWnd == NULL)
        return NULL;
    CWnd* pParent = CWnd::FromHandle(::GetParent(m_model.pClient->m_hWnd));
    return pParent != NULL && pParent->m_hWnd != NULL ? pParent : NULL;
}

void CSliderDyna::SetClient(CRVEdit* pEdit) {
    if (m_model.pClient != pEdit && m_model.nFloatDir != 0) {
        // Floating belongs to the edit it started for: another edit must
        // not be driven on toward its own limit, nor a released one kept.
        m_model.nFloatDir = 0;
        SetTimer(m_model.nLastPosn);
    }
    if (m_model.pClient != NULL && m_model.pClient != pEdit)
        m_model.pClient->SetController(NULL);
    if (pEdit != NULL)
        pEdit->SetController(this);
    if (pEdit == NULL || !pEdit->IsControlled()) {
        Enable(FALSE);
        m_model.pClient = NULL;
        return;
    }
    m_model.pClient = pEdit;
    OnRVEditSetupModified(0, 0);
    OnUpdateController(0, 0);
    if (m_model.valRange.GetLength() >= CRVEdit::kTolerance) {
        UpdatePosn();
        Enable(TRUE);
    }
}

bool CSliderDyna::IsEditSender(WPARAM wParam, LRESULT& lIgnored) {
    CObject* pSender;
    if (!LiveObjects::LookupSender(wParam, pSender)) {
        lIgnored = 0; // names nothing alive: never touched
        return false;
    }
    lIgnored = 1;
    return pSender == NULL || pSender->IsKindOf(RUNTIME_CLASS(CRVEdit));
}

LRESULT CSliderDyna::OnRVEditSetupModified(WPARAM wParam, LPARAM) {
    LRESULT lIgnored;
    if (!IsEditSender(wParam, lIgnored))
        return lIgnored;
    if (m_model.pClient == NULL)
        return 1;
    m_model.pClient->GetRange(m_model.editRange);
    m_model.pClient->GetControllerRange(m_model.valRange.m_min, m_model.valRange.m_max);
    m_model.bDynamicMin = m_model.pClient->IsDynamicMin();
    m_model.bDynamicMax = m_model.pClient->IsDynamicMax();
    UpdateMinMaxDisplay();
    if (m_hWnd != NULL)
        EnableWindow(m_model.valRange.GetLength() >= CRVEdit::kTolerance);
    return 1;
}

LRESULT CSliderDyna::OnUpdateController(WPARAM wParam, LPARAM) {
    LRESULT lIgnored;
    if (!IsEditSender(wParam, lIgnored))
        return lIgnored;
    if (m_model.pClient != NULL) {
        SetVal(m_model.pClient->GetVal());
        m_model.bDynamicMin = m_model.pClient->IsDynamicMin();
        m_model.bDynamicMax = m_model.pClient->IsDynamicMax();
    }
    PushToClient();
    // While floating, the thumb stays where the user holds it.
    if (m_model.nFloatDir == 0)
        UpdatePosn();
    return 1;
}

int CSliderDyna::UpdatePosn() {
    const int p = ValToPosn(m_model.val);
    if (m_hWnd != NULL)
        SendMessage(TBM_SETPOS, TRUE, p);
    return p;
}

void CSliderDyna::Update() {
    if (m_model.pClient != NULL)
        UpdateMinMaxDisplay();
}

// Window set-up

void CSliderDyna::PreSubclassWindow() {
    CSliderCtrl::PreSubclassWindow();
    Init();
}

void CSliderDyna::Init() {
    CreateMinMaxDisplay();
    if (!m_model.bDynamicMin && !m_model.bDynamicMax) {
        // Nothing floats: the floating zones are out of the thumb's reach.
        CSliderCtrl::SetRange(kFirstInnerPosn, kLastInnerPosn, FALSE);
        return;
    }
    CSliderCtrl::SetRange(0, kPosnCount, FALSE);
    // Two ticks are the track's ends; mark the inner zone instead. Automatic
    // ticks and tick-less trackbars stay as they are.
    if (GetNumTics() == 2) {
        ClearTics(FALSE);
        if (SetTic(kFirstInnerPosn))
            SetTic(kLastInnerPosn);
    }
}

void CSliderDyna::AttachMinMaxCtrl(UINT minId, UINT maxId) {
    m_nMinLabelId = minId;
    m_nMaxLabelId = maxId;
}

bool CSliderDyna::IsClearPlace(const CRect& rcLabel) const {
    const HWND hParent = ::GetParent(m_hWnd);
    CRect client;
    ::GetClientRect(hParent, client);
    CRect both;
    both.UnionRect(client, rcLabel);
    if (!both.EqualRect(client))
        return false;
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT)) {
        const LONG style = ::GetWindowLong(h, GWL_STYLE);
        if (h == m_minLabel.m_hWnd || h == m_maxLabel.m_hWnd || (style & WS_VISIBLE) == 0)
            continue;
        CRect rc;
        ::GetWindowRect(h, rc);
        ::MapWindowPoints(NULL, hParent, reinterpret_cast<LPPOINT>(&rc), 2);
        CRect common;
        if (!common.IntersectRect(rc, rcLabel))
            continue;
        // Inside a group box is fine, as long as the label stays off its
        // frame, whose top line runs through the middle of the caption.
        TCHAR szClass[8] = {};
        ::GetClassName(h, szClass, 8);
        if (::lstrcmpi(szClass, TEXT("Button")) != 0 || (style & BS_TYPEMASK) != BS_GROUPBOX)
            return false;
        rc.DeflateRect(kFrameMargin, kLabelHeight / 2 + kFrameMargin, kFrameMargin, kFrameMargin);
        both.UnionRect(rc, rcLabel);
        if (!both.EqualRect(rc))
            return false;
    }
    return true;
}

// Each created label sits at its own end of the track. Those of a
// horizontal trackbar go under its ends. Those of a vertical one go beyond
// its ends, or beside them on the right or on the left: the first of these
// that keeps both labels inside the parent's client area and clear of its
// other visible controls, else for each label the first that does; a label
// that finds no such place goes beyond its end, moved inside the parent.
void CSliderDyna::PlaceLabels(CRect& rcMin, CRect& rcMax) {
    CWnd* pParent = GetParent();
    CRect rc;
    GetWindowRect(rc);
    pParent->ScreenToClient(rc);
    const int width = m_nLabelWidth;
    const CSize size(width, kLabelHeight);
    if ((GetStyle() & TBS_VERT) == 0) {
        rcMin = CRect(CPoint(rc.left, rc.bottom), size);
        rcMax = CRect(CPoint(rc.right - width, rc.bottom), size);
        MoveInsideParent(rcMin);
        MoveInsideParent(rcMax);
        return;
    }
    const int lefts[] = {rc.left + (rc.Width() - width) / 2, rc.right, rc.left - width};
    const int minTops[] = {rc.top - kLabelHeight, rc.top, rc.top};
    const int maxTops[] = {rc.bottom, rc.bottom - kLabelHeight, rc.bottom - kLabelHeight};
    CRect mins[3], maxs[3];
    for (int i = 0; i < 3; ++i) {
        mins[i] = CRect(CPoint(lefts[i], minTops[i]), size);
        maxs[i] = CRect(CPoint(lefts[i], maxTops[i]), size);
    }
    auto isClear = [this](const CRect& rcLabel, const CRect& rcAvoid) {
        CRect common;
        return IsClearPlace(rcLabel) && !common.IntersectRect(rcLabel, rcAvoid);
    };
    const CRect none(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i)
        if (isClear(mins[i], none) && isClear(maxs[i], mins[i])) {
            rcMin = mins[i];
            rcMax = maxs[i];
            return;
        }
    // No placement suits both: each label takes the first that suits it.
    auto placeOne = [&](const CRect* places, const CRect& rcAvoid) {
        for (int i = 0; i < 3; ++i)
            if (isClear(places[i], rcAvoid))
                return places[i];
        CRect rcLabel = places[0];
        MoveInsideParent(rcLabel);
        return rcLabel;
    };
    rcMin = placeOne(mins, none);
    rcMax = placeOne(maxs, rcMin);
}

void CSliderDyna::MoveInsideParent(CRect& rc) const {
    CRect client;
    ::GetClientRect(::GetParent(m_hWnd), client);
    rc.OffsetRect(std::max<int>(0, client.left - rc.left), std::max<int>(0, client.top - rc.top));
    rc.OffsetRect(std::min<int>(0, client.right - rc.right),
                  std::min<int>(0, client.bottom - rc.bottom));
}

void CSliderDyna::SetUpLabel(CStatic& label, UINT nAttachId, LPCTSTR lpszText, const CRect& rc,
                             UINT nId) {
    CWnd* pParent = GetParent();
    if (nAttachId != 0) {
        // Bound again (a dialog shown a second time): the static attached
        // last time is gone with its dialog.
        if (label.m_hWnd != NULL)
            label.Detach();
        label.Attach(pParent->GetDlgItem(nAttachId)->m_hWnd);
        return;
    }
    label.Create(lpszText, kLabelStyle, rc, pParent, nId);
}

void CSliderDyna::CreateMinMaxDisplay() {
    if (m_hWnd == NULL)
        return;
    CWnd* pParent = GetParent();
    // An id that names no child of the parent gets a created label.
    if (m_nMinLabelId != 0 && pParent->GetDlgItem(m_nMinLabelId) == NULL)
        m_nMinLabelId = 0;
    if (m_nMaxLabelId != 0 && pParent->GetDlgItem(m_nMaxLabelId) == NULL)
        m_nMaxLabelId = 0;
    CRect rcMin, rcMax;
    PlaceLabels(rcMin, rcMax);
    SetUpLabel(m_minLabel, m_nMinLabelId, _T("0.0"), rcMin, kMinLabelId);
    SetUpLabel(m_maxLabel, m_nMaxLabelId, _T("20.0"), rcMax, kMaxLabelId);
    m_minLabel.GetWindowText(m_model.strMinText);
    m_maxLabel.GetWindowText(m_model.strMaxText);
    const WPARAM hFont = static_cast<WPARAM>(pParent->SendMessage(WM_GETFONT));
    m_minLabel.SendMessage(WM_SETFONT, hFont, TRUE);
    m_maxLabel.SendMessage(WM_SETFONT, hFont, TRUE);
    FitLabels();
}

int CSliderDyna::CreatedLabelWidth(const CStatic& label, UINT nAttachId, const CString& text) {
    if (label.m_hWnd == NULL || nAttachId != 0)
        return 0;
    HDC hDC = ::GetDC(label.m_hWnd);
    const HGDIOBJ hOld = ::SelectObject(
        hDC, reinterpret_cast<HGDIOBJ>(::SendMessage(label.m_hWnd, WM_GETFONT, 0, 0)));
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(hDC, text, text.GetLength(), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(label.m_hWnd, hDC);
    return size.cx + kLabelPadding;
}

void CSliderDyna::FitLabels() {
    if (m_hWnd == NULL)
        return;
    const int width =
        std::max({kLabelWidth, CreatedLabelWidth(m_minLabel, m_nMinLabelId, m_model.strMinText),
                  CreatedLabelWidth(m_maxLabel, m_nMaxLabelId, m_model.strMaxText)});
    if (width == m_nLabelWidth)
        return;
    m_nLabelWidth = width;
    CRect rcMin, rcMax;
    PlaceLabels(rcMin, rcMax);
    if (m_minLabel.m_hWnd != NULL && m_nMinLabelId == 0)
        m_minLabel.MoveWindow(rcMin);
    if (m_maxLabel.m_hWnd != NULL && m_nMaxLabelId == 0)
        m_maxLabel.MoveWindow(rcMax);
}

void CSliderDyna::SetLabelText(CStatic& label, CString& text, double end) {
    CString next;
    if (end > kLabelInfinity) {
        next = _T("inf");
    } else if (end < -kLabelInfinity) {
        next = _T("-inf");
    } else {
        next = rvFormatValue(end, kLabelPrecision);
        if (next.GetLength() > kLabelPrecision + 7)
            return; // too long for the label: the old text stays
    }
    text = next;
    if (label.m_hWnd != NULL)
        ::SetWindowText(label.m_hWnd, text);
}

void CSliderDyna::UpdateMinMaxDisplay() {
    SetLabelText(m_minLabel, m_model.strMinText, m_model.valRange.m_min);
    SetLabelText(m_maxLabel, m_model.strMaxText, m_model.valRange.m_max);
    FitLabels();
}

void CSliderDyna::Show(int nCmdShow) {
    ::ShowWindow(m_minLabel.m_hWnd, nCmdShow);
    ::ShowWindow(m_maxLabel.m_hWnd, nCmdShow);
    ::ShowWindow(m_hWnd, nCmdShow);
}

void CSliderDyna::Enable(BOOL bEnable) {
    if (m_hWnd == NULL)
        return;
    EnableWindow(bEnable);
    if (m_minLabel.m_hWnd != NULL)
        m_minLabel.EnableWindow(bEnable);
    if (m_maxLabel.m_hWnd != NULL)
        m_maxLabel.EnableWindow(bEnable);
}

BOOL CSliderDyna::IsHorizontal() {
    // Horizontal and vertical trackbars are steered alike.
    return FALSE;
}

CWnd* CSliderDyna::GetBuddyControl() {
    if (m_hWnd == NULL || (GetStyle() & WS_GROUP) == 0)
        return NULL;
    CWnd* pPrev = GetWindow(GW_HWNDPREV);
    if (pPrev == NULL || (pPrev->GetStyle() & WS_GROUP) != 0)
        return NULL;
    return pPrev;
}

void CSliderDyna::AttachBuddy() {
    if (CWnd* pBuddy = GetBuddyControl())
        m_buddyHandler.Attach(this, pBuddy);
}

// Notifications

void CSliderDyna::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    SetCurPosn(rvScrollTarget(nSBCode, nPos, GetPos(), kPosnCount, pScrollBar));
}

void CSliderDyna::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    const int base = m_model.nLastPosn;
    if (nSBCode == TB_ENDTRACK && m_model.pClient != NULL)
        m_model.pClient->OnEndModify(); // the end of a drag ends the edit's modification
    const int target = rvScrollTarget(nSBCode, nPos, base, kPosnCount, pScrollBar);
    if (target != base)
        SetCurPosn(target);
    if (CWnd* pDialog = ClientParent())
        pDialog->SendMessage(
            WM_VSCROLL, MAKEWPARAM(nSBCode, nPos),
            reinterpret_cast<LPARAM>(pScrollBar ? pScrollBar->GetSafeHwnd() : NULL));
}

BOOL CSliderDyna::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    // Without a scroll bar the forwarded notification carries lParam 0, so
    // the client's dialog cannot reflect it back here.
    if (message == WM_HSCROLL || message == WM_VSCROLL)
        OnVScroll(LOWORD(wParam), HIWORD(wParam), NULL);
    return CSliderCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

void CSliderDyna::OnTimer(UINT_PTR nIDEvent) {
    FloatTick();
    if (CWnd* pDialog = ClientParent())
        pDialog->SendMessage(WM_TIMER, nIDEvent, 0);
    Default();
}
