// The control wrappers on real controls, where they do more than forward one
// message: ranges beyond 16 bits, long item texts, the item of a rectangle,
// menus and their temporary submenus. The tab control is the property
// sheet's (pages_tests).
#include "TestApp.h"

#include <gtest/gtest.h>

#include <afxcmn.h>

#include <string>
#include <utility>

namespace {

// A top-level window to hold the controls under test.
class Controls : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreatePopup(m_parent, CRect(0, 0, 400, 300))); }
    void TearDown() override {
        m_parent.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    CWnd m_parent;
};

TEST_F(Controls, SliderRangeBeyond16BitsAndSelection) {
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_ENABLESELRANGE,
                              CRect(0, 0, 200, 30), &m_parent, 100));
    int nMin = 0, nMax = 0;
    slider.SetRange(-70000, 70000, TRUE);
    slider.GetRange(nMin, nMax);
    EXPECT_EQ(std::make_pair(nMin, nMax), std::make_pair(-70000, 70000));
    slider.SetSelection(15, 40);
    slider.GetSelection(nMin, nMax);
    EXPECT_EQ(std::make_pair(nMin, nMax), std::make_pair(15, 40));
}

// Tools { A, B { C } }, Old.
class TreeControl : public Controls {
protected:
    void SetUp() override {
        Controls::SetUp();
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_EDITLABELS,
                                  CRect(0, 0, 300, 250), &m_parent, 102));
        m_tools = m_tree.InsertItem(_T("Tools"));
        m_old = m_tree.InsertItem(_T("Old"));
        m_a = m_tree.InsertItem(_T("A"), 3, 4, m_tools);
        m_b = m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, _T("B"), 0, 0, 0, 0, 0x1234, m_tools,
                                TVI_LAST);
        m_c = m_tree.InsertItem(_T("C"), m_b);
    }

    CTreeCtrl m_tree;
    HTREEITEM m_tools = NULL, m_old = NULL, m_a = NULL, m_b = NULL, m_c = NULL;
};

// What the insert overloads stored, a text longer than the first buffers it
// is read into, and the item a rectangle is asked for.
TEST_F(TreeControl, ItemsAndTheirRectangles) {
    EXPECT_EQ(m_tree.GetChildItem(TVI_ROOT), m_tools);
    EXPECT_EQ(m_tree.GetItemData(m_b), DWORD_PTR(0x1234));
    int nImage = 0, nSelected = 0;
    ASSERT_TRUE(m_tree.GetItemImage(m_a, nImage, nSelected));
    EXPECT_EQ(std::make_pair(nImage, nSelected), std::make_pair(3, 4));
    const CString longText(_T('x'), 600);
    EXPECT_TRUE(m_tree.SetItemText(m_a, longText));
    EXPECT_EQ(m_tree.GetItemText(m_a), longText);

    m_tree.EnsureVisible(m_c);
    CRect text;
    ASSERT_TRUE(m_tree.GetItemRect(m_c, &text, TRUE));
    UINT flags = 0;
    EXPECT_EQ(m_tree.HitTest(text.CenterPoint(), &flags), m_c);
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
}

TEST_F(Controls, EditLinesAndScrollLimit) {
    CEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &m_parent, 103));
    edit.SetWindowText(_T("hello\r\nworld"));
    TCHAR line[16] = {};
    EXPECT_EQ(edit.GetLine(1, line, 15), 5);
    EXPECT_EQ(CString(line, 5), _T("world"));

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_HORZ, CRect(0, 50, 200, 70), &m_parent, 106));
    bar.SetScrollRange(0, 100, FALSE);
    SCROLLINFO info = {};
    info.fMask = SIF_PAGE;
    info.nPage = 10;
    bar.SetScrollInfo(&info, FALSE);
    EXPECT_EQ(bar.GetScrollLimit(), 91);
}

TEST(Menus, ItemsTextsAndSubmenus) {
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 11, _T("&Copy"));
    HMENU hPopup = popup.Detach();

    HMENU hMenu;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreateMenu());
        hMenu = menu.GetSafeHmenu();
        EXPECT_EQ(CMenu::FromHandle(hMenu), &menu);
        menu.AppendMenu(MF_STRING, 1, _T("&File"));
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), _T("&Edit"));
        EXPECT_EQ(menu.GetMenuItemID(2), UINT(-1));

        CString text;
        EXPECT_EQ(menu.GetMenuString(0, text, MF_BYPOSITION), 5);
        EXPECT_EQ(text, CString(_T("&File")));
        EXPECT_EQ(menu.GetMenuString(1, text, MF_BYPOSITION), 0);
        EXPECT_TRUE(text.IsEmpty());

        CMenu* pSub = menu.GetSubMenu(2);
        ASSERT_NE(pSub, nullptr);
        EXPECT_EQ(pSub->GetSafeHmenu(), hPopup);
        EXPECT_EQ(menu.GetSubMenu(2), pSub);
        EXPECT_EQ(menu.GetSubMenu(0), nullptr);
        CMenu::DeleteTempMap();
        EXPECT_TRUE(::IsMenu(hPopup));
    }
    // The attached menu went with its object, submenu and all.
    EXPECT_FALSE(::IsMenu(hMenu));
    EXPECT_FALSE(::IsMenu(hPopup));
}

} // namespace
