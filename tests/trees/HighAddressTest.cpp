// Item handles and node pointers above 4 GiB: the verbs and the items' data
// carry them whole.
#include "TreesFixture.h"

#include "HighMemory.h"
#include "SampleNode.h"
#include "TempFolder.h"

#include <string>

namespace {

// The host's tag file, its nodes placed above 4 GiB.
class HighFile : public SampleFile {
public:
    XMLNode* CreateNode() override { return new High<SampleNode>; }
};

using HighAddressTest = TreesTest;

TEST_F(HighAddressTest, VerbsCarryTheWholeItemHandle) {
    // The dialog is only told the handle; no item is looked at.
    const HTREEITEM hItem = static_cast<HTREEITEM>(HighAlloc(1));
    ASSERT_TRUE(sizeof(void*) == 4 || AboveFourGiB(hItem));
    dlg->pathTree.AttachParent(dlg);
    dlg->pathTree.DoVerb(hItem, 5);
    ASSERT_EQ(dlg->verbs.size(), 1u);
    EXPECT_EQ(dlg->verbs[0], std::make_pair(hItem, DWORD(5)));
}

TEST_F(HighAddressTest, ItemDataKeepsNodesAboveFourGiB) {
    const std::string stored = "<?xml version=\"1.0\"?>\r\n"
                               "\t<Crate>\r\n"
                               "\t\t<item>\r\n\t\t\t<name>Saw</name>\r\n\t\t\t<size>3</size>\r\n"
                               "\t\t</item>\r\n"
                               "\t\t<item>\r\n\t\t\t<name>Axe</name>\r\n\t\t</item>\r\n"
                               "\t</Crate>\r\n";
    TempFolder tmp;
    tmp.Write("t.xml", stored);
    HighFile file;
    file.SetFileName((tmp / "t.xml").c_str());
    XMLTree& tree = dlg->xmlTree;
    tree.AttachFile(&file);
    ASSERT_TRUE(tree.Load());

    const HTREEITEM hCrate = tree.GetChildItem(NULL);
    int nNodes = 0;
    for (HTREEITEM h = tree.GetChildItem(hCrate); h != NULL; h = tree.GetNextSiblingItem(h)) {
        XMLNode* pNode = tree.GetNode(h);
        ASSERT_TRUE(pNode != NULL);
        EXPECT_TRUE(sizeof(void*) == 4 || AboveFourGiB(pNode));
        EXPECT_EQ(pNode->GetName(), tree.GetItemText(h));
        // Renaming reaches the node through the item's data.
        ASSERT_TRUE(tree.SetItemText(h, pNode->GetName() + "s"));
        ++nNodes;
    }
    EXPECT_EQ(nNodes, 2);

    tmp.Write("t.xml", "x\r\n");
    ASSERT_TRUE(tree.Save());
    std::string expected = stored;
    expected.replace(expected.find("Saw"), 3, "Saws");
    expected.replace(expected.find("Axe"), 3, "Axes");
    EXPECT_EQ(tmp.Read("t.xml"), expected);

    for (HTREEITEM h = tree.GetChildItem(hCrate); h != NULL; h = tree.GetNextSiblingItem(h))
        delete tree.GetNode(h);
    tree.DeleteAllItems();
}

} // namespace
