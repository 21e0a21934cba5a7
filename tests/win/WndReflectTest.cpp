#include "TestApp.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

const UINT IDC_CHILD = 300;

class CReflectingEdit : public CWnd {
public:
    BOOL bEat = FALSE;
    int nKillFocus = 0;
    int nChange = 0;
    int nScroll = 0;
    HBRUSH hBrush = NULL;
    UINT nColorType = 0;

protected:
    afx_msg BOOL OnKillFocusEx() {
        ++nKillFocus;
        return bEat;
    }
    afx_msg void OnChange() { ++nChange; }
    afx_msg void OnNotifyReflect(NMHDR*, LRESULT* pResult) { *pResult = 42; }
    afx_msg void VScroll(UINT nSBCode, UINT) { nScroll += static_cast<int>(nSBCode) + 1; }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor) {
        nColorType = nCtlColor;
        return hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingEdit, CWnd)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CReflectingEdit::OnKillFocusEx)
ON_CONTROL_REFLECT(EN_CHANGE, &CReflectingEdit::OnChange)
ON_NOTIFY_REFLECT(NM_CLICK, &CReflectingEdit::OnNotifyReflect)
ON_WM_VSCROLL_REFLECT()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
public:
    int nKillFocus = 0;
    int nChange = 0;
    int nVScroll = 0;
    int nCtlColor = 0;

protected:
    afx_msg void OnChildKillFocus() { ++nKillFocus; }
    afx_msg void OnChildChange() { ++nChange; }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
        ++nVScroll;
        CWnd::OnVScroll(nSBCode, nPos, pScrollBar); // offers it to the control
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        ++this->nCtlColor;
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_EN_KILLFOCUS(IDC_CHILD, &CParentWnd::OnChildKillFocus)
ON_EN_CHANGE(IDC_CHILD, &CParentWnd::OnChildChange)
ON_WM_VSCROLL()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A visible window takes Wine a while to activate: one for the suite.
class WndReflectTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        parent = new CParentWnd;
        edit = new CReflectingEdit;
        other = new CWnd;
        ASSERT_TRUE(parent->CreateEx(0, NULL, _T("parent"), WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                                     NULL, NULL));
        HWND hEdit =
            ::CreateWindowEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100,
                             20, parent->m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(IDC_CHILD)),
                             ::GetModuleHandle(NULL), NULL);
        ASSERT_TRUE(edit->SubclassWindow(hEdit));
        other->Attach(::CreateWindowEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE, 10, 40, 100,
                                       20, parent->m_hWnd, NULL, ::GetModuleHandle(NULL), NULL));
    }
    static void TearDownTestSuite() {
        other->Detach();
        parent->DestroyWindow();
        delete other;
        delete edit;
        delete parent;
    }
    void SetUp() override {
        edit->bEat = FALSE;
        edit->nKillFocus = edit->nChange = edit->nScroll = 0;
        parent->nKillFocus = parent->nChange = parent->nVScroll = parent->nCtlColor = 0;
    }
    void MoveFocusThroughEdit() {
        edit->SetFocus();
        other->SetFocus();
    }

    static CParentWnd* parent;
    static CReflectingEdit* edit;
    static CWnd* other;
};

CParentWnd* WndReflectTest::parent;
CReflectingEdit* WndReflectTest::edit;
CWnd* WndReflectTest::other;

TEST_F(WndReflectTest, OnlyAnExHandlerLetsTheParentSeeTheNotificationToo) {
    MoveFocusThroughEdit();
    EXPECT_EQ(1, edit->nKillFocus);
    EXPECT_EQ(1, parent->nKillFocus);

    edit->bEat = TRUE;
    MoveFocusThroughEdit();
    EXPECT_EQ(2, edit->nKillFocus);
    EXPECT_EQ(1, parent->nKillFocus);

    // A plain reflect handler keeps the notification.
    edit->SetWindowText(_T("typed"));
    EXPECT_EQ(1, edit->nChange);
    EXPECT_EQ(0, parent->nChange);
}

TEST_F(WndReflectTest, NotifyAndScrollReachTheControl) {
    NMHDR nmhdr = {edit->m_hWnd, IDC_CHILD, UINT(NM_CLICK)};
    EXPECT_EQ(42, parent->SendMessage(WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&nmhdr)));

    parent->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0),
                        reinterpret_cast<LPARAM>(edit->m_hWnd));
    EXPECT_EQ(1, parent->nVScroll);
    EXPECT_EQ(SB_LINEDOWN + 1, edit->nScroll);
}

TEST_F(WndReflectTest, ControlChoosesItsColoursUnlessItGivesNoBrush) {
    HDC hDC = ::GetDC(edit->m_hWnd);
    const WPARAM wDC = reinterpret_cast<WPARAM>(hDC);
    const LPARAM lEdit = reinterpret_cast<LPARAM>(edit->m_hWnd);
    edit->hBrush = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(reinterpret_cast<LRESULT>(edit->hBrush),
              parent->SendMessage(WM_CTLCOLOREDIT, wDC, lEdit));
    EXPECT_EQ(UINT(CTLCOLOR_EDIT), edit->nColorType);

    edit->hBrush = NULL;
    const LRESULT lDefault = parent->SendMessage(WM_CTLCOLORSTATIC, wDC, lEdit);
    EXPECT_NE(0, lDefault);
    EXPECT_EQ(UINT(CTLCOLOR_STATIC), edit->nColorType);
    EXPECT_EQ(2, parent->nCtlColor);
    ::ReleaseDC(edit->m_hWnd, hDC);
}

} // namespace
