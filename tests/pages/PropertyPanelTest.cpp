// Collapsible panes in a form view: layout, clicks, expanding all, hiding,
// ownership and painting.
#include <PropertyPanel.h>

#include "PagesTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

class CPanelView : public CFormView {
public:
    CPanelView() : CFormView(IDD_PANEL_VIEW) {}
};

class CCountedPage : public CRVPropertyPage {
public:
    explicit CCountedPage(UINT nTemplateId) : CRVPropertyPage(nTemplateId, NULL) {}
    ~CCountedPage() override { ++nDeleted; }
    static int nDeleted;
};

int CCountedPage::nDeleted = 0;

class PropertyPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        CCountedPage::nDeleted = 0;
        ASSERT_TRUE(CreatePopup(parent, CRect(0, 0, 500, 700)));
        view = new CPanelView;
        ASSERT_TRUE(
            view->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 680), &parent, 1));
    }
    void TearDown() override {
        delete panel;
        parent.DestroyWindow();
    }

    // Panes at (10, 20) for the given page templates (0: no page).
    void Build(std::initializer_list<UINT> templates) {
        panel = new PropertyPanel;
        for (UINT id : templates)
            panel->AddPane(id != 0 ? new CCountedPage(id) : NULL);
        EXPECT_EQ(0, panel->IsInitExOK());
        panel->Create(view, CPoint(10, 20));
        EXPECT_EQ(1, panel->IsInitExOK());
    }
    Pane* P(int i) { return panel->GetPane(i); }
    CRect InView(CWnd* pWnd) {
        CRect rect = ScreenRect(*pWnd);
        view->ScreenToClient(rect);
        return rect;
    }
    void Click(Pane* pPane) { pPane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }

    CWnd parent;
    CPanelView* view = NULL;
    PropertyPanel* panel = NULL;
};

TEST_F(PropertyPanelTest, PanesStackedFromTheOrigin) {
    Build({IDD_PANEL_PAGE, IDD_PANEL_PAGE, IDD_PANEL_PAGE});
    EXPECT_EQ(CRect(10, 20, 237, 45), InView(P(0)));
    EXPECT_EQ(CRect(10, 70, 237, 95), InView(P(2)));
    EXPECT_EQ(nullptr, P(2)->GetPage()->m_hWnd);
    // A second Create keeps the windows; before the first pane means all.
    const HWND hFirst = P(0)->m_hWnd;
    panel->Create(view, CPoint(10, 20));
    EXPECT_EQ(hFirst, P(0)->m_hWnd);
    panel->OnExpand(-1, 5);
    EXPECT_EQ(CRect(10, 25, 237, 50), InView(P(0)));
    // Too late for a window.
    EXPECT_EQ(nullptr, panel->AddPane(NULL)->m_hWnd);

    PropertyPanel other;
    other.SetPaneSize(100, 30);
    other.AddPane(NULL);
    other.AddPane(NULL);
    other.Create(view, CPoint(0, 300));
    EXPECT_EQ(CRect(0, 330, 100, 360), InView(other.GetPane(1)));
}

TEST_F(PropertyPanelTest, ClickExpandsAndCollapses) {
    Build({IDD_PANEL_PAGE, IDD_PANEL_PAGE, IDD_PANEL_PAGE});
    // The host's sign and title controls inside pane 0.
    CWnd sign, title;
    ASSERT_TRUE(
        sign.Create(_T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 8, 8), P(0), Pane::kSignId));
    ASSERT_TRUE(
        title.Create(_T("STATIC"), _T(""), WS_CHILD, CRect(9, 0, 60, 8), P(0), Pane::kTitleId));
    P(0)->SetTitle(_T("Colour"));
    EXPECT_STREQ(_T("Colour"), WindowText(title));

    Click(P(0));
    CRVPropertyPage* pPage = P(0)->GetPage();
    ASSERT_NE(nullptr, pPage->m_hWnd);
    EXPECT_EQ(view->m_hWnd, ::GetParent(pPage->m_hWnd));
    EXPECT_TRUE(P(0)->IsExpanded() && Visible(*pPage));
    const CRect rcPage = InView(pPage);
    const int h = rcPage.Height();
    EXPECT_GT(h, 25);
    EXPECT_EQ(CPoint(0, 45), rcPage.TopLeft()); // the page keeps its own left
    EXPECT_EQ(CRect(10, 45 + h, 237, 70 + h), InView(P(1)));
    EXPECT_EQ(CRect(10, 70 + h, 237, 95 + h), InView(P(2)));
    EXPECT_STREQ(_T("-"), WindowText(sign));

    Click(P(0));
    EXPECT_FALSE(P(0)->IsExpanded() || Visible(*pPage));
    EXPECT_EQ(CRect(10, 45, 237, 70), InView(P(1)));
    EXPECT_EQ(CRect(10, 70, 237, 95), InView(P(2)));
    EXPECT_STREQ(_T("+"), WindowText(sign));

    // The last pane has nothing below it to move.
    Click(P(2));
    EXPECT_EQ(95, InView(P(2)->GetPage()).top);
    panel->OnExpand(2, 50);
    EXPECT_EQ(CRect(10, 70, 237, 95), InView(P(2)));
}

