// Generated window classes, and a form view made from a dialog template
// inside an ordinary parent window.
#include "TestApp.h"

#include "WinTestIds.h"

#include <afxext.h>
#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(WndClass, OneNamePerCombinationRegisteredInTheApplication) {
    HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    HBRUSH hWhite = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    const UINT nStyle = CS_HREDRAW | CS_VREDRAW;

    LPCTSTR lpszPane = AfxRegisterWndClass(nStyle, hArrow, hWhite, hIcon);
    ASSERT_NE(nullptr, lpszPane);
    const CString strPane = lpszPane;
    EXPECT_EQ(lpszPane, AfxRegisterWndClass(nStyle, hArrow, hWhite, hIcon));
    const CString strBlack = AfxRegisterWndClass(
        nStyle, hArrow, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), hIcon);
    EXPECT_STRNE(strPane, strBlack);
    EXPECT_STRNE(strPane, AfxRegisterWndClass(CS_HREDRAW, hArrow, hWhite, hIcon));
    EXPECT_STRNE(strBlack, AfxRegisterWndClass(0));
    // A name handed out earlier stays valid.
    EXPECT_STREQ(strPane, lpszPane);

    WNDCLASS wc;
    ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), lpszPane, &wc));
    EXPECT_EQ(std::make_tuple(nStyle, hArrow, hWhite, hIcon),
              std::make_tuple(wc.style, wc.hCursor, wc.hbrBackground, wc.hIcon));

    // Windows of the class are framework windows like any other.
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, lpszPane, _T("Pane"), WS_POPUP, CRect(0, 0, 50, 20), NULL, 0));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    wnd.DestroyWindow();
}

class CExchangeView : public CFormView {
public:
    CExchangeView() : CFormView(IDD_EXCHANGE) {}
    ~CExchangeView() override { ++nDeleted; }

    static int nDeleted;
    CString m_strName = "abc";
    int m_nCount = 42;
    int nOK = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
    }
    afx_msg void OnOK() { ++nOK; }
    DECLARE_MESSAGE_MAP()
};

int CExchangeView::nDeleted = 0;

BEGIN_MESSAGE_MAP(CExchangeView, CFormView)
ON_BN_CLICKED(IDOK, &CExchangeView::OnOK)
END_MESSAGE_MAP()

class FormViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        CExchangeView::nDeleted = 0;
        ASSERT_TRUE(CreatePopup(parent, CRect(0, 0, 400, 300)));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CWnd parent;
};

TEST_F(FormViewTest, ChildFromTheTemplateWithItsControls) {
    CExchangeView* pView = new CExchangeView;
    ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 6, 205, 106),
                              &parent, 77));
    EXPECT_EQ(parent.m_hWnd, ::GetParent(pView->m_hWnd));
    EXPECT_EQ(pView, CWnd::FromHandlePermanent(pView->m_hWnd));
    EXPECT_EQ(77, pView->GetDlgCtrlID());
    const DWORD dwStyle = pView->GetStyle();
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_BORDER),
              dwStyle & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_POPUP | WS_CAPTION));
    CRect rect = ScreenRect(*pView);
    parent.ScreenToClient(rect);
    EXPECT_EQ(CRect(5, 6, 205, 106), rect);
    // The logical size is the template's (with the border), not the window's.
    CRect rcTemplate(0, 0, 200, 100);
    ::MapDialogRect(pView->m_hWnd, rcTemplate);
    ::AdjustWindowRectEx(rcTemplate, dwStyle, FALSE, pView->GetExStyle());
    EXPECT_EQ(rcTemplate.Size(), pView->GetTotalSize());

    CWnd* pName = pView->GetDlgItem(IDC_NAME);
    ASSERT_NE(nullptr, pName);
    EXPECT_EQ(pView->m_hWnd, ::GetParent(pName->m_hWnd));
    ::SendMessage(pView->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                  reinterpret_cast<LPARAM>(::GetDlgItem(pView->m_hWnd, IDOK)));
    EXPECT_EQ(1, pView->nOK);

    // The view goes with its parent and deletes itself.
    parent.DestroyWindow();
    EXPECT_EQ(1, CExchangeView::nDeleted);
}

TEST_F(FormViewTest, InitialUpdateLoadsTheControls) {
    CExchangeView* pView = new CExchangeView;
    ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD, CRect(0, 0, 200, 100), &parent, 1));
    EXPECT_FALSE(Visible(*pView));
    EXPECT_STREQ(_T(""), WindowText(*pView->GetDlgItem(IDC_NAME)));
    pView->OnInitialUpdate();
    EXPECT_STREQ(_T("abc"), WindowText(*pView->GetDlgItem(IDC_NAME)));
    EXPECT_STREQ(_T("42"), WindowText(*pView->GetDlgItem(IDC_COUNT)));
}

TEST_F(FormViewTest, MissingTemplateCreatesNothing) {
    class CMissingView : public CFormView {
    public:
        CMissingView() : CFormView(4242) {}
    };
    CMissingView* pView = new CMissingView;
    EXPECT_FALSE(pView->Create(NULL, NULL, WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(nullptr, pView->m_hWnd);
    delete pView;
}

} // namespace
