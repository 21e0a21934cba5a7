// The dialog toolbar, the status box, the gradient, moving a window and
// finding a menu item, on real windows kept hidden where they can be.
#include <DlgToolBar.h>
#include <RVDC.h>
#include <StatusBox.h>
#include <rvWindowHelpers.h>

#include "HelpersTestIds.h"
#include "TestApp.h"

#include <afxpriv.h>
#include <gtest/gtest.h>

namespace {

const UINT ID_A = 32801, ID_B = 32802, ID_C = 32803;

// Handles A and C.
class CCommandWnd : public CWnd {
protected:
    afx_msg void OnCommand() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
ON_COMMAND(ID_A, &CCommandWnd::OnCommand)
ON_COMMAND(ID_C, &CCommandWnd::OnCommand)
END_MESSAGE_MAP()

// A host's dialog toolbar that routes the idle update to its parent.
class CMappedBar : public CDlgToolBar {
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMappedBar, CDlgToolBar)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CMappedBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

bool Enabled(CToolBar& bar, UINT nID) {
    return bar.SendMessage(TB_ISBUTTONENABLED, nID) != 0;
}

// The parent handles A and C, the owner nothing.
TEST(DlgToolBarTest, IdleUpdateServesTheParentWhileVisible) {
    CCommandWnd parent;
    CWnd owner;
    ASSERT_TRUE(CreatePopup(parent, CRect(0, 0, 200, 100)));
    ASSERT_TRUE(CreatePopup(owner, CRect(0, 0, 50, 50)));
    CMappedBar mapped;
    CDlgToolBar plain;
    const UINT ids[] = {ID_A, ID_B, ID_C};
    for (CDlgToolBar* pBar : {static_cast<CDlgToolBar*>(&mapped), &plain}) {
        ASSERT_TRUE(pBar->Create(&parent));
        ASSERT_TRUE(pBar->SetButtons(ids, 3));
        pBar->SetOwner(&owner);
    }

    mapped.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(Enabled(mapped, ID_B)) << "hidden: no update";

    parent.ShowWindow(SW_SHOWNOACTIVATE);
    mapped.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(Enabled(mapped, ID_A));
    EXPECT_FALSE(Enabled(mapped, ID_B));
    EXPECT_TRUE(Enabled(mapped, ID_C));
    // The class's own map adds nothing: the base bar serves the owner.
    plain.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(Enabled(plain, ID_A));
    parent.ShowWindow(SW_HIDE);
}

TEST(StatusBoxTest, ShowsWholeStringsAndKeepsTextForMissingOnes) {
    StatusBox noWindow;
    noWindow.SetMessageID(IDS_READY);
    EXPECT_EQ(NULL, noWindow.m_hWnd);

    CWnd parent;
    ASSERT_TRUE(CreatePopup(parent, CRect(0, 0, 200, 50)));
    StatusBox box;
    ASSERT_TRUE(
        box.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 150, 20), &parent, 7));
    box.SetMessageID(IDS_READY);
    box.SetMessageID(IDS_MISSING);
    EXPECT_STREQ(_T("Ready"), WindowText(box));
    box.SetMessageID(IDS_LONG);
    const CString text = WindowText(box);
    EXPECT_EQ(318, text.GetLength());
    EXPECT_STREQ(_T("_end"), text.Right(4));
}

// A 24-bit DIB holds every colour exactly.
class GradientTest : public ::testing::Test {
protected:
    void SetUp() override {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = 8;
        bmi.bmiHeader.biHeight = 4;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 24;
        void* pBits = NULL;
        hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        ASSERT_NE(nullptr, hBitmap);
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        hOld = ::SelectObject(dc, hBitmap);
        dc.FillSolidRect(0, 0, 8, 4, clrBack);
    }
    void TearDown() override {
        ::SelectObject(dc, hOld);
        dc.DeleteDC();
        ::DeleteObject(hBitmap);
    }
    // Everything outside columns 0..w-1 and rows 0..h-1 is untouched.
    void ExpectBackgroundOutside(int w, int h) {
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 8; ++x) {
                if (x >= w || y >= h) {
                    EXPECT_EQ(clrBack, dc.GetPixel(x, y)) << x << "," << y;
                }
            }
        }
    }

    const COLORREF clrBack = RGB(1, 2, 3);
    CDC dc;
    HBITMAP hBitmap = NULL;
    HGDIOBJ hOld = NULL;
};

