// A host's node and file classes written from the interface tables alone:
// every virtual operation overridden with the documented parameter types and
// `override`, so that a declaration of the library that differs fails to
// compile here instead of silently hiding a host's override.
#include <afx.h>
#include <gtest/gtest.h>

#include <string>

#include "Checks.h"
#include "RVXMLFile.h"
#include "TempFolder.h"
#include "XMLNode.h"

namespace {

class HostNode : public XMLNode {
public:
    void SetName(LPCTSTR lpszName) override { m_strName = lpszName; }
    CString GetName() override { return m_strName; }
    CString GetStoreString(int nLevel) override {
        return RVXMLFile::ConstrTag(_T("tool"), nLevel) +
               RVXMLFile::ConstrTag(_T("name"), m_strName, nLevel + 1) +
               RVXMLFile::ConstrTag(_T("/tool"), nLevel);
    }
    bool TransferData(bool bSave, XMLNode* pOther) override {
        if (pOther == NULL)
            return false;
        if (bSave)
            pOther->SetName(m_strName);
        return true;
    }
    bool ReadComponent(CString& strName, CString& strValue) override {
        if (strName == "name")
            m_strName = strValue;
        return true;
    }
    ~HostNode() override {}

    CString m_strName;
};

class HostFile : public RVXMLFile {
public:
    HostFile() { m_strNodeTag = "tool"; }
    ~HostFile() override {}
    void WriteString(LPCTSTR lpsz) override {
        ++nWritten;
        RVXMLFile::WriteString(lpsz);
    }
    bool OnAddNode(XMLNode* pNode) override { return pNode->GetName() != "skip"; }
    XMLNode* CreateNode() override { return new HostNode; }

    int nWritten = 0;
};

// The library reaches the host's overrides: the writer through WriteString
// and GetStoreString, the reader through CreateNode and ReadComponent.
TEST(HostClasses, TheLibraryCallsEveryOverride) {
    TempFolder tmp;
    HostFile file;
    file.SetFileName((tmp / "t.xml").c_str());
    tmp.Write("t.xml", "x\r\n");
    ASSERT_TRUE(file.Open(false));
    ASSERT_TRUE(file.Empty());
    HostNode saw, skip;
    saw.SetName(_T("Saw"));
    skip.SetName(_T("skip"));
    file.WriteString(_T("<?xml version=\"1.0\"?>\n"));
    file.WriteTag("Box", true, 1);
    file.WriteNode(&saw, 2);
    file.WriteNode(&skip, 2);
    file.WriteTag("Box", false, 1);
    file.Close();
    EXPECT_EQ(5, file.nWritten);

    ASSERT_TRUE(file.Open(true));
    file.Reset();
    std::string read;
    XMLNode* pNode = NULL;
    while (file.GetNext(pNode, false)) {
        if (!file.IsFolder()) {
            read += Str(pNode->GetName()) + (file.OnAddNode(pNode) ? "+" : "-") + ";";
            delete pNode;
        }
        pNode = NULL;
    }
    EXPECT_EQ("Saw+;skip-;", read);

    HostNode other;
    EXPECT_TRUE(saw.TransferData(true, &other));
    EXPECT_EQ(CString("Saw"), other.GetName());
}

#ifdef DOVUV32_HAS_VIRTUAL_SLOT
// Hosts built against the documented layout call through these slots: the
// node's operations in their order with the destructor last, the file's two
// after everything it inherits.
TEST(HostClasses, VirtualOperationsKeepTheirSlots) {
    EXPECT_EQ(0, VirtualSlot(&XMLNode::SetName));
    EXPECT_EQ(1, VirtualSlot(&XMLNode::GetName));
    EXPECT_EQ(2, VirtualSlot(&XMLNode::GetStoreString));
    EXPECT_EQ(3, VirtualSlot(&XMLNode::TransferData));
    EXPECT_EQ(4, VirtualSlot(&XMLNode::ReadComponent));
    EXPECT_EQ(VirtualSlot(&RVXMLFile::OnAddNode) + 1, VirtualSlot(&RVXMLFile::CreateNode));
    EXPECT_LT(VirtualSlot(&RVTxtFile::WriteString), VirtualSlot(&RVXMLFile::OnAddNode));
}
#endif

} // namespace
