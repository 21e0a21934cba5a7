// Property pages in a tab control of a host dialog, driven with the
// notification the tab control sends when the user picks a tab.
#include <RVPropSheet.h>

#include "PagesTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <memory>

// Outside the anonymous namespace: its run-time class is looked up by name.
class CCountingPage : public CRVPropertyPage {
    DECLARE_DYNAMIC(CCountingPage)
public:
    int OnKillActive() override {
        ++nKills;
        return CRVPropertyPage::OnKillActive();
    }
    void UpdatePage() override { ++nUpdates; }
    int nKills = 0;
    int nUpdates = 0;
};

IMPLEMENT_DYNAMIC(CCountingPage, CRVPropertyPage)

namespace {

class PropSheetTest : public ::testing::Test {
protected:
    // The host dialog is a visible child of a hidden top-level window.
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 600, 500, NULL, NULL));
        ASSERT_TRUE(dlg.Create(IDD_SHEET_HOST, &host));
        ASSERT_TRUE(sheet.SubclassDlgItem(IDC_TAB, &dlg));
        sheet.SetParent(&dlg, IDC_PLACEHOLDER);
        sheet.AddPage(&a, IDD_PAGE_A, _T("A"));
    }
    void TearDown() override { host.DestroyWindow(); }

    // What the tab control does when the user picks tab i.
    void Select(int i) {
        sheet.SetCurSel(i);
        NMHDR nm = {sheet.m_hWnd, IDC_TAB, UINT(TCN_SELCHANGE)};
        dlg.SendMessage(WM_NOTIFY, IDC_TAB, reinterpret_cast<LPARAM>(&nm));
    }

    CWnd host;
    CDialog dlg{IDD_SHEET_HOST};
    CRVPropSheet sheet;
    CCountingPage a, b;
    CRVPropertyPage c;
};

TEST_F(PropSheetTest, FirstPageShownAtOnceOverThePlaceholder) {
    ASSERT_NE(nullptr, a.m_hWnd);
    EXPECT_EQ(sheet.m_hWnd, ::GetParent(a.m_hWnd));
    EXPECT_TRUE(Visible(a));
    EXPECT_EQ(1, a.IsActivePage());
    EXPECT_EQ(1, a.nUpdates);
    // The placeholder less the tab's height, inside the border: one border
    // width at the sides, one height at the top, three at the bottom.
    CRect rcTab;
    ASSERT_TRUE(sheet.GetItemRect(0, rcTab));
    const int cx = ::GetSystemMetrics(SM_CXBORDER), cy = ::GetSystemMetrics(SM_CYBORDER);
    const CRect rcHolder = ScreenRect(*dlg.GetDlgItem(IDC_PLACEHOLDER));
    EXPECT_EQ(CRect(rcHolder.left + cx, rcHolder.top + cy, rcHolder.right - cx,
                    rcHolder.bottom - rcTab.Height() - 3 * cy),
              ScreenRect(a));
    const HWND hA = a.m_hWnd;
    EXPECT_EQ(1, sheet.CreatePage(0));
    EXPECT_EQ(hA, a.m_hWnd);

    // Later pages only add tabs.
    sheet.AddPage(&b, IDD_PAGE_B, _T("B"));
    EXPECT_EQ(2, sheet.GetItemCount());
    EXPECT_EQ(nullptr, b.m_hWnd);
    EXPECT_EQ(&a, sheet.GetCurPage());
}

TEST_F(PropSheetTest, SelectionShowsOnePageAndDeactivatesTheOthers) {
    sheet.AddPage(&b, IDD_PAGE_B, _T("B"));
    sheet.AddPage(&c, IDD_PAGE_C, _T("C"));
    Select(2);
    EXPECT_NE(nullptr, c.GetDlgItem(IDC_MARK_C));
    EXPECT_TRUE(Visible(c));
    EXPECT_EQ(1, c.IsActivePage());
    EXPECT_FALSE(Visible(a));
    EXPECT_EQ(0, a.IsActivePage());
    // Every other page is told, also one that was never shown.
    EXPECT_EQ(1, a.nKills);
    EXPECT_EQ(1, b.nKills);
    EXPECT_EQ(nullptr, b.m_hWnd);
    EXPECT_STREQ(_T("CRVPropertyPage"), sheet.GetActivePageClassName());

    Select(0);
    EXPECT_TRUE(Visible(a));
    EXPECT_FALSE(Visible(c));
    EXPECT_STREQ(_T("CCountingPage"), sheet.GetActivePageClassName());
    sheet.ShowCurPageContents(-1);
    sheet.ShowCurPageContents(3);
    EXPECT_EQ(&a, sheet.GetCurPage());

    // Showing shows every page that has a window, not only the current one.
    sheet.Show(0);
    EXPECT_FALSE(Visible(a) || Visible(c) || Visible(sheet));
    sheet.Show(1);
    EXPECT_TRUE(Visible(a) && Visible(c) && Visible(sheet));

    sheet.SetCurSel(-1);
    EXPECT_TRUE(ThrowsInvalidArg([&] { sheet.GetActivePageClassName(); }));
}

