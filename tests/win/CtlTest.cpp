// The control wrappers on real controls: what goes in comes back out through
// the control, and the wrappers' own logic (ranges beyond 16 bits, long item
// texts, the item of a rectangle) holds.
#include <gtest/gtest.h>

#include <afxcmn.h>

#include <string>

namespace {

// A top-level window to hold the controls under test.
class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, NULL, NULL,
                                      ::GetModuleHandleA(NULL), NULL);
        ASSERT_NE(hWnd, HWND(NULL));
        m_parent.Attach(hWnd);
    }
    void TearDown() override {
        ::DestroyWindow(m_parent.Detach());
        CWnd::DeleteTempMap();
    }

    CWnd m_parent;
};

TEST_F(Controls, SliderRangePositionAndTicks) {
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_ENABLESELRANGE,
                              CRect(0, 0, 200, 30), &m_parent, 100));
    // A trackbar without tick styles: its two ends, and a fifth of the
    // range as page.
    EXPECT_EQ(slider.GetNumTics(), 2u);
    EXPECT_EQ(slider.GetPageSize(), 20);

    int nMin = 0, nMax = 0;
    slider.SetRange(-70000, 70000, TRUE);
    slider.GetRange(nMin, nMax);
    EXPECT_EQ(nMin, -70000);
    EXPECT_EQ(nMax, 70000);
    slider.SetRangeMin(10);
    slider.SetRangeMax(50);
    EXPECT_EQ(slider.GetRangeMin(), 10);
    EXPECT_EQ(slider.GetRangeMax(), 50);

    slider.SetPos(30);
    EXPECT_EQ(slider.GetPos(), 30);
    slider.SetPos(99);
    EXPECT_EQ(slider.GetPos(), 50);

    EXPECT_TRUE(slider.SetTic(25));
    EXPECT_TRUE(slider.SetTic(35));
    EXPECT_EQ(slider.GetNumTics(), 4u);
    EXPECT_EQ(slider.GetTic(1), 35);
    ASSERT_NE(slider.GetTicArray(), nullptr);
    EXPECT_EQ(slider.GetTicArray()[0], 25u);
    slider.ClearTics();
    EXPECT_EQ(slider.GetNumTics(), 2u);

    int nOldPage = slider.GetPageSize();
    EXPECT_EQ(slider.SetPageSize(7), nOldPage);
    EXPECT_EQ(slider.GetPageSize(), 7);
    EXPECT_EQ(slider.SetLineSize(3), 1);
    EXPECT_EQ(slider.GetLineSize(), 3);

    slider.SetSelection(15, 40);
    slider.GetSelection(nMin, nMax);
    EXPECT_EQ(nMin, 15);
    EXPECT_EQ(nMax, 40);
}

TEST_F(Controls, SliderGeometryAndBuddies) {
    CSliderCtrl slider;
    CStatic label;
    ASSERT_TRUE(
        slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(0, 0, 200, 30), &m_parent, 100));
    ASSERT_TRUE(label.Create(_T("min"), WS_CHILD | WS_VISIBLE, CRect(0, 40, 40, 60), &m_parent));

    CRect channel, atMin, atMax;
    slider.GetChannelRect(&channel);
    EXPECT_GT(channel.Width(), 100);
    slider.SetPos(0);
    slider.GetThumbRect(&atMin);
    slider.SetPos(100);
    slider.GetThumbRect(&atMax);
    EXPECT_GT(atMax.left, atMin.left);
    EXPECT_GE(atMin.left, channel.left - atMin.Width());

    EXPECT_EQ(slider.SetBuddy(&label, TRUE), nullptr);
    ASSERT_NE(slider.GetBuddy(TRUE), nullptr);
    EXPECT_EQ(slider.GetBuddy(TRUE)->m_hWnd, label.m_hWnd);
    EXPECT_EQ(slider.GetBuddy(FALSE), nullptr);
    CString text;
    label.GetWindowText(text);
    EXPECT_EQ(text, CString(_T("min")));
}

