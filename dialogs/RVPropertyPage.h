// CRVPropertyPage: a dialog shown as one page among several, in the tabs of a
// CRVPropSheet or under a Pane of a PropertyPanel. It knows whether it is
// the active page and is told when that changes.
#pragma once

#include "RVDialog.h"

class AFX_EXT_CLASS CRVPropertyPage : public CRVDialog {
    DECLARE_DYNAMIC(CRVPropertyPage)
public:
    CRVPropertyPage();
    CRVPropertyPage(UINT nTemplateId, CWnd* pParent);

    // A hook for derived pages; the library itself never asks.
    virtual bool CanExpand();
    // The page stops being the active one; 1.
    virtual int OnKillActive();
    // The page becomes the active one and refreshes itself (UpdatePage); 1.
    virtual int OnSetActive();

    int IsActivePage() const { return m_bActive; }

    // A page does not refresh the slider master as a plain dialog does:
    // derived pages refresh their own controls here.
    void UpdatePage() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    int m_bActive;
};
