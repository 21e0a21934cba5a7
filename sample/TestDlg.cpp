#include "TestDlg.h"

#include "LiveObjects.h"
#include "dovuv32Res.h"
#include "rvMessages.h"

IMPLEMENT_DYNAMIC(CTestDlg, CRVDialog)

BEGIN_MESSAGE_MAP(CTestDlg, CRVDialog)
ON_MESSAGE(WM_RV_EDIT_BOX_CHANGED, &CTestDlg::OnRVEditBoxChanged)
ON_MESSAGE(WM_RV_END_MODIFY, &CTestDlg::OnRVEditEndModify)
END_MESSAGE_MAP()

CTestDlg::CTestDlg(CWnd* pParent) : CRVDialog(IDD_SAMPLE, pParent), m_dLastVal(0.0) {}

CTestDlg::~CTestDlg() {}

void CTestDlg::DoDataExchange(CDataExchange* pDX) {
    CRVDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SAMPLE_TRANSIENT, m_edit1013);
    DDX_Control(pDX, IDC_SAMPLE_EDIT, m_edit1012);
    DDX_Control(pDX, IDC_SAMPLE_SLIDER, m_slider);
    DDX_Control(pDX, IDC_SAMPLE_FLOAT_EDIT, m_zedit);
    DDX_Text(pDX, IDC_SAMPLE_LAST_VALUE, m_dLastVal);
    if (!pDX->m_bSaveAndValidate) {
        m_edit1012.UpdateData(FALSE);
        m_edit1013.UpdateData(FALSE);
    }
}

BOOL CTestDlg::OnInitDialog() {
    CRVDialog::OnInitDialog();
    AttachSliderMaster(&m_slider);
    m_zedit.SetVal(2.5);
    m_edit1012.SetVal(2.0);
    m_edit1012.SetDynamic(true, true);
    m_edit1012.SetControllerRange(0.0, 10.0, true);
    m_edit1013.SetRange(-20.0, 20.0);
    m_edit1013.SetVal(0.0);
    SetCurrent(&m_edit1012);
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CTestDlg::Echo(WPARAM wParam) {
    CObject* pSender;
    if (!LiveObjects::LookupSender(wParam, pSender))
        return 0;
    if (pSender == NULL || !pSender->IsKindOf(RUNTIME_CLASS(CRVEdit)))
        return 1;
    const CRVEdit* pEdit = static_cast<const CRVEdit*>(pSender);
    m_dLastVal = pEdit->GetVal();
    CString text;
    text.Format(_T("%9.4f"), m_dLastVal);
    SetDlgItemText(IDC_SAMPLE_LAST_VALUE, text);
    return 1;
}

LRESULT CTestDlg::OnRVEditBoxChanged(WPARAM wParam, LPARAM) {
    return Echo(wParam);
}

LRESULT CTestDlg::OnRVEditEndModify(WPARAM wParam, LPARAM) {
    return Echo(wParam);
}
