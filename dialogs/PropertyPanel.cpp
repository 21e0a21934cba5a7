#include "PropertyPanel.h"

PropertyPanel::PropertyPanel()
    : m_pView(NULL), m_ptOrigin(0, 0), m_bInitOK(0), m_nPaneWidth(227), m_nPaneHeight(25) {}

PropertyPanel::~PropertyPanel() {
    for (int i = 0; i < GetPaneCount(); ++i)
        delete m_panes[i];
    m_panes.RemoveAll();
}

void PropertyPanel::SetPaneSize(int nWidth, int nHeight) {
    m_nPaneWidth = nWidth;
    m_nPaneHeight = nHeight;
}

Pane* PropertyPanel::AddPane(CRVPropertyPage* pPage) {
    Pane* pPane = Pane::Construct(pPage);
    if (m_panes.GetSize() == 0)
        m_panes.SetSize(0, 4);
    m_panes.Add(pPane);
    return pPane;
}

void PropertyPanel::Create(CFormView* pView, CPoint ptOrigin) {
    m_pView = pView;
    m_ptOrigin = ptOrigin;
    CRect rect(ptOrigin.x, ptOrigin.y, ptOrigin.x + m_nPaneWidth, ptOrigin.y + m_nPaneHeight);
    for (int i = 0; i < GetPaneCount(); ++i) {
        m_panes[i]->Create(this, pView, rect, i);
        rect.OffsetRect(0, m_nPaneHeight);
    }
    m_bInitOK = 1;
}

void PropertyPanel::OnExpand(int nIndex, int nDelta) {
    const int nCount = GetPaneCount();
    if (nIndex >= nCount - 1)
        return;
    for (int i = nIndex < 0 ? 0 : nIndex + 1; i < nCount; ++i)
        m_panes[i]->Shift(nDelta);
}

void PropertyPanel::Show(int bShow) {
    for (int i = 0; i < GetPaneCount(); ++i)
        m_panes[i]->Show(bShow);
}

void PropertyPanel::ExpandAll() {
    for (int i = 0; i < GetPaneCount(); ++i)
        if (m_panes[i]->CanExpand())
            m_panes[i]->Expand();
}