TEST_F(Controls, TabItemsSelectionAndDisplayArea) {
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_parent, 101));
    EXPECT_EQ(tabs.InsertItem(0, _T("One")), 0);
    EXPECT_EQ(tabs.InsertItem(1, _T("Three")), 1);
    EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, 1, _T("Two"), 0, 77), 1);
    EXPECT_EQ(tabs.GetItemCount(), 3);

    char buf[16] = "";
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = buf;
    item.cchTextMax = sizeof buf;
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ(buf, "Two");
    EXPECT_EQ(item.lParam, 77);

    int nOld = tabs.GetCurSel();
    EXPECT_EQ(tabs.SetCurSel(2), nOld);
    EXPECT_EQ(tabs.GetCurSel(), 2);

    CRect first, second;
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    ASSERT_TRUE(tabs.GetItemRect(1, &second));
    EXPECT_GE(second.left, first.right - 2);

    // The display area lies below the tabs, and growing it back gives the
    // window rectangle again.
    CRect window(0, 0, 300, 200), display = window;
    tabs.AdjustRect(FALSE, &display);
    EXPECT_GT(display.top, first.top);
    EXPECT_LT(display.Width(), window.Width());
    tabs.AdjustRect(TRUE, &display);
    EXPECT_EQ(display, window);

    TCHITTESTINFO hit = {{second.left + 2, second.top + 2}, 0};
    EXPECT_EQ(tabs.HitTest(&hit), 1);

    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_TRUE(tabs.DeleteAllItems());
    EXPECT_EQ(tabs.GetItemCount(), 0);
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

TEST_F(TreeControl, WalksTheItems) {
    EXPECT_EQ(m_tree.GetCount(), 5u);
    EXPECT_EQ(m_tree.GetRootItem(), m_tools);
    EXPECT_EQ(m_tree.GetChildItem(NULL), m_tools);
    EXPECT_EQ(m_tree.GetChildItem(TVI_ROOT), m_tools);
    EXPECT_EQ(m_tree.GetNextSiblingItem(m_tools), m_old);
    EXPECT_EQ(m_tree.GetPrevSiblingItem(m_old), m_tools);
    EXPECT_EQ(m_tree.GetChildItem(m_tools), m_a);
    EXPECT_EQ(m_tree.GetNextSiblingItem(m_a), m_b);
    EXPECT_EQ(m_tree.GetNextSiblingItem(m_b), HTREEITEM(NULL));
    EXPECT_EQ(m_tree.GetParentItem(m_c), m_b);
    EXPECT_EQ(m_tree.GetParentItem(m_tools), HTREEITEM(NULL));
    EXPECT_TRUE(m_tree.ItemHasChildren(m_b));
    EXPECT_FALSE(m_tree.ItemHasChildren(m_a));

    EXPECT_TRUE(m_tree.DeleteItem(m_b));
    EXPECT_EQ(m_tree.GetCount(), 3u);
    EXPECT_EQ(m_tree.GetNextSiblingItem(m_a), HTREEITEM(NULL));
    EXPECT_TRUE(m_tree.DeleteAllItems());
    EXPECT_EQ(m_tree.GetCount(), 0u);
    EXPECT_EQ(m_tree.GetRootItem(), HTREEITEM(NULL));
}

TEST_F(TreeControl, ItemTextDataImagesAndState) {
    EXPECT_EQ(m_tree.GetItemText(m_tools), CString(_T("Tools")));
    EXPECT_EQ(m_tree.GetItemData(m_b), DWORD_PTR(0x1234));
    EXPECT_TRUE(m_tree.SetItemData(m_c, 0xDEADBEEF));
    EXPECT_EQ(m_tree.GetItemData(m_c), DWORD_PTR(0xDEADBEEF));

    // Longer than the first buffers the text is read into.
    const std::string longText(600, 'x');
    EXPECT_TRUE(m_tree.SetItemText(m_a, longText.c_str()));
    EXPECT_EQ(std::string(m_tree.GetItemText(m_a)), longText);
    EXPECT_EQ(m_tree.GetItemText(m_b), CString(_T("B")));

    int nImage = 0, nSelected = 0;
    ASSERT_TRUE(m_tree.GetItemImage(m_a, nImage, nSelected));
    EXPECT_EQ(nImage, 3);
    EXPECT_EQ(nSelected, 4);
    EXPECT_TRUE(m_tree.SetItemImage(m_a, 5, 6));
    m_tree.GetItemImage(m_a, nImage, nSelected);
    EXPECT_EQ(nImage, 5);
    EXPECT_EQ(nSelected, 6);

    EXPECT_EQ(m_tree.GetItemState(m_tools, TVIS_EXPANDED), 0u);
    EXPECT_TRUE(m_tree.Expand(m_tools, TVE_EXPAND));
    EXPECT_EQ(m_tree.GetItemState(m_tools, TVIS_EXPANDED), UINT(TVIS_EXPANDED));
}