TEST_F(PropertyPanelTest, ExpandAllStacksEachPageUnderItsPane) {
    Build({IDD_PANEL_TALL_PAGE, IDD_PANEL_PAGE, 0});
    panel->ExpandAll();
    EXPECT_TRUE(P(0)->IsExpanded() && P(1)->IsExpanded());
    EXPECT_FALSE(P(2)->IsExpanded() || P(2)->CanExpand());
    const CRect rcPage0 = InView(P(0)->GetPage()), rcPage1 = InView(P(1)->GetPage());
    EXPECT_GT(rcPage0.Height(), rcPage1.Height());
    EXPECT_EQ(45, rcPage0.top);
    EXPECT_EQ(rcPage0.bottom, InView(P(1)).top);
    EXPECT_EQ(InView(P(1)).bottom, rcPage1.top);
    EXPECT_EQ(rcPage1.bottom, InView(P(2)).top);

    // Expanding an expanded pane changes nothing.
    P(0)->Expand();
    EXPECT_TRUE(P(0)->IsExpanded());
    EXPECT_EQ(rcPage1.bottom, InView(P(2)).top);

    // The panel takes its panes with it, and they their pages.
    const HWND hPane = P(0)->m_hWnd, hPage = P(0)->GetPage()->m_hWnd;
    delete panel;
    panel = NULL;
    EXPECT_EQ(2, CCountedPage::nDeleted);
    EXPECT_FALSE(::IsWindow(hPane) || ::IsWindow(hPage));
}

TEST_F(PropertyPanelTest, HiddenPanesStayCollapsedAndCollapsedPagesHidden) {
    Build({IDD_PANEL_PAGE, IDD_PANEL_PAGE});
    Click(P(0));
    Click(P(1));
    Click(P(1));
    CRVPropertyPage* pPage0 = P(0)->GetPage();
    CRVPropertyPage* pPage1 = P(1)->GetPage();

    panel->Show(0);
    EXPECT_FALSE(Visible(*P(0)) || Visible(*pPage0) || P(1)->IsVisible() || P(1)->CanExpand());
    panel->ExpandAll();
    EXPECT_FALSE(P(1)->IsExpanded() || Visible(*pPage1));

    panel->Show(1);
    EXPECT_TRUE(P(0)->IsVisible() && P(1)->IsVisible() && Visible(*pPage0));
    EXPECT_FALSE(Visible(*pPage1));
}

TEST_F(PropertyPanelTest, PageWithoutTemplateLeavesThePaneAsItIs) {
    Build({IDD_MISSING, IDD_PANEL_PAGE});
    Click(P(0));
    P(0)->Expand();
    EXPECT_FALSE(P(0)->IsExpanded());
    EXPECT_EQ(CRect(10, 45, 237, 70), InView(P(1)));
}

// The only test with a window on the screen: pixels are read back.
TEST_F(PropertyPanelTest, PaintsAGradientAndTheSign) {
    Build({IDD_PANEL_PAGE});
    parent.ShowWindow(SW_SHOWNA);
    P(0)->UpdateWindow();
    EXPECT_FALSE(::GetUpdateRect(P(0)->m_hWnd, NULL, FALSE)); // the paint validated it
    CRect rcClient;
    P(0)->GetClientRect(rcClient);
    ASSERT_EQ(CSize(225, 23), rcClient.Size());
    HDC hDC = ::GetDC(P(0)->m_hWnd);
    // Green from 190 towards 255, never reaching it.
    EXPECT_EQ(RGB(0, 190, 0), ::GetPixel(hDC, 0, 0));
    EXPECT_EQ(RGB(0, 222, 0), ::GetPixel(hDC, 112, 22));
    EXPECT_EQ(RGB(0, 254, 0), ::GetPixel(hDC, 224, 0));
    // h = 23: a plus, its bar from (11, 11) up to x = 22 and its post at
    // x = 16 from y = 6 up to 16, end points excluded.
    const COLORREF black = RGB(0, 0, 0);
    EXPECT_EQ(black, ::GetPixel(hDC, 11, 11));
    EXPECT_EQ(black, ::GetPixel(hDC, 21, 11));
    EXPECT_NE(black, ::GetPixel(hDC, 22, 11));
    EXPECT_EQ(black, ::GetPixel(hDC, 16, 6));
    EXPECT_NE(black, ::GetPixel(hDC, 16, 16));
    // Expanded: a minus.
    Click(P(0));
    EXPECT_EQ(black, ::GetPixel(hDC, 11, 11));
    EXPECT_NE(black, ::GetPixel(hDC, 16, 6));
    ::ReleaseDC(P(0)->m_hWnd, hDC);
    parent.ShowWindow(SW_HIDE);
}

} // namespace
