// Paths, expansion and verb walks of the path-addressed tree control.
#include "TreesFixture.h"

namespace {

// Tools { Old { Saw }, Old { Axe }, A\B }, Bench.
class RVTreeCtrlTest : public TreesTest {
protected:
    void SetUp() override {
        TreesTest::SetUp();
        RVTreeCtrl& t = dlg->pathTree;
        tools = t.InsertItem(_T("Tools"));
        old1 = t.InsertItem(_T("Old"), tools);
        saw = t.InsertItem(_T("Saw"), old1);
        old2 = t.InsertItem(_T("Old"), tools);
        axe = t.InsertItem(_T("Axe"), old2);
        slash = t.InsertItem(_T("A\\B"), tools);
        bench = t.InsertItem(_T("Bench"));
        t.AttachParent(dlg);
    }
    bool Expanded(HTREEITEM h) {
        return dlg->pathTree.GetItemState(h, TVIS_EXPANDED) == TVIS_EXPANDED;
    }
    HTREEITEM tools, old1, saw, old2, axe, slash, bench;
};

TEST_F(RVTreeCtrlTest, PathsAndHandlesAreExactAndFindTheFirstMatch) {
    RVTreeCtrl& t = dlg->pathTree;
    EXPECT_EQ(t.GetItemPath(saw), CString("Tools\\Old\\Saw"));
    EXPECT_EQ(t.GetItemHandle("Tools\\Old\\Saw"), saw);
    EXPECT_EQ(t.GetItemHandle("Bench"), bench);
    // Of two siblings named Old the first wins: Axe is not reached.
    EXPECT_EQ(t.GetItemHandle("Tools\\Old"), old1);
    EXPECT_EQ(t.GetItemHandle("Tools\\Old\\Axe"), HTREEITEM(NULL));
    EXPECT_EQ(t.GetItemHandle(""), TVI_ROOT);
    EXPECT_EQ(t.GetItemHandle("Tools\\"), tools);
    EXPECT_EQ(t.GetItemHandle("\\Tools"), HTREEITEM(NULL));
    EXPECT_EQ(t.GetItemHandle("tools"), HTREEITEM(NULL));
    EXPECT_EQ(t.GetItemHandle("Tools\\Saw"), HTREEITEM(NULL));
    // A back-slash inside a text is kept in the path but splits the search.
    EXPECT_EQ(t.GetItemPath(slash), CString("Tools\\A\\B"));
    EXPECT_EQ(t.GetItemHandle(t.GetItemPath(slash)), HTREEITEM(NULL));

    EXPECT_EQ(t.GetItemPath(NULL), CString());
    EXPECT_EQ(t.GetItemPath(TVI_ROOT), CString());
    EXPECT_EQ(t.FindItem("Old", NULL), HTREEITEM(NULL));
    EXPECT_EQ(t.FindItem("Bench", TVI_ROOT), HTREEITEM(NULL));

    EXPECT_EQ(t.GetSelectedPath(), CString());
    ASSERT_TRUE(t.SelectItem(axe));
    EXPECT_EQ(t.GetSelectedPath(), CString("Tools\\Old\\Axe"));
}

TEST_F(RVTreeCtrlTest, ExpandsAlongPathsAndFirstChildren) {
    dlg->pathTree.ExpandPath("Tools\\Nothing\\Saw");
    EXPECT_TRUE(Expanded(tools));
    EXPECT_FALSE(Expanded(old1));
    dlg->pathTree.ExpandPath("Tools\\Old\\Saw");
    EXPECT_TRUE(Expanded(old1));
    EXPECT_FALSE(Expanded(old2));

    dlg->pathTree.Expand(tools, TVE_COLLAPSE);
    dlg->pathTree.Expand(old1, TVE_COLLAPSE);
    dlg->pathTree.InitExpand();
    EXPECT_TRUE(Expanded(tools) && Expanded(old1));
    EXPECT_FALSE(Expanded(old2));
}

TEST_F(RVTreeCtrlTest, WalksPassEveryItemInPreOrderToTheDialog) {
    RVTreeCtrl& t = dlg->pathTree;
    t.DoForAll(7);
    const std::vector<std::pair<HTREEITEM, DWORD>> all = {
        {tools, 7}, {old1, 7}, {saw, 7}, {old2, 7}, {axe, 7}, {slash, 7}, {bench, 7}};
    EXPECT_EQ(dlg->verbs, all);

    // The root handle walks the whole tree too, without a verb for the root.
    dlg->verbs.clear();
    EXPECT_EQ(t.DoForSubTree(TVI_ROOT, 0, 7), eIterContinue);
    EXPECT_EQ(dlg->verbs, all);

    dlg->verbs.clear();
    EXPECT_EQ(t.DoForSubTree(old2, 2, 9), eIterContinue);
    const std::vector<std::pair<HTREEITEM, DWORD>> sub = {{old2, 9}, {axe, 9}};
    EXPECT_EQ(dlg->verbs, sub);

    dlg->verbs.clear();
    t.AttachParent(NULL);
    EXPECT_EQ(t.DoVerb(tools, 1), eIterContinue);
    t.DoForAll(1);
    t.AttachParent(dlg);
    t.DeleteAllItems();
    t.DoForAll(1);
    EXPECT_TRUE(dlg->verbs.empty());
}

} // namespace
