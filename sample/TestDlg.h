// CTestDlg: a ready-made dialog that shows the library's controls working
// together: two numeric edits share one dynamic slider, the slider master,
// which follows whichever of them has the focus; a float edit shows its own
// trackbar popup; a read-only field echoes the value of the last edit that
// ended a modification. Show it as it is (DoModal) or copy the pattern.
#pragma once

#include "RVDialog.h"
#include "RVEditTransient.h"
#include "SliderDyna.h"
#include "ZEdit.h"

class AFX_EXT_CLASS CTestDlg : public CRVDialog {
    DECLARE_DYNAMIC(CTestDlg)
public:
    explicit CTestDlg(CWnd* pParent = NULL);
    // Out of line: the float edit member is the library's own.
    virtual ~CTestDlg();

    // Sets the controls up and makes edit 1012 current.
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Both echo the sending edit's value in field 1015.
    afx_msg LRESULT OnRVEditBoxChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRVEditEndModify(WPARAM wParam, LPARAM lParam);

    CRVEditTransient m_edit1013;
    CRVEdit m_edit1012;
    CSliderDyna m_slider;
    CZEdit m_zedit;
    double m_dLastVal;

private:
    // Echoes the edit wParam names; 0 when it names no live object.
    LRESULT Echo(WPARAM wParam);

    DECLARE_MESSAGE_MAP()
};