TEST_F(PropSheetTest, TwentyPagesAtMost) {
    CRVPropertyPage pages[20];
    sheet.AddPage(NULL, IDD_PAGE_B, _T("null"));
    for (CRVPropertyPage& page : pages)
        sheet.AddPage(&page, IDD_PAGE_B, _T("p"));
    EXPECT_EQ(20, sheet.GetPageCount());
    EXPECT_EQ(20, sheet.GetItemCount());
    EXPECT_EQ(-1, sheet.FindPage(&pages[19]));
    EXPECT_TRUE(ThrowsInvalidArg([&] { sheet.CreatePage(20); }));
    EXPECT_EQ(0, sheet.RemovePage(&pages[19]));
    sheet.RemovePage(20);
    EXPECT_EQ(20, sheet.GetItemCount());
}

TEST_F(PropSheetTest, RemovedPagesLeaveTheirTemplatesBehind) {
    std::unique_ptr<CRVPropertyPage> pC(new CRVPropertyPage);
    sheet.AddPage(&b, IDD_PAGE_B, _T("B"));
    sheet.AddPage(pC.get(), IDD_PAGE_C, _T("C"));
    sheet.RemovePage(1);
    EXPECT_EQ(2, sheet.GetItemCount());
    EXPECT_EQ(1, sheet.FindPage(pC.get()));
    Select(1);
    EXPECT_NE(nullptr, pC->GetDlgItem(IDC_MARK_C));

    // The shown page, once removed, is hidden and forgotten: its owner may
    // delete it and the sheet goes on.
    EXPECT_EQ(1, sheet.RemovePage(pC.get()));
    EXPECT_FALSE(Visible(*pC));
    EXPECT_EQ(nullptr, sheet.GetCurPage());
    pC.reset();
    sheet.ShowCurPageContents(0);
    EXPECT_TRUE(Visible(a));

    // Forgetting everything leaves the windows; the next page shows at once.
    sheet.RemoveAll();
    EXPECT_EQ(0, sheet.GetItemCount());
    EXPECT_TRUE(Visible(a));
    sheet.AddPage(&b, IDD_PAGE_B, _T("B"));
    EXPECT_TRUE(Visible(b));
    EXPECT_EQ(1, b.IsActivePage());
}

TEST_F(PropSheetTest, WithoutPlaceholderThePageTakesTheDisplayArea) {
    // The display area lies below the row of tabs.
    CRect rcDisplay = ScreenRect(sheet), rcTab;
    sheet.AdjustRect(FALSE, rcDisplay);
    ASSERT_TRUE(sheet.GetItemRect(0, rcTab));
    sheet.ClientToScreen(rcTab);
    EXPECT_GE(rcDisplay.top, rcTab.bottom);
    sheet.SetParent(&dlg, IDD_MISSING);
    sheet.AddPage(&b, IDD_PAGE_B, _T("B"));
    Select(1);
    EXPECT_EQ(rcDisplay, ScreenRect(b));
    sheet.SetParent(NULL, 0);
    sheet.AddPage(&c, IDD_PAGE_C, _T("C"));
    Select(2);
    EXPECT_EQ(rcDisplay, ScreenRect(c));

    // A sheet without a window makes no page window and activates nothing.
    CRVPropSheet bare;
    CCountingPage page;
    bare.AddPage(&page, IDD_PAGE_A, _T("A"));
    EXPECT_EQ(nullptr, page.m_hWnd);
    EXPECT_EQ(0, page.IsActivePage());
    // Once it has one, the page is made when shown.
    ASSERT_TRUE(bare.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), &dlg, 77));
    bare.ShowCurPageContents(0);
    EXPECT_EQ(bare.m_hWnd, ::GetParent(page.m_hWnd));
    EXPECT_EQ(1, page.IsActivePage());
}

} // namespace