// The pane's gradient, short of its right colour, is read back in
// PropertyPanelTest; here every channel and the rectangle's edges.
TEST_F(GradientTest, SinglePrecisionTruncatedAndShortOfTheRightColour) {
    RVDC rvdc(&dc);
    // 255 * (1 - t) with t = 1/3 in single precision is just under 170.
    rvdc.FillGradient(CRect(0, 0, 3, 2), RGB(255, 0, 10), RGB(0, 255, 200));
    const COLORREF row[] = {RGB(255, 0, 10), RGB(169, 85, 73), RGB(84, 170, 136)};
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(row[x], dc.GetPixel(x, 1)) << x;
    ExpectBackgroundOutside(3, 2);
}

TEST_F(GradientTest, EmptyExtentsAndMissingContextPaintNothing) {
    RVDC rvdc(&dc);
    rvdc.FillGradient(CRect(0, 0, 0, 3), RGB(9, 9, 9), RGB(200, 200, 200));
    rvdc.FillGradient(CRect(0, 0, 5, -1), RGB(9, 9, 9), RGB(200, 200, 200));
    RVDC(NULL).FillGradient(CRect(0, 0, 5, 3), RGB(9, 9, 9), RGB(200, 200, 200));
    ExpectBackgroundOutside(0, 0);
}

// The parent has a caption and a border, so its client and window origins
// differ.
TEST(MoveWindowTest, MovesWithinTheParentsClientArea) {
    CWnd parent, child, noWindow;
    ASSERT_TRUE(CreatePopup(parent, CRect(100, 100, 400, 300), WS_POPUP | WS_CAPTION | WS_BORDER));
    ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), _T("child"), WS_CHILD | WS_VISIBLE,
                             CRect(10, 20, 60, 50), &parent, 1));
    const auto ClientRect = [&] {
        CRect rect = ScreenRect(child);
        parent.ScreenToClient(rect);
        return rect;
    };

    rvMoveWindow(&child, &parent, 0, 0);
    EXPECT_EQ(CRect(10, 20, 60, 50), ClientRect());
    rvMoveWindow(&child, &parent, 5, -30);
    EXPECT_EQ(CRect(15, -10, 65, 20), ClientRect());

    rvMoveWindow(NULL, &parent, 5, 5);
    rvMoveWindow(&child, NULL, 5, 5);
    rvMoveWindow(&child, &noWindow, 5, 5);
    rvMoveWindow(&noWindow, &parent, 5, 5);
    EXPECT_EQ(CRect(15, -10, 65, 20), ClientRect());
}

TEST(FindMenuItemTest, ExactTextOfTopLevelItemsOnly) {
    CMenu sub, menu, empty, noMenu;
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_STRING, ID_A, _T("Zoom"));
    ASSERT_TRUE(menu.CreateMenu());
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), _T("&File"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_B, _T("&Edit"));
    menu.AppendMenu(MF_STRING, ID_C, _T("Edit"));
    menu.AppendMenu(MF_STRING, ID_C + 1, _T("&Edit"));
    ASSERT_TRUE(empty.CreateMenu());

    EXPECT_EQ(0, rvFindMenuItem(&menu, _T("&File")));
    EXPECT_EQ(2, rvFindMenuItem(&menu, _T("&Edit")));
    EXPECT_EQ(3, rvFindMenuItem(&menu, _T("Edit")));
    for (LPCTSTR lpsz : {_T("File"), _T("&edit"), _T("Zoom"), _T(""), static_cast<LPCTSTR>(NULL)})
        EXPECT_EQ(-1, rvFindMenuItem(&menu, lpsz)) << (lpsz ? lpsz : _T("NULL"));
    EXPECT_EQ(-1, rvFindMenuItem(&empty, _T("&File")));
    EXPECT_EQ(-1, rvFindMenuItem(&noMenu, _T("&File")));
    EXPECT_EQ(-1, rvFindMenuItem(NULL, _T("&File")));
}

} // namespace
