#include "Pane.h"

#include "PropertyPanel.h"
#include "RVDC.h"
#include "rvWindowHelpers.h"

namespace {

// The pane window class, registered by the first pane created in the process.
CString s_strPaneClass;

bool HasWindow(const CWnd* pWnd) {
    return pWnd != NULL && pWnd->m_hWnd != NULL && ::IsWindow(pWnd->m_hWnd);
}

// The registered class name, or NULL when registration failed; a failed
// registration is tried again by the next pane.
LPCTSTR PaneClass() {
    if (s_strPaneClass.IsEmpty()) {
        try {
            s_strPaneClass =
                AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                    static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)),
                                    ::LoadIcon(NULL, IDI_APPLICATION));
        } catch (CException* e) {
            e->Delete();
        }
    }
    return s_strPaneClass.IsEmpty() ? NULL : static_cast<LPCTSTR>(s_strPaneClass);
}

void Repaint(CWnd* pWnd) {
    pWnd->InvalidateRect(NULL, TRUE);
    pWnd->UpdateWindow();
}

} // namespace

BEGIN_MESSAGE_MAP(Pane, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

Pane::Pane(CWnd*)
    : m_pPage(NULL), m_pView(NULL), m_bExpanded(false), m_nIndex(-1), m_pPanel(NULL) {}

Pane::~Pane() {
    delete m_pPage;
}

Pane* Pane::Construct(CRVPropertyPage* pPage) {
    Pane* pPane = new Pane(NULL);
    pPane->m_pPage = pPage;
    return pPane;
}

UINT Pane::Create(PropertyPanel* pPanel, CFormView* pView, CRect& rect, int nIndex) {
    LPCTSTR lpszClass = PaneClass();
    m_pPanel = pPanel;
    m_pView = pView;
    m_nIndex = nIndex;
    // A pane keeps the window it has: a second one would orphan the first.
    if (m_hWnd == NULL && lpszClass != NULL)
        CWnd::Create(lpszClass, _T("Pane"), WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pView,
                     kPaneId);
    if (HasWindow(this)) {
        ShowWindow(SW_SHOW);
        DisplayTitle();
    }
    return static_cast<UINT>(rect.Height());
}

void Pane::SetTitle(LPCTSTR lpszTitle) {
    m_strTitle = lpszTitle != NULL ? lpszTitle : _T("");
    DisplayTitle();
}

void Pane::DisplayTitle() {
    if (!HasWindow(this))
        return;
    CWnd* pTitle = GetDlgItem(kTitleId);
    if (HasWindow(pTitle))
        pTitle->SetWindowText(m_strTitle);
}

bool Pane::IsVisible() const {
    return HasWindow(this) && (GetStyle() & WS_VISIBLE) != 0;
}

bool Pane::CanExpand() {
    return HasWindow(this) && IsVisible() && m_pPage != NULL;
}

void Pane::Show(int bShow) {
    if (!HasWindow(this))
        return;
    if (bShow == 0) {
        if (HasWindow(m_pPage))
            m_pPage->ShowWindow(SW_HIDE);
        ShowWindow(SW_HIDE);
        return;
    }
    // A collapsed pane's page stays hidden: the panes below have moved up
    // over its place.
    if (m_bExpanded && HasWindow(m_pPage))
        m_pPage->ShowWindow(SW_SHOW);
    ShowWindow(SW_SHOW);
}

void Pane::Shift(int nDelta) {
    if (!HasWindow(this))
        return;
    rvMoveWindow(this, m_pView, 0, nDelta);
    if (HasWindow(m_pPage)) {
        rvMoveWindow(m_pPage, m_pView, 0, nDelta);
        Repaint(m_pPage);
    }
}

void Pane::ChangeExpansionState() {
    if (m_pPanel == NULL || m_pPage == NULL || !HasWindow(this))
        return;
    CWnd* pSign = GetDlgItem(kSignId);
    if (!HasWindow(m_pPage))
        m_pPage->CreateChild(m_pView);
    if (!HasWindow(m_pPage))
        return;

    CRect rcPane, rcPage;
    GetWindowRect(rcPane);
    m_pPage->GetWindowRect(rcPage);
    const int h = rcPage.Height();
    // The panes below move before the page does.
    m_pPanel->OnExpand(m_nIndex, m_bExpanded ? -h : h);
    if (m_bExpanded) {
        if (HasWindow(pSign))
            pSign->SetWindowText(_T("+"));
        m_pPage->ShowWindow(SW_HIDE);
    } else {
        if (HasWindow(pSign))
            pSign->SetWindowText(_T("-"));
        rcPage.top = rcPane.bottom;
        rcPage.bottom = rcPane.bottom + h;
        m_pView->ScreenToClient(rcPage);
        m_pPage->MoveWindow(rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(), TRUE);
        m_pPage->ShowWindow(SW_SHOW);
    }
    m_bExpanded = !m_bExpanded;
}

void Pane::Expand() {
    if (!HasWindow(this) || !IsVisible() || m_bExpanded)
        return;
    ChangeExpansionState();
    if (HasWindow(m_pPage))
        Repaint(m_pPage);
    Repaint(this);
}

void Pane::OnLButtonDown(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDown(nFlags, point);
    ChangeExpansionState();
    Repaint(this);
}

void Pane::OnPaint() {
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    const int h = rect.Height();
    RVDC(&dc).FillGradient(rect, RGB(0, 190, 0), RGB(0, 255, 0));
    dc.SetBkMode(TRANSPARENT);
    rect.OffsetRect(0, h / 10);

    // A minus, with a vertical bar through it while collapsed: a plus.
    const int half = h / 2, quarter = h / 4;
    dc.MoveTo(half, half);
    dc.LineTo(half + 2 * quarter + 1, half);
    if (!m_bExpanded) {
        dc.MoveTo(half + quarter, half - quarter);
        dc.LineTo(half + quarter, half + quarter);
    }
    // No single-line flag: the title is centred across, its top h / 10 down.
    dc.DrawText(m_strTitle, rect, DT_CENTER | DT_VCENTER);
}