TEST_F(TreeControl, SelectionGeometryAndLabelEditing) {
    EXPECT_TRUE(m_tree.SelectItem(m_c));
    EXPECT_EQ(m_tree.GetSelectedItem(), m_c);
    m_tree.EnsureVisible(m_c);

    CRect text, row;
    ASSERT_TRUE(m_tree.GetItemRect(m_c, &text, TRUE));
    ASSERT_TRUE(m_tree.GetItemRect(m_c, &row, FALSE));
    EXPECT_LE(row.left, text.left);
    EXPECT_GT(text.Width(), 0);
    UINT flags = 0;
    EXPECT_EQ(m_tree.HitTest(text.CenterPoint(), &flags), m_c);
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
    EXPECT_EQ(m_tree.HitTest(CPoint(text.left + 1, row.bottom + 200)), HTREEITEM(NULL));

    m_tree.SetFocus();
    CEdit* pEdit = m_tree.EditLabel(m_c);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(m_tree.GetEditControl()->m_hWnd, pEdit->m_hWnd);
    CString label;
    pEdit->GetWindowText(label);
    EXPECT_EQ(label, CString(_T("C")));
    ::SendMessage(m_tree.m_hWnd, TVM_ENDEDITLABELNOW, TRUE, 0);
}

TEST_F(Controls, EditSelectionLinesAndLimits) {
    CEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &m_parent, 103));
    edit.SetWindowText(_T("hello\r\nworld"));
    EXPECT_EQ(edit.GetLineCount(), 2);
    EXPECT_EQ(edit.LineIndex(1), 7);
    EXPECT_EQ(edit.LineLength(7), 5);
    EXPECT_EQ(edit.LineFromChar(8), 1);
    TCHAR line[16] = {};
    EXPECT_EQ(edit.GetLine(1, line, 15), 5);
    EXPECT_EQ(std::string(line, 5), "world");

    edit.SetSel(1, 3);
    int nStart = 0, nEnd = 0;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1);
    EXPECT_EQ(nEnd, 3);
    EXPECT_EQ(edit.GetSel(), DWORD(MAKELONG(1, 3)));
    edit.ReplaceSel(_T("EY"), TRUE);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString(_T("hEYlo\r\nworld")));
    edit.SetSel(MAKELONG(0, 2));
    EXPECT_EQ(edit.GetSel(), DWORD(MAKELONG(0, 2)));

    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    edit.SetReadOnly(FALSE);
    EXPECT_FALSE(edit.GetStyle() & ES_READONLY);
}

TEST_F(Controls, ButtonsStaticsAndScrollBars) {
    CButton check, radio;
    ASSERT_TRUE(
        check.Create(_T("c"), WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 0, 50, 20), &m_parent, 104));
    ASSERT_TRUE(
        radio.Create(_T("r"), WS_CHILD | BS_AUTORADIOBUTTON, CRect(0, 20, 50, 40), &m_parent, 105));
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(radio.GetButtonStyle(), UINT(BS_AUTORADIOBUTTON));
    radio.SetButtonStyle(BS_RADIOBUTTON, FALSE);
    EXPECT_EQ(radio.GetButtonStyle(), UINT(BS_RADIOBUTTON));

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_HORZ, CRect(0, 50, 200, 70), &m_parent, 106));
    bar.SetScrollRange(0, 100, FALSE);
    SCROLLINFO info = {};
    info.fMask = SIF_PAGE;
    info.nPage = 10;
    bar.SetScrollInfo(&info, FALSE);
    EXPECT_EQ(bar.GetScrollLimit(), 91);
    bar.SetScrollPos(95, FALSE);
    EXPECT_EQ(bar.GetScrollPos(), 91);
    int nMin = -1, nMax = -1;
    bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMin, 0);
    EXPECT_EQ(nMax, 100);
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

        EXPECT_EQ(menu.GetMenuItemCount(), 3u);
        EXPECT_EQ(menu.GetMenuItemID(0), 1u);
        EXPECT_EQ(menu.GetMenuItemID(1), 0u);
        EXPECT_EQ(menu.GetMenuItemID(2), UINT(-1));

        CString text;
        EXPECT_EQ(menu.GetMenuString(0, text, MF_BYPOSITION), 5);
        EXPECT_EQ(text, CString(_T("&File")));
        EXPECT_EQ(menu.GetMenuString(1, text, MF_BYPOSITION), 0);
        EXPECT_TRUE(text.IsEmpty());
        TCHAR buf[16];
        EXPECT_EQ(menu.GetMenuString(1, buf, 16, MF_BYCOMMAND), 5);
        EXPECT_STREQ(buf, _T("&File"));

        CMenu* pSub = menu.GetSubMenu(2);
        ASSERT_NE(pSub, nullptr);
        EXPECT_EQ(pSub->GetSafeHmenu(), hPopup);
        EXPECT_EQ(menu.GetSubMenu(2), pSub);
        EXPECT_EQ(pSub->GetMenuItemID(0), 11u);
        EXPECT_EQ(menu.GetSubMenu(0), nullptr);
        CMenu::DeleteTempMap();
        EXPECT_TRUE(::IsMenu(hPopup));
    }
    // The attached menu went with its object, submenu and all.
    EXPECT_FALSE(::IsMenu(hMenu));
    EXPECT_FALSE(::IsMenu(hPopup));
}

} // namespace
