// A host dialog as a host of the library writes one, in the generic names:
// _T() literals, TCHAR buffers and LPCTSTR, and every exported class. It is
// built and linked in the host's character set, which shows that the
// installed headers and DLLs of that set agree; it is not run.
#include "ToolFile.h"

namespace {

class TitleHook : public CAIMsgHook {
protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_SETTEXT && lParam != 0 && *reinterpret_cast<LPCTSTR>(lParam) == _T('\0'))
            return TRUE;
        return CAIMsgHook::WindowProc(msg, wParam, lParam);
    }
};

class CHostDialog : public CRVDialog {
public:
    CHostDialog() : CRVDialog(100, NULL), m_page(101, NULL), m_buddy(this) {}

    BOOL OnInitDialog() override {
        CRVDialog::OnInitDialog();
        m_sheet.AddPage(&m_page, 101, _T("General"));
        m_tree.ExpandPath(_T("Tools\\Old"));
        m_tree.SetItemText(m_tree.GetItemHandle(_T("Tools\\Saw")), _T("Hand saw"));
        m_status.SetMessageID(102);
        m_slider.SetClient(&m_transient);
        m_handler.Attach(&m_slider, &m_edit);
        m_hook.HookWindow(this);
        m_panel.AddPane(new CRVPropertyPage(103, NULL));

        TCHAR szValue[RV_VALUE_TEXT_SIZE];
        rvFormatValue(szValue, rvTruncate(2.125, 2), aibaseState.GetPrecision());
        SetDlgItemText(104, szValue);
        double value = rvCommitReal(szValue);
        rvParseRealLenient(_T(" 1.5 "), value);
        rvParseReal(rvFormatValue(value + rvSensitivity(4), 4), value);

        CString strFolder = _T("data\\logs");
        Path::CreateDir(strFolder);
        FileFilter filter(CString(_T("Text|*.txt|All|*.*||")));
        CString strExt = _T(".txt");
        filter.MoveToTop(strExt);
        SetWindowText(rvGetRelativePath(_T("c:\\x\\y.txt"), _T("c:\\z")) + filter.GetFilter(0));

        RVFileFind finder;
        if (finder.FindFile(_T("data\\*.txt")))
            finder.SetLastFile(_T("z.txt"));
        ToolFile file;
        file.SetFileName(_T("tools.xml"));
        m_tree.AttachFile(&file);
        try {
            RVTxtFile text(_T("notes.txt"));
            if (text.Open() && text.Find(_T("alpha"), NULL) >= 0)
                text.ReplaceCurrentLine(_T("beta"));
        } catch (RVTxtFileExcept* e) {
            e->Delete();
        }
        RECT rect;
        ResTemplMngr::GetDlgTemplRect(NULL, 100, rect);
        rvMoveWindow(&m_edit, this, 0, rvScrollTarget(SB_LINEUP, 0, 1, 10, NULL));
        CMenu menu;
        rvFindMenuItem(&menu, _T("&File"));
        CObject* pSender = NULL;
        LiveObjects::LookupSender(0, pSender);
        CClientDC dc(this);
        RVDC(&dc).FillGradient(rect, RGB(0, 0, 0), RGB(255, 255, 255));
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CRVDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 105, m_edit);
        DDX_Control(pDX, 106, m_tree);
        Z_DDX_Text(pDX, 105, m_dValue, 4);
        Z_DDX_Text(pDX, 107, m_fValue, 2);
    }

private:
    CRVEdit m_edit;
    CRVEditTransient m_transient;
    CSliderDyna m_slider;
    CSliderDynaBuddyHandler m_handler;
    TitleHook m_hook;
    CRVPropSheet m_sheet;
    CRVPropertyPage m_page;
    PropertyPanel m_panel;
    CDlgToolBar m_toolBar;
    StatusBox m_status;
    XMLTree m_tree;
    CBuddySliderDlg m_buddy;
    double m_dValue = 0.0;
    float m_fValue = 0.0f;
};

} // namespace

int main(int argc, char**) {
    // Built and linked, not shown: the test only needs it to exist.
    if (argc < 0) {
        CHostDialog dlg;
        CTestDlg sample;
        return static_cast<int>(dlg.DoModal() + sample.DoModal());
    }
    return 0;
}
