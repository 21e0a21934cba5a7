#include "RVPropertyPage.h"

IMPLEMENT_DYNAMIC(CRVPropertyPage, CRVDialog)

CRVPropertyPage::CRVPropertyPage() : CRVDialog(0, NULL), m_bActive(0) {}

CRVPropertyPage::CRVPropertyPage(UINT nTemplateId, CWnd* pParent)
    : CRVDialog(nTemplateId, pParent), m_bActive(0) {}

bool CRVPropertyPage::CanExpand() {
    return false;
}

int CRVPropertyPage::OnKillActive() {
    m_bActive = 0;
    return 1;
}

int CRVPropertyPage::OnSetActive() {
    m_bActive = 1;
    UpdatePage();
    return 1;
}

void CRVPropertyPage::UpdatePage() {}

void CRVPropertyPage::DoDataExchange(CDataExchange*) {}
