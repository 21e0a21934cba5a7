// A toolbar in an ordinary parent window: buttons and images from the
// resources, its layout, and the state of its commands.
#include "TestApp.h"

#include "WinTestIds.h"

#include <afxext.h>
#include <afxpriv.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <tuple>

namespace {

// The window whose handlers carry out the toolbar's commands.
class CCommandWnd : public CWnd {
protected:
    afx_msg void OnFirst() {}
    afx_msg void OnThird() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
ON_COMMAND(ID_TOOL_FIRST, &CCommandWnd::OnFirst)
ON_COMMAND(ID_TOOL_THIRD, &CCommandWnd::OnThird)
END_MESSAGE_MAP()

// A toolbar of its own class with a map that adds nothing.
class CBarInWindow : public CToolBar {
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarInWindow, CToolBar)
END_MESSAGE_MAP()

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreatePopup(parent, CRect(0, 0, 400, 300)));
        ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT,
                                 WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS,
                                 CRect(2, 3, 4, 5), 81));
    }
    void TearDown() override {
        bar.DestroyWindow();
        parent.DestroyWindow();
    }
    bool Enabled(UINT nID) { return bar.SendMessage(TB_ISBUTTONENABLED, nID) != 0; }

    CCommandWnd parent;
    CBarInWindow bar;
};

TEST_F(ToolBarTest, StylesSplitBetweenBarAndWindow) {
    EXPECT_EQ(DWORD(CBRS_ALIGN_TOP | CBRS_TOOLTIPS), bar.GetBarStyle());
    const DWORD dwStyle = bar.GetStyle();
    EXPECT_EQ(DWORD(WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS),
              dwStyle & (WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS));
    // CBRS_ALIGN_TOP would be TBSTYLE_CUSTOMERASE for the control.
    EXPECT_EQ(0u, dwStyle & CBRS_ALIGN_TOP);
    EXPECT_EQ(81, bar.GetDlgCtrlID());

    ASSERT_TRUE(bar.SetButtons(NULL, 2));
    ASSERT_EQ(2, bar.GetCount());
    EXPECT_EQ(UINT(ID_SEPARATOR), bar.GetItemID(1));
}

TEST_F(ToolBarTest, LoadsButtonsImagesAndLaysThemOutInARow) {
    ASSERT_TRUE(bar.LoadToolBar(IDR_TOOLBAR));
    ASSERT_EQ(4, bar.GetCount());
    const UINT ids[] = {ID_TOOL_FIRST, ID_SEPARATOR, ID_TOOL_SECOND, ID_TOOL_THIRD};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ids[i], bar.GetItemID(i)) << i;
    EXPECT_EQ(2, bar.CommandToIndex(ID_TOOL_SECOND));
    EXPECT_EQ(-1, bar.CommandToIndex(4242));

    HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(bar.SendMessage(TB_GETIMAGELIST));
    ASSERT_NE(nullptr, hImages);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(hImages, &cx, &cy);
    EXPECT_EQ(std::make_tuple(3, 16, 15),
              std::make_tuple(ImageList_GetImageCount(hImages), cx, cy));

    // Buttons are the image plus 7 each way, side by side in one row.
    CRect rects[4];
    for (int i = 0; i < 4; ++i)
        bar.GetItemRect(i, rects[i]);
    for (int i : {0, 2, 3}) {
        EXPECT_EQ(CSize(23, 22), rects[i].Size()) << i;
        EXPECT_EQ(rects[0].top, rects[i].top) << i;
    }
    EXPECT_GT(rects[1].Width(), 0);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(rects[i - 1].right, rects[i].left) << i;

    EXPECT_EQ(CSize(rects[3].right + 6, rects[3].bottom + 8), bar.CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(CSize(32767, rects[3].bottom + 8), bar.CalcFixedLayout(TRUE, TRUE));
    EXPECT_EQ(CSize(rects[3].right + 6, 32767), bar.CalcFixedLayout(TRUE, FALSE));

    CRect rcMissing(1, 1, 2, 2);
    bar.GetItemRect(9, rcMissing);
    EXPECT_TRUE(rcMissing.IsRectEmpty());
    EXPECT_FALSE(bar.LoadToolBar(4242));
}

TEST_F(ToolBarTest, CommandsWithoutAHandlerDisabledOnlyOnRequest) {
    ASSERT_TRUE(bar.LoadToolBar(IDR_TOOLBAR));
    CFrameWnd* pTarget = reinterpret_cast<CFrameWnd*>(static_cast<CWnd*>(&parent));
    bar.OnUpdateCmdUI(pTarget, FALSE);
    EXPECT_TRUE(Enabled(ID_TOOL_SECOND));

    bar.SendMessage(TB_ENABLEBUTTON, ID_TOOL_FIRST, FALSE);
    bar.OnUpdateCmdUI(pTarget, TRUE);
    EXPECT_TRUE(Enabled(ID_TOOL_FIRST));
    EXPECT_FALSE(Enabled(ID_TOOL_SECOND));
    EXPECT_TRUE(Enabled(ID_TOOL_THIRD));

    bar.OnUpdateCmdUI(pTarget, FALSE);
    EXPECT_FALSE(Enabled(ID_TOOL_SECOND));
}

// The base bar's idle update works for the bar's owner, and only while the
// bar can be seen.
TEST_F(ToolBarTest, IdleUpdateServesTheOwnerWhileVisible) {
    ASSERT_TRUE(bar.LoadToolBar(IDR_TOOLBAR));
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(Enabled(ID_TOOL_SECOND));

    parent.ShowWindow(SW_SHOWNOACTIVATE);
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(Enabled(ID_TOOL_SECOND));
    EXPECT_TRUE(Enabled(ID_TOOL_FIRST));
}

} // namespace
