#include "TestApp.h"

#include "WinTestIds.h"

#include <gtest/gtest.h>

namespace {

class CCountingEdit : public CWnd {
public:
    int nPreSubclass = 0;

protected:
    void PreSubclassWindow() override { ++nPreSubclass; }
};

class CExchangeDlg : public CDialog {
public:
    CExchangeDlg() : CDialog(IDD_EXCHANGE) {}

    CCountingEdit m_edit;
    CString m_strName = "abc";
    int m_nCount = 42;
    double m_dValue = 2.5;
    int nInit = 0;
    int nChange = 0;
    // What OnInitDialog does before the dialog runs: text typed into the
    // controls, commands posted to the dialog.
    std::vector<std::pair<int, CString>> typed;
    std::vector<UINT> posted;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_NAME, m_edit);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_Text(pDX, IDC_VALUE, m_dValue);
    }
    BOOL OnInitDialog() override {
        ++nInit;
        CDialog::OnInitDialog();
        for (const auto& t : typed)
            SetDlgItemText(t.first, t.second);
        for (UINT nID : posted)
            PostMessage(WM_COMMAND, nID);
        return TRUE;
    }
    afx_msg void OnNameChange() { ++nChange; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExchangeDlg, CDialog)
ON_EN_CHANGE(IDC_NAME, &CExchangeDlg::OnNameChange)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { TestApp().prompts.clear(); }
    void TearDown() override {
        if (dlg.m_hWnd != NULL)
            dlg.DestroyWindow();
    }
    CString Text(int nID) { return WindowText(*dlg.GetDlgItem(nID)); }
    void OpenVisible() {
        ASSERT_TRUE(dlg.Create(IDD_EXCHANGE));
        dlg.ShowWindow(SW_SHOW);
    }

    CExchangeDlg dlg;
};

TEST_F(DialogTest, TemplateOfTheHostExchangesBothWaysAndSubclassesOnce) {
    ASSERT_TRUE(dlg.Create(IDD_EXCHANGE));
    EXPECT_EQ(1, dlg.nInit);
    EXPECT_STREQ(_T("abc"), Text(IDC_NAME));
    EXPECT_STREQ(_T("42"), Text(IDC_COUNT));
    EXPECT_STREQ(_T("2.5"), Text(IDC_VALUE));
    // Notifications caused by the exchange itself are not handled.
    EXPECT_EQ(0, dlg.nChange);

    EXPECT_EQ(1, dlg.m_edit.nPreSubclass);
    EXPECT_EQ(&dlg.m_edit, CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_NAME)));
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(1, dlg.m_edit.nPreSubclass);

    // Saving reads every control; which texts are numbers is DataExchangeTest's.
    dlg.SetDlgItemText(IDC_NAME, _T("new name"));
    EXPECT_EQ(1, dlg.nChange);
    dlg.SetDlgItemText(IDC_COUNT, _T("-7"));
    dlg.SetDlgItemText(IDC_VALUE, _T("0"));
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(_T("new name"), dlg.m_strName);
    EXPECT_EQ(-7, dlg.m_nCount);
    EXPECT_EQ(0.0, dlg.m_dValue);
    EXPECT_TRUE(TestApp().prompts.empty());
}

TEST_F(DialogTest, BadTextPromptsAndReturnsTheFocus) {
    OpenVisible();
    dlg.SetDlgItemText(IDC_VALUE, _T("1.5x"));
    dlg.GetDlgItem(IDC_NAME)->SetFocus();
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(2.5, dlg.m_dValue);
    ASSERT_EQ(1u, TestApp().prompts.size());
    EXPECT_EQ("Please enter a number.", TestApp().prompts[0].text);
    EXPECT_EQ(UINT(AFX_IDP_PARSE_REAL), TestApp().prompts[0].nIDPrompt);
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_VALUE), ::GetFocus());
    // The whole text selected.
    EXPECT_EQ(DWORD(MAKELONG(0, 4)), ::SendDlgItemMessage(dlg.m_hWnd, IDC_VALUE, EM_GETSEL, 0, 0));

    // Members exchanged before the failing one keep what they received.
    dlg.SetDlgItemText(IDC_NAME, _T("kept"));
    dlg.SetDlgItemText(IDC_COUNT, _T("12abc"));
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(_T("kept"), dlg.m_strName);
    EXPECT_EQ(42, dlg.m_nCount);
    ASSERT_EQ(2u, TestApp().prompts.size());
    EXPECT_EQ(UINT(AFX_IDP_PARSE_INT), TestApp().prompts[1].nIDPrompt);
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_COUNT), ::GetFocus());
}

// A modal dialog stays open while its data is bad, and ends through OnOK
// with the data saved.
TEST_F(DialogTest, ModalDialogEndsThroughOnOKOnlyWithGoodData) {
    dlg.typed = {{IDC_VALUE, "oops"}};
    dlg.posted = {IDOK, IDCANCEL};
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_DOUBLE_EQ(2.5, dlg.m_dValue);
    ASSERT_EQ(1u, TestApp().prompts.size());
    EXPECT_EQ(UINT(AFX_IDP_PARSE_REAL), TestApp().prompts[0].nIDPrompt);

    dlg.typed = {{IDC_COUNT, "9"}};
    dlg.posted = {IDOK};
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(9, dlg.m_nCount);
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_EQ(NULL, dlg.m_edit.m_hWnd);

    CDialog missing(4242);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_FALSE(missing.Create(4242));
}

// The application's loop gives a modeless dialog its keyboard navigation;
// destroying the main window ends the loop.
TEST_F(DialogTest, AppLoopNavigatesAModelessDialogAndEndsWithTheMainWindow) {
    OpenVisible();
    HWND hName = ::GetDlgItem(dlg.m_hWnd, IDC_NAME);
    ::SetFocus(hName);
    ::PostMessage(hName, WM_KEYDOWN, VK_TAB, 0);
    ::PostQuitMessage(0);
    EXPECT_EQ(0, TestApp().Run());
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_COUNT), ::GetFocus());

    TestApp().m_pMainWnd = &dlg;
    dlg.DestroyWindow();
    EXPECT_EQ(NULL, TestApp().m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
